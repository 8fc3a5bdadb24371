#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build lets each layer find only the headers of the layers it links (cmake/Layers.cmake),
# as long as headers are named by folder, "draw/Draw.h". A path relative to the including
# file ("../states/CIntroState.h", "Bitmap.h") would walk around that: fails, naming the
# lines, if any of the game's sources includes one of the game's headers otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

quoted=$(git ls-files 'engine/*' 'draw/*' 'board/*' 'states/*' | grep -E '\.(cpp|h)$' |
  xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' || true)
wrong=$(grep -vE '#[[:space:]]*include[[:space:]]*"(engine|draw|board|states)/[A-Za-z0-9_]+\.h"' \
  <<<"$quoted" || true)
if [ -n "$wrong" ]; then
  echo "Include the game's headers by folder, as \"draw/Draw.h\":" >&2
  echo "$wrong" >&2
  exit 1
fi
echo "layers: every include of the game's headers names its folder"
