#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the files git tracks that match the patterns given, one a line, for the gates.
# Fails instead of printing nothing when git is missing, the tree is not git's, or no file
# matches: a gate that was given no file to check must not report success.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -- "$@")
[ -n "$files" ] || { echo "No file tracked by git matches: $*" >&2; exit 1; }
printf '%s\n' "$files"
