# Run by CPack after each package: the first time in a run, makes the MSI package from that
# package's staged program (stripped, and signed when a certificate is given) with
# make-msi.sh, signs it likewise and puts it beside the other packages.
get_property(made GLOBAL PROPERTY triangle_msi_made)
if(NOT made)
    set_property(GLOBAL PROPERTY triangle_msi_made TRUE)
    set(name "${CPACK_PACKAGE_FILE_NAME}.msi")
    execute_process(COMMAND "${CPACK_TRIANGLE_MAKE_MSI}" "${CPACK_TEMPORARY_DIRECTORY}"
                            "${CPACK_TRIANGLE_MSI_VERSION}" "${CPACK_NSIS_MUI_ICON}"
                            "${CPACK_TOPLEVEL_DIRECTORY}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${CPACK_TRIANGLE_SIGN_SCRIPT}" "${CPACK_TOPLEVEL_DIRECTORY}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
    set(destination "${CPACK_OUTPUT_FILE_PREFIX}")
    if(NOT destination)
        set(destination "${CPACK_PACKAGE_DIRECTORY}")
    endif()
    file(COPY_FILE "${CPACK_TOPLEVEL_DIRECTORY}/${name}" "${destination}/${name}")
    message(STATUS "Package ${destination}/${name} generated")
endif()
