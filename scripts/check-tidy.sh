#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The lint gate: clang-tidy under .clang-tidy over every source file of the game, with the
# compile commands of a configured build folder (nothing needs to be built). Fails on any
# finding; .clang-tidy lists the checks and why some are off.
# Usage: scripts/check-tidy.sh BUILD_DIR...
# Each build folder lints the files it compiles: a desktop build the game's, the web build
# (build-web/game, made by scripts/build-web.sh, configured with Emscripten's toolchain)
# the files only it compiles (web/, engine/EndFrameBrowser.cpp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ $# -gt 0 ] || { echo "usage: check-tidy.sh BUILD_DIR..." >&2; exit 1; }
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed" >&2; exit 1; }

# One clang-tidy per file, as many at once as there are cores; xargs fails if any does.
# Their count of warnings in SDL's and the library's headers, which are not checked, is left out.
tidy() {
  xargs -P "$(nproc)" -n 1 clang-tidy --quiet "$@" 2>&1 | { grep -v ' warnings\? generated\.$' || true; }
}

for folder in "$@"; do
  build=$(cd "$folder" && pwd)
  [ -f "$build/compile_commands.json" ] || { echo "No compile_commands.json in $build" >&2; exit 1; }
  # An assignment, not a pipe, so that a failure to list the files ends the gate.
  if grep -q '^CMAKE_TOOLCHAIN_FILE:.*Emscripten' "$build/CMakeCache.txt"; then
    files=$(bash scripts/tracked-files.sh web/'*.cpp' engine/EndFrameBrowser.cpp)
    # em++ finds its target and its C and C++ libraries itself; clang-tidy is told them.
    sysroot=$(NODE_PATH=/usr/share/nodejs em-config CACHE)/sysroot
    tidy -p "$build" --extra-arg=--target=wasm32-unknown-emscripten \
      --extra-arg=--sysroot="$sysroot" --extra-arg=-isystem"$sysroot/include/c++/v1" <<<"$files"
    echo "clang-tidy: no finding in the web build's $(wc -l <<<"$files") source files"
  else
    files=$(bash scripts/tracked-files.sh {engine,draw,board,states}/'*.cpp' ':(exclude)engine/EndFrameBrowser.cpp')
    tidy -p "$build" <<<"$files"
    echo "clang-tidy: no finding in the game's $(wc -l <<<"$files") source files"
  fi
done
