# Builds 64-bit Windows programs on Debian with MinGW-w64 (g++-mingw-w64-x86-64-posix) and
# runs them, for the tests, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triangle_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triangle_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triangle_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${triangle_mingw}-windres)
set(CMAKE_AR ${triangle_mingw}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triangle_mingw}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${triangle_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread linked in, so that a program imports only Windows' own
# DLLs and runs on a bare Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine in a prefix of the build's own (scripts/wine-run.sh makes it on first use).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
