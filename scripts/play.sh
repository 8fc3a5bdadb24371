#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"

"$root/scripts/install-packages.sh" "${PLAY_PACKAGES[@]}"
cmake -S "$root" -B "$root/build" -DNOUGHTS_BUILD_TESTS=OFF -DNOUGHTS_BUILD_BENCHMARKS=OFF
cmake --build "$root/build" --target noughts -j"$(nproc)"

# The game reads its pictures from the working directory; the build puts them beside it.
cd "$root/build"
exec ./noughts "$@"
