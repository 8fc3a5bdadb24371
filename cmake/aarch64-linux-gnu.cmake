# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit ARM Linux (a Raspberry Pi's Debian) with Debian's cross
# toolchain (g++-aarch64-linux-gnu) against an arm64 Debian tree unpacked into a folder
# (scripts/test-arm64.sh makes it in build-arm64/sysroot), so that the machine's own
# packages stay as they are: SDL 1.2's development package cannot be installed for two
# architectures at once. The programs, the tests among them, run here under qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
if(NOT CMAKE_SYSROOT)
  get_filename_component(CMAKE_SYSROOT ${CMAKE_CURRENT_LIST_DIR}/../build-arm64/sysroot ABSOLUTE)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${CMAKE_SYSROOT}/usr/lib/aarch64-linux-gnu/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${CMAKE_SYSROOT})

# ctest, and gtest_discover_tests at build time, start the test programs through this.
# qemu takes the arm64 loader and libraries from the tree; the variable reaches the
# programs a test starts, which the kernel hands to qemu (binfmt_misc) in turn. The
# static qemu: a dynamic one would itself take the LD_PRELOAD meant for the game.
set(CMAKE_CROSSCOMPILING_EMULATOR env QEMU_LD_PREFIX=${CMAKE_SYSROOT} /usr/bin/qemu-aarch64-static)
