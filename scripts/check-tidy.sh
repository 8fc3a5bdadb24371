#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The lint gate: clang-tidy under .clang-tidy over every source file of the game, with the
# compile commands of a configured build folder (nothing needs to be built). Fails on any
# finding; .clang-tidy lists the checks and why some are off.
# Usage: scripts/check-tidy.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
cd "$root"
[ -f "$build/compile_commands.json" ] || { echo "No compile_commands.json in $build" >&2; exit 1; }
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed" >&2; exit 1; }
# An assignment, not a pipe, so that a failure to list the files ends the gate.
files=$(bash scripts/tracked-files.sh {engine,draw,board,states}/'*.cpp')

# One clang-tidy per file, as many at once as there are cores; xargs fails if any does.
# Their count of warnings in SDL's and the library's headers, which are not checked, is left out.
xargs -P "$(nproc)" -n 1 clang-tidy --quiet -p "$build" <<<"$files" 2>&1 |
  { grep -v ' warnings\? generated\.$' || true; }
echo "clang-tidy: no finding in the game's $(wc -l <<<"$files") source files"
