# SPDX-License-Identifier: MIT
# The Debian packages each command needs on this machine's release; sourced by play.sh,
# test.sh and build-windows.sh. Debian 12 (bookworm) and Debian 13 (trixie) are tested;
# a later release is taken as Debian 13, whose package names it keeps.

DEBIAN_RELEASE=$(. /etc/os-release && echo "${VERSION_CODENAME:-unknown}")

# To build and play: the compiler, CMake and SDL 1.2 (classic on Debian 12, sdl12-compat
# over SDL 2 on Debian 13, under the same name).
PLAY_PACKAGES=(g++ make cmake pkg-config libsdl1.2-dev)

# To cross-build the Windows zip (build-windows.sh): mingw-w64, and what fetching,
# unpacking and building SDL's Debian source package takes.
WINDOWS_PACKAGES=(cmake make g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 dpkg-dev xz-utils zip)

# To build the game for web browsers (build-web.sh): Debian's Emscripten (with its clang
# and binaryen's optimiser) and node, which runs Emscripten's JavaScript tools; CMake; and
# what fetching and unpacking SDL's Debian source package takes. python3 serves the
# folder (serve-web.sh).
WEB_PACKAGES=(cmake make emscripten binaryen nodejs dpkg-dev xz-utils python3)
# To play the page headless: the browser the web build is measured and tested in.
WEB_BROWSER_PACKAGES=(chromium)

# The second SDL 1.2 stack the suite runs on: on Debian 12, sdl12-compat beside the
# classic library; on Debian 13, sdl2-compat, which puts the SDL 2 API over SDL 3 under
# the system's sdl12-compat, as Fedora and Arch ship it.
case $DEBIAN_RELEASE in
  bookworm) SECOND_STACK_PACKAGES=(libsdl1.2-compat) ;;
  *) SECOND_STACK_PACKAGES=(libsdl2-compat) ;;
esac

# To build and run every test: the above, the second stack, GoogleTest and Google
# Benchmark, an X server with the XTEST extension for the real-window tests, clang's
# fuzzer runtime, valgrind, the tools the installation tests check the package with
# (dpkg-deb, lintian, appstreamcli, desktop-file-validate, man), the format and lint gates
# (and git, which lists the files they check), and the Windows zip with Wine to run the
# real-window tests against its program, and Python for the mutation tool
# (tools/mutation/mutate.py).
TEST_PACKAGES=("${PLAY_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" wine64 python3
  "${SECOND_STACK_PACKAGES[@]}"
  libgtest-dev libbenchmark-dev
  xvfb xauth libx11-dev libxtst-dev
  clang libclang-rt-dev
  valgrind
  dpkg-dev desktop-file-utils man-db lintian appstream
  clang-format clang-tidy git)

# To run the real-window tests on Wayland as well (test-wayland.sh), where SDL 3 is there
# to run the game as a native Wayland client (Debian 13 and later): a headless compositor
# (sway), its screen-copy client (grim), jq to read its window tree, and the client
# libraries and protocol descriptions the tests' virtual keyboard and mouse are built from
# (wayland-scanner comes with libwayland-dev; Debian ships the two protocols' XML in Rust
# crates).
case $DEBIAN_RELEASE in
  bookworm) WAYLAND_PACKAGES=() ;;
  *) WAYLAND_PACKAGES=(sway grim jq libwayland-dev libxkbcommon-dev
    librust-wayland-protocols-misc-dev librust-wayland-protocols-wlr-dev) ;;
esac
TEST_PACKAGES+=("${WAYLAND_PACKAGES[@]}")

# To run the real-window tests against the web folder in three browser engines
# (test-web.sh), on Debian 12, where its Emscripten builds the folder: headless Chromium,
# driven through its DevTools pipe; Firefox ESR, through its WebDriver BiDi agent; WebKitGTK's
# WebDriver, which brings the engine and its MiniBrowser, shown on an X server of its own
# (xvfb); and Node, which runs the launcher that serves the folder and drives the browser
# (setpriv, which ties the browser's life to the launcher's, is util-linux's).
# build-web.sh installs what the folder itself is built with.
case $DEBIAN_RELEASE in
  bookworm) WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb nodejs) ;;
  *) WEB_TEST_PACKAGES=() ;;
esac
TEST_PACKAGES+=("${WEB_TEST_PACKAGES[@]}")

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
