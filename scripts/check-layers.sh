#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build lets each layer find only the headers of the layers it links (cmake/Layers.cmake),
# as long as headers are named by folder, "draw/Draw.h". A path relative to the including
# file ("../states/CIntroState.h", "Bitmap.h") would walk around that: fails, naming the
# lines, if any of the game's sources includes one of the game's headers otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
# An assignment, not a pipe, so that a failure to list the files ends the gate. SDL's
# build settings for the browser (web/sdl12/) are SDL's header, not the game's.
files=$(bash scripts/tracked-files.sh {engine,draw,board,states,web}/'*.cpp' {engine,draw,board,states,web}/'*.h' \
  ':(exclude)web/sdl12/*')
mapfile -t files <<<"$files"

# grep's status 1 is "no line found"; 2, a file it could not read, fails the gate.
quoted=$(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' -- "${files[@]}") ||
  [ $? -eq 1 ]
wrong=$(grep -vE '#[[:space:]]*include[[:space:]]*"(engine|draw|board|states|web)/[A-Za-z0-9_]+\.h"' \
  <<<"$quoted") || [ $? -eq 1 ]
if [ -n "$wrong" ]; then
  echo "Include the game's headers by folder, as \"draw/Draw.h\":" >&2
  echo "$wrong" >&2
  exit 1
fi
echo "layers: every include of the game's headers in ${#files[@]} files names its folder"
