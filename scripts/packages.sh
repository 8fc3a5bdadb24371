# SPDX-License-Identifier: MIT
# The Debian packages each command needs; sourced by play.sh and test.sh.

# To build and play: the compiler, CMake and SDL 1.2.
PLAY_PACKAGES=(g++ make cmake pkg-config libsdl1.2-dev)

# To cross-build the Windows zip (build-windows.sh): mingw-w64, and what fetching,
# unpacking and building SDL's Debian source package takes.
WINDOWS_PACKAGES=(cmake make g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 dpkg-dev xz-utils)

# To build and run every test: the above, sdl12-compat (the second SDL 1.2 the suite
# runs on), GoogleTest and Google Benchmark, an X server with the XTEST extension for the
# real-window tests, clang's fuzzer runtime, valgrind, the tools the installation tests
# check the package with (dpkg-deb, lintian, appstreamcli, desktop-file-validate, man),
# the format and lint gates, and the Windows zip with Wine to run the real-window tests
# against its program.
TEST_PACKAGES=("${PLAY_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" wine64
  libsdl1.2-compat
  libgtest-dev libbenchmark-dev
  xvfb xauth libx11-dev libxtst-dev
  clang libclang-rt-14-dev
  valgrind
  dpkg-dev desktop-file-utils man-db lintian appstream
  clang-format clang-tidy)

# --- arm64 (scripts/test-arm64.sh) ---
# To cross-build for 64-bit ARM and run the suite there under emulation: Debian's cross
# compiler; mmdebstrap, which unpacks the arm64 libraries below into a folder of the
# build (installed here, SDL 1.2's development package would replace the machine's own);
# qemu's statically linked emulator, which the LD_PRELOAD given to the game cannot reach;
# and the host tools of the real-window and installation tests.
ARM64_PACKAGES=(cmake make g++-aarch64-linux-gnu mmdebstrap qemu-user-static
  xvfb xauth
  dpkg-dev desktop-file-utils man-db lintian appstream)
# The arm64 packages the game and its tests build against and run on, with what they need.
ARM64_TREE_PACKAGES=(libsdl1.2-dev libgtest-dev libx11-dev libxtst-dev libstdc++6)
