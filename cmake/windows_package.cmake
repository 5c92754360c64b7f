# The Windows packages `cpack --preset windows` makes from the stripped program:
# - triangle-solver-<version>-win64.exe, the installer (NSIS, built by Debian's makensis from
#   packaging/windows/NSIS.template.in), in Bulgarian, for a computer at home;
# - triangle-solver-<version>-win64.zip, the program and its third-party notices, for a
#   computer where nothing may be installed;
# - triangle-solver-<version>-win64.msi, the Windows Installer package for a school's network
#   (Group Policy, Intune), made after the first package by packaging/windows/cpack_msi.cmake
#   with Debian's wixl, since CPack's own WIX generator needs WiX's Windows tools.
# With a code-signing certificate in the environment (scripts/sign-windows.sh), the program,
# the uninstaller, the installer and the MSI package are signed.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME triangle-solver)
set(CPACK_PACKAGE_VENDOR "Triangle solver developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Right-triangle solver with a Bulgarian interface")
set(CPACK_PACKAGE_FILE_NAME "triangle-solver-${PROJECT_VERSION}-win64")
set(CPACK_STRIP_FILES ON)
# The zip holds triangle-solver.exe and THIRD-PARTY-NOTICES.txt at its top, with no folder
# around them.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# Numeric versions for Windows: 1.00 is 1.0.0 for Windows Installer, which compares its
# fields as numbers, and 1.0.0.0 in the installer's version record.
math(EXPR triangle_minor "${PROJECT_VERSION_MINOR}")
set(CPACK_TRIANGLE_MSI_VERSION "${PROJECT_VERSION_MAJOR}.${triangle_minor}.0")
set(CPACK_TRIANGLE_FILE_VERSION "${CPACK_TRIANGLE_MSI_VERSION}.0")

set(CPACK_PACKAGE_INSTALL_DIRECTORY "Triangle Solver")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "TriangleSolver")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit program, Unicode for the Bulgarian names; it also runs
# under a Wine without 32-bit support.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME "Правоъгълен триъгълник")
set(CPACK_NSIS_MUI_ICON "${PROJECT_BINARY_DIR}/window/win32/triangle-solver.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
# The project's own installer script, found by CPack in its module path.
set(CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/packaging/windows")

# The installer's pictures, drawn from the icon: the welcome and finish pages' and the
# header's.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(triangle_generated ${PROJECT_BINARY_DIR}/packaging/windows)
set(CPACK_TRIANGLE_WIZARD_BITMAP ${triangle_generated}/wizard.bmp)
set(CPACK_TRIANGLE_HEADER_BITMAP ${triangle_generated}/header.bmp)
add_custom_command(
    OUTPUT ${CPACK_TRIANGLE_WIZARD_BITMAP} ${CPACK_TRIANGLE_HEADER_BITMAP}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/draw_installer_pictures.py
            ${PROJECT_SOURCE_DIR}/window/icons ${CPACK_TRIANGLE_WIZARD_BITMAP}
            ${CPACK_TRIANGLE_HEADER_BITMAP}
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/draw_installer_pictures.py
            ${PROJECT_SOURCE_DIR}/scripts/draw_icon.py ${PROJECT_SOURCE_DIR}/scripts/make_ico.py
            ${PROJECT_SOURCE_DIR}/window/icons/triangle-solver-48.png
            ${PROJECT_SOURCE_DIR}/window/icons/triangle-solver-128.png
    COMMENT "Drawing the installer's pictures")
add_custom_target(installer_pictures ALL
                  DEPENDS ${CPACK_TRIANGLE_WIZARD_BITMAP} ${CPACK_TRIANGLE_HEADER_BITMAP})

# The licence page's text: the project's licence with each paragraph on one line, for the
# page to wrap, and Windows' line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE triangle_licence)
string(STRIP "${triangle_licence}" triangle_licence)
string(REPLACE "\n\n" "\r" triangle_licence "${triangle_licence}")
string(REPLACE "\n" " " triangle_licence "${triangle_licence}")
string(REPLACE "\r" "\r\n\r\n" triangle_licence "${triangle_licence}")
set(CPACK_TRIANGLE_LICENSE ${triangle_generated}/LICENSE.txt)
file(WRITE ${CPACK_TRIANGLE_LICENSE} "${triangle_licence}\r\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# Signing the staged program before it is packed, then the MSI package after the others.
set(CPACK_TRIANGLE_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/sign-windows.sh)
set(CPACK_TRIANGLE_MAKE_MSI ${PROJECT_SOURCE_DIR}/packaging/windows/make-msi.sh)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/windows/cpack_sign_program.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/windows/cpack_msi.cmake)
include(CPack)
