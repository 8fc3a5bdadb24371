#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test: the ordinary build once on
# each SDL 1.2 stack of this Debian release (scripts/sdl-stacks.sh: on Debian 12 the
# classic library it links against, then sdl12-compat over SDL 2; on Debian 13
# sdl12-compat over SDL 2, then over SDL 3 through sdl2-compat, and its real-window tests
# once more on Wayland), and its real-window tests against the Windows program of the zip
# that build-windows.sh makes, under Wine. On Debian 12 then: a build with AddressSanitizer
# and UndefinedBehaviorSanitizer, which stop at the first finding; the fuzz targets for a
# bounded time in a clang build (libFuzzer is clang's); the arm64 build under emulation
# (test-arm64.sh); the web folder and the real-window tests against its page in headless
# Chromium (test-web.sh). Every failure names the Debian release and the stack it happened on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
# Whatever step fails says on which release; the suite's runs also say on which stack.
set -E
trap 'echo "FAILED on Debian $DEBIAN_RELEASE: $BASH_COMMAND" >&2' ERR

"$root/scripts/install-packages.sh" "${TEST_PACKAGES[@]}"

# The gates that need no build come first: they fail in seconds, or in a minute for the
# lint gate, which needs only the ordinary build's configuration for its compile commands.
bash "$root/scripts/check-format.sh"
bash "$root/scripts/check-layers.sh"

export SDL_AUDIODRIVER=dummy
jobs=$(nproc)

build_suite() {
  local build=$1; shift
  echo "=== $(basename "$build") ==="
  cmake -S "$root" -B "$build" "$@"
  cmake --build "$build" -j"$jobs"
}

# The Windows program's tests (and its zip's) run once, on their own (below), whatever
# the library, and so do the Wayland ones where they are built (test-wayland.sh) and the
# browser's (test-web.sh).
run_suite() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs" -LE 'wine|windows|wayland|web'
}

source "$root/scripts/list-skips.sh"

# The options are given every time: play.sh shares build/ and turns the tests off there.
build_options=(-DNOUGHTS_SANITIZE=OFF -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=ON)
cmake -S "$root" -B "$root/build" "${build_options[@]}" >/dev/null
bash "$root/scripts/check-tidy.sh" "$root/build"

bash "$root/scripts/build-windows.sh"
windows_zip=$(ls "$root"/build-windows/noughts-*-windows-x86_64.zip)

build_suite "$root/build" "${build_options[@]}" -DNOUGHTS_E2E_WINDOWS_ZIP="$windows_zip"
source "$root/scripts/sdl-stacks.sh"
failed=()
for stack in "${SDL_STACKS[@]}"; do
  run_suite_on_stack "$root/build" "$stack" || failed+=("${stack%%|*}")
done
for stack in "${SDL_STACKS[@]}"; do
  name=${stack%%|*}
  echo "$name: $(grep -E 'tests passed' "$root/build/ctest-on-$name.log" || echo 'no result')" \
    "($(wc -l < "$root/build/skipped-on-$name.txt") skipped)"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED on Debian $DEBIAN_RELEASE, on: ${failed[*]}" >&2
  exit 1
fi
# Where SDL 3 can run the game as a Wayland client, the real-window tests run there too.
if [ ${#WAYLAND_PACKAGES[@]} -gt 0 ]; then
  bash "$root/scripts/test-wayland.sh" "$root/build"
fi

echo "=== build: the Windows program under Wine, and its zip built again, Debian $DEBIAN_RELEASE ==="
ctest --test-dir "$root/build" --output-on-failure -L 'wine|windows' ||
  { echo "FAILED under Wine or in the Windows zip on Debian $DEBIAN_RELEASE" >&2; exit 1; }
# Wine cannot do all that Linux does.
list_skips "$root/build" "under Wine"

# A fixed sample of small faults made in the game's code, one at a time, in a copy of the
# tree built apart (build-mutate/): the unit and real-window suites must notice each one
# that tools/mutation/equivalent.txt does not list. The suites have just passed on this
# code, so the copy's own run of them is skipped. The sample is what fits in about three
# minutes on two cores, the copy's build included (HACKING.md has the full run).
echo "=== build-mutate: a sample of mutants of the game's code, Debian $DEBIAN_RELEASE ==="
python3 "$root/tools/mutation/mutate.py" --sample 16 --skip-baseline ||
  { echo "FAILED: a mutant survived on Debian $DEBIAN_RELEASE (above: its file, line and change)" >&2; exit 1; }

# The rest runs on Debian 12, with its classic SDL 1.2: the browser's run, the sanitizer and
# fuzz builds, and the arm64 build, as Raspberry Pi OS 12 has it. Debian 13's run is the longer one already (two
# stacks and Wayland), and CI runs both releases.
if [ "$DEBIAN_RELEASE" != bookworm ]; then
  echo "Debian $DEBIAN_RELEASE: every test of this release passed"
  exit 0
fi

# The real-window tests in headless Chromium against the web folder, which Debian 12's
# Emscripten builds; a few minutes.
bash "$root/scripts/test-web.sh" "$root/build"

build_suite "$root/build-sanitize" -DNOUGHTS_SANITIZE=ON -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=OFF \
  -DNOUGHTS_E2E_WINDOWS_ZIP=
run_suite "$root/build-sanitize"
CXX=clang++ build_suite "$root/build-fuzz" -DNOUGHTS_FUZZ=ON -DNOUGHTS_SANITIZE=ON \
  -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_BUILD_TESTS=OFF
run_suite "$root/build-fuzz"
# The mutants that tools/mutation/equivalent.txt lists as caught by another build must be
# caught there. A fixed sample: those the fuzz build catches, each built in a copy of the
# tree in a clang fuzz build of its own (build-mutate-fuzz/) and run on the corpus, about a
# minute; whoever changes the list runs the check of every build (HACKING.md).
echo "=== build-mutate-fuzz: the listed mutants that the fuzz build catches ==="
python3 "$root/tools/mutation/mutate.py" --elsewhere --builds fuzz ||
  { echo "FAILED: a mutant listed as caught by the fuzz build was not (above)" >&2; exit 1; }
bash "$root/scripts/test-arm64.sh"
