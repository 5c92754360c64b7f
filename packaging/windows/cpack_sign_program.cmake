# Run by CPack for each package once it has staged the program (stripped, CPACK_STRIP_FILES)
# and before it packs it: signs the staged program when a code-signing certificate is given
# (scripts/sign-windows.sh), so that every package holds a signed program. Without
# one, says so once in a run.
if(NOT "$ENV{TRIANGLE_SIGN_PFX}" STREQUAL "")
    execute_process(COMMAND "${CPACK_TRIANGLE_SIGN_SCRIPT}"
                            "${CPACK_TEMPORARY_DIRECTORY}/triangle-solver.exe"
                    COMMAND_ERROR_IS_FATAL ANY)
else()
    # A global property lasts through the whole cpack run, across its generators.
    get_property(said GLOBAL PROPERTY triangle_unsigned_said)
    if(NOT said)
        message(STATUS "No code-signing certificate (TRIANGLE_SIGN_PFX): nothing is signed")
        set_property(GLOBAL PROPERTY triangle_unsigned_said TRUE)
    endif()
endif()
