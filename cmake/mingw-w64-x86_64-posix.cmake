# Cross build for 64-bit Windows with Debian's mingw-w64 compilers, the -posix variant (its
# libstdc++ has std::thread and a working std::filesystem). Executables are linked statically so
# that they start under Wine, or on a bare Windows machine, without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# winpthread too: -static makes the linker take every library's archive.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and anything else CMake runs of ours go through Wine. The test setup in tests/ gives it a
# prefix inside the build folder and a persistent wineserver.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
