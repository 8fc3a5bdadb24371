#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test twice: once in an ordinary
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer, which stop at the
# first finding. The ordinary build's real-window tests also run against the Windows
# program of the zip that build-windows.sh makes, under Wine. Then fuzzes the drawing and
# the screens for a bounded time in a clang build (libFuzzer is clang's), where only the
# fuzz tests are built and run.
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

run_suite() {
  local build=$1; shift
  echo "=== $(basename "$build") ==="
  cmake -S "$root" -B "$build" "$@"
  cmake --build "$build" -j"$jobs"
  ctest --test-dir "$build" --output-on-failure -j"$jobs"
  # ctest shows no output of a skipped test; GoogleTest puts its reason after "Skipped".
  awk '/^[0-9]+\/[0-9]+ Testing: / { name = $3 } reason { print "skipped " name ": " $0; reason = 0 }
       /: Skipped$/ { reason = 1 }' "$build/Testing/Temporary/LastTest.log"
}

# The options are given every time: play.sh shares build/ and turns the tests off there.
build_options=(-DNOUGHTS_SANITIZE=OFF -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=ON)
cmake -S "$root" -B "$root/build" "${build_options[@]}" >/dev/null
bash "$root/scripts/check-tidy.sh" "$root/build"

bash "$root/scripts/build-windows.sh"
windows_zip=$(ls "$root"/build-windows/noughts-*-windows-x86_64.zip)

run_suite "$root/build" "${build_options[@]}" -DNOUGHTS_E2E_WINDOWS_ZIP="$windows_zip"
run_suite "$root/build-sanitize" -DNOUGHTS_SANITIZE=ON -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=OFF \
  -DNOUGHTS_E2E_WINDOWS_ZIP=
CXX=clang++ run_suite "$root/build-fuzz" -DNOUGHTS_FUZZ=ON -DNOUGHTS_SANITIZE=ON \
  -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_BUILD_TESTS=OFF
