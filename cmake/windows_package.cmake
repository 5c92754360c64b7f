# The Windows installer (NSIS, built by Debian's makensis) and, beside it, a zip that holds
# the program alone, for a computer where nothing may be installed.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME triangle-solver)
set(CPACK_PACKAGE_VENDOR "Triangle solver developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Right-triangle solver with a Bulgarian interface")
set(CPACK_PACKAGE_FILE_NAME "triangle-solver-${PROJECT_VERSION}-win64")
set(CPACK_STRIP_FILES ON)
# The zip holds triangle-solver.exe at its top, with no folder around it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

set(CPACK_PACKAGE_INSTALL_DIRECTORY "Triangle Solver")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "TriangleSolver")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit program, Unicode for the Bulgarian names; it also runs
# under a Wine without 32-bit support.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME "Правоъгълен триъгълник")
set(CPACK_NSIS_DISPLAY_NAME "Правоъгълен триъгълник ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_BINARY_DIR}/window/win32/triangle-solver.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_BINARY_DIR}/window/win32/triangle-solver.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "triangle-solver.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
# The Start menu's shortcut: the program under its Bulgarian name, with the program's icon.
set(CPACK_PACKAGE_EXECUTABLES "triangle-solver" "Правоъгълен триъгълник")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
include(CPack)
