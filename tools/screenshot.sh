#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's pictures from the real game window under a private Xvfb server.
#
#   tools/screenshot.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR (default ./build) is a build with the tests, whose real-window driver
# (tests/e2e/noughts_window) plays the game built there to a planned win with real input;
# OUT_DIR (default docs/ of this repository) receives intro.png, menu.png, playing.png and
# finished.png, converted from its captures by ImageMagick.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${1:-./build}
out_dir=${2:-$here/../docs}

die() { echo "screenshot.sh: $*" >&2; exit 1; }

command -v convert >/dev/null 2>&1 || die "'convert' is missing; install it with: apt-get install imagemagick"
driver=$build_dir/tests/e2e/noughts_window
[[ -x $driver ]] || die "no program at $driver: build with the tests first"
mkdir -p "$out_dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$driver" pictures "$work"
for name in intro menu playing finished; do
    convert "$work/$name.bmp" -strip "$out_dir/$name.png"
    echo "screenshot.sh: wrote $out_dir/$name.png" >&2
done
