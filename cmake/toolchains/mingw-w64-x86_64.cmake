# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (g++-mingw-w64-x86-64-posix).
# The programs are run under wine where it is installed (Debian's wine64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config finds only what was built for Windows, not the build machine's own libraries.
set(ENV{PKG_CONFIG_LIBDIR} ${CMAKE_FIND_ROOT_PATH}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Self-contained programs: the C++, GCC and thread runtimes are linked in, so no DLL has to be found.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(CONJUGACIO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(CONJUGACIO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CONJUGACIO_WINE})
endif()
