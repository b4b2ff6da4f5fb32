# CMake toolchain for 64-bit Windows programs made here with Debian's
# MinGW-w64. The posix thread model's compilers: with the win32 one GCC 12
# lacks the standard library's mutex, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TUKROSDI_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TUKROSDI_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TUKROSDI_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TUKROSDI_MINGW}-windres)

# Headers and libraries come from the MinGW-w64 tree (and the prefixes
# given on the command line); programs run at build time are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${TUKROSDI_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
