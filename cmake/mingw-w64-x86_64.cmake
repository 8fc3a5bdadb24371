# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
# The win32 thread model needs no libwinpthread-1.dll, and the compiler's own runtime is
# linked in, so the program needs no DLL of the toolchain beside it. SDL is looked for in
# the install folder of a cross-built SDL given as -DNOUGHTS_WINDOWS_SDL_DIR=<folder>, as
# scripts/build-windows.sh does.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${NOUGHTS_WINDOWS_SDL_DIR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
