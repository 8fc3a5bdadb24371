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

# sdl2-compat's libSDL2 first: sdl12-compat then runs on SDL 3, which prefers Wayland.
sdl3_dir=$(dirname "$(dpkg -L libsdl2-compat | grep '/sdl2-compat/libSDL2-2\.0\.so\.0$')")
export LD_LIBRARY_PATH=$sdl3_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export SDL_AUDIODRIVER=dummy

echo "=== $(basename "$build") on Wayland (headless sway, SDL 3) ==="
# sdl12-compat loads SDL 2 at run time, so ldd cannot show it.
echo "the game's SDL 2 is sdl2-compat's, in $sdl3_dir"
# A build configured without the driver has no such tests; that must not pass unseen.
if ! ctest --test-dir "$build" -N -L wayland | grep -q 'Total Tests: [1-9]'; then
  echo "FAILED on Wayland: $build has no Wayland tests (configure it with WAYLAND_PACKAGES)" >&2
  exit 1
fi
status=0
ctest --test-dir "$build" --output-on-failure -L wayland | tee "$build/ctest-on-wayland.log" ||
  status=$?
list_skips "$build" "on Wayland" | tee "$build/skipped-on-wayland.txt"
echo "Wayland: $(grep -E 'tests passed' "$build/ctest-on-wayland.log" || echo 'no result')" \
  "($(wc -l < "$build/skipped-on-wayland.txt") skipped)"
[ "$status" -eq 0 ] || echo "FAILED on Wayland: see the tests listed above" >&2
exit "$status"
