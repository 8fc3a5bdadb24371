#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test: the ordinary build once on
# each SDL 1.2 of Debian 12 (the classic library it links against, then sdl12-compat,
# the SDL 1.2 API over SDL 2, put first by LD_LIBRARY_PATH), then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, which stop at the first finding. Then
# fuzzes the drawing and the screens for a bounded time in a clang build (libFuzzer is
# clang's), where only the fuzz tests are built and run. The last two use classic SDL.
# The ordinary build's real-window tests also run once against the Windows program of
# the zip that build-windows.sh makes, under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"

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

# The Windows program's tests run once, on their own (below), whatever the library.
run_suite() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs" -LE wine
}

source "$root/scripts/skips.sh"

# The folder of sdl12-compat's libSDL-1.2.so.0, beside the classic one.
compat_dir=$(dirname "$(dpkg -L libsdl1.2-compat | grep '/sdl12-compat/libSDL-1.2\.so\.0$')")

# Runs build's tests on one library: name, then the folder to put first (empty: none).
# Says which file the game really loads, and where and why tests were skipped.
run_suite_on() {
  local build=$1 name=$2 folder=$3
  local path=${LD_LIBRARY_PATH:-}
  [ -z "$folder" ] || path=$folder${path:+:$path}
  echo "=== $(basename "$build") on $name ==="
  local loaded
  loaded=$(LD_LIBRARY_PATH=$path ldd "$build/noughts" | awk '$1 == "libSDL-1.2.so.0" { print $3 }')
  echo "the game loads $loaded"
  # From the folder given, or from anywhere but sdl12-compat's when none is.
  local from
  from=$(dirname "$loaded")
  if { [ -n "$folder" ] && [ "$from" != "$folder" ]; } ||
    { [ -z "$folder" ] && [ "$from" = "$compat_dir" ]; }; then
    echo "FAILED on $name: the game loads the wrong library" >&2
    return 1
  fi
  local status=0
  LD_LIBRARY_PATH=$path run_suite "$build" | tee "$build/ctest-on-$name.log" || status=$?
  list_skips "$build" "on $name" | tee "$build/skipped-on-$name.txt"
  [ "$status" -eq 0 ] || echo "FAILED on $name: see the tests listed above" >&2
  return "$status"
}

# The options are given every time: play.sh shares build/ and turns the tests off there.
build_options=(-DNOUGHTS_SANITIZE=OFF -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=ON)
cmake -S "$root" -B "$root/build" "${build_options[@]}" >/dev/null
bash "$root/scripts/check-tidy.sh" "$root/build"

bash "$root/scripts/build-windows.sh"
windows_zip=$(ls "$root"/build-windows/noughts-*-windows-x86_64.zip)

build_suite "$root/build" "${build_options[@]}" -DNOUGHTS_E2E_WINDOWS_ZIP="$windows_zip"
# Every test can run on the classic library, so none may skip there.
runs_every_test() {
  if [ -s "$root/build/skipped-on-$1.txt" ]; then
    echo "FAILED on $1: tests skipped where every test must run" >&2
    return 1
  fi
}
failed=()
run_suite_on "$root/build" classic-sdl1.2 "" && runs_every_test classic-sdl1.2 ||
  failed+=(classic-sdl1.2)
run_suite_on "$root/build" sdl12-compat "$compat_dir" || failed+=(sdl12-compat)
for name in classic-sdl1.2 sdl12-compat; do
  echo "$name: $(grep -E 'tests passed' "$root/build/ctest-on-$name.log" || echo 'no result')" \
    "($(wc -l < "$root/build/skipped-on-$name.txt") skipped)"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED on: ${failed[*]}" >&2
  exit 1
fi

echo "=== build: the Windows program under Wine ==="
# A click sent under Wine is lost before the board has taken the pointer
# now and then: a test that fails there gets one more try, and ctest says so.
ctest --test-dir "$root/build" --output-on-failure -L wine --repeat until-pass:2
# Wine cannot do all that Linux does.
list_skips "$root/build" "under Wine"

build_suite "$root/build-sanitize" -DNOUGHTS_SANITIZE=ON -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=OFF \
  -DNOUGHTS_E2E_WINDOWS_ZIP=
run_suite "$root/build-sanitize"
CXX=clang++ build_suite "$root/build-fuzz" -DNOUGHTS_FUZZ=ON -DNOUGHTS_SANITIZE=ON \
  -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_BUILD_TESTS=OFF
run_suite "$root/build-fuzz"
