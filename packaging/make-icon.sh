#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the desktop icon at each hicolor size, packaging/icons/<N>x<N>/noughts.png: the
# board of the intro picture (a grid, two noughts, two amber crosses) on the navy ground
# with rounded corners.
#
#   bash packaging/make-icon.sh
#
# The PNGs it writes are committed, so building and packaging need no image tool; run
# this again only after changing the emblem or the palette. It draws the emblem once as
# shapes at 1024 pixels and scales that down, so every size is sharp; the output carries
# no time stamps, so the same tools give the same bytes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../assets/palette.sh"
sizes=(48 64 128 256)

if ! command -v convert >/dev/null 2>&1; then
    echo "make-icon.sh: ImageMagick's 'convert' is missing; install it with:" >&2
    echo "    apt-get install imagemagick" >&2
    exit 1
fi

# The intro's emblem in its own units: 30-unit cells, lines 3 units wide, marks 10 units
# from a cell's centre; 10 units of ground around the board keep the grid off the edge.
unit=8
at() { echo $(($1 * unit)); }
side=$(at 110)
board() { at $((10 + $1)); }

master=$(mktemp --suffix=.png)
trap 'rm -f "$master"' EXIT

nought() { # centre column and row of the cell
    local x y
    x=$(board $((30 * $1 + 15))) y=$(board $((30 * $2 + 15)))
    echo "circle $x,$y $x,$((y - $(at 10)))"
}
cross() {
    local x0 y0 x1 y1
    x0=$(board $((30 * $1 + 6))) y0=$(board $((30 * $2 + 6)))
    x1=$(board $((30 * $1 + 24))) y1=$(board $((30 * $2 + 24)))
    echo "line $x0,$y0 $x1,$y1 line $x1,$y0 $x0,$y1"
}
grid=""
for i in 1 2; do
    grid+="line $(board $((30 * i))),$(board 0) $(board $((30 * i))),$(board 90) "
    grid+="line $(board 0),$(board $((30 * i))) $(board 90),$(board $((30 * i))) "
done

convert -size "${side}x${side}" xc:none \
    -fill "$ground" -draw "roundrectangle 0,0 $((side - 1)),$((side - 1)) $(at 17),$(at 17)" \
    -fill none -stroke "$ink" -strokewidth "$(at 3)" -draw "$grid" \
    -draw "$(nought 0 0)" -draw "$(nought 1 1)" \
    -stroke "$accent" -draw "$(cross 2 0) $(cross 0 2)" \
    "PNG32:$master"

for size in "${sizes[@]}"; do
    out=$here/icons/${size}x${size}/noughts.png
    mkdir -p "$(dirname "$out")"
    convert "$master" -filter Lanczos -resize "${size}x${size}" \
        -strip -define png:exclude-chunks=date,time "PNG32:$out.tmp"
    mv -f "$out.tmp" "$out"
done
echo "make-icon.sh: wrote icons/{$(IFS=,; echo "${sizes[*]}")} into $here"
