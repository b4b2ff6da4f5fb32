# CMake toolchain for WebAssembly programs made here with Debian's
# emscripten: its own toolchain file, from where Debian installs it.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
