#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real-window tests of a build folder that is already built on Wayland: each
# test starts its own headless sway and the game on it, over SDL 3's Wayland driver
# (sdl12-compat over sdl2-compat over SDL 3). Leaves nothing running. The build must have
# been configured where WAYLAND_PACKAGES (packages.sh) are installed.
#   bash scripts/test-wayland.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: test-wayland.sh BUILD_DIR}" && pwd)
source "$root/scripts/list-skips.sh"
source "$root/scripts/packages.sh"
source "$root/scripts/sdl-stacks.sh"

# The SDL 3 stack (sdl-stacks.sh): sdl2-compat's libSDL2 first, so that sdl12-compat runs
# on SDL 3, which prefers Wayland.
stack=$(printf '%s\n' "${SDL_STACKS[@]}" | grep '|libSDL3$') ||
  { echo "FAILED on Wayland: Debian $DEBIAN_RELEASE has no SDL 3 stack" >&2; exit 1; }
IFS='|' read -r _ sdl3_dir wanted <<<"$stack"
export LD_LIBRARY_PATH=$sdl3_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export SDL_AUDIODRIVER=dummy

echo "=== $(basename "$build") on Wayland (headless sway, SDL 3), Debian $DEBIAN_RELEASE ==="
echo "the game loads:"
describe_stack "$build" "" "$wanted" ||
  { echo "FAILED on Wayland: the game does not load $wanted" >&2; exit 1; }
run_label "$build" wayland Wayland on-wayland "on Wayland" "configure it with WAYLAND_PACKAGES"
