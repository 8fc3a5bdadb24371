#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming the files, if any C++ file in the tree differs from what clang-format
# makes of it under .clang-format. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed" >&2; exit 1; }
# An assignment, not a pipe, so that a failure to list the files ends the gate.
files=$(bash scripts/tracked-files.sh '*.cpp' '*.h')

unformatted=()
while IFS= read -r file; do
  if ! clang-format --style=file "$file" | cmp -s - "$file"; then
    unformatted+=("$file")
  fi
done <<<"$files"

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted by .clang-format: ${unformatted[*]}" >&2
  exit 1
fi
echo "clang-format: all $(wc -l <<<"$files") C++ files are formatted"
