#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test twice: once in an ordinary
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer, which stop at the
# first finding. Then fuzzes the drawing and the screens for a bounded time in a clang
# build (libFuzzer is clang's), where only the fuzz tests are built and run.
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
}

# The options are given every time: play.sh shares build/ and turns the tests off there.
build_options=(-DNOUGHTS_SANITIZE=OFF -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=ON)
cmake -S "$root" -B "$root/build" "${build_options[@]}" >/dev/null
bash "$root/scripts/check-tidy.sh" "$root/build"

run_suite "$root/build" "${build_options[@]}"
run_suite "$root/build-sanitize" -DNOUGHTS_SANITIZE=ON -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=OFF
CXX=clang++ run_suite "$root/build-fuzz" -DNOUGHTS_FUZZ=ON -DNOUGHTS_SANITIZE=ON \
  -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_BUILD_TESTS=OFF
