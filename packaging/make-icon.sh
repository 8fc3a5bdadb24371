#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the desktop icon at each hicolor size, packaging/icons/<N>x<N>/noughts.png: the
# board of the intro picture (a grid, two noughts, two amber crosses) on the navy ground
# with rounded corners. The same emblem makes the web page's icons in web/page/: the
# rounded one at 192 and 512 pixels; for launchers that cut their own shape out of a
# square, a square ground with the board inside the middle 80% circle (maskable, 512);
# and for iOS, which rounds the corners itself and shows transparency black, a square
# ground with a narrower margin (apple-touch-icon, 180).
#
#   bash packaging/make-icon.sh
#
# The PNGs it writes are committed, so building and packaging need no image tool; run
# this again only after changing the emblem or the palette. It draws each emblem as
# shapes at 8 pixels a unit and scales that down, so every size is sharp; the output carries
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
# from a cell's centre; the margin of ground around the board keeps the grid off the edge.
unit=8
at() { echo $(($1 * unit)); }
board() { at $((margin + $1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
# emblem OUT MARGIN CORNER: the board with MARGIN units of ground around it, the ground's
# corners rounded by CORNER units (0: square and opaque to the edge).
emblem() {
    margin=$2
    local side grid="" i ground_shape
    side=$(at $((90 + 2 * margin)))
    for i in 1 2; do
        grid+="line $(board $((30 * i))),$(board 0) $(board $((30 * i))),$(board 90) "
        grid+="line $(board 0),$(board $((30 * i))) $(board 90),$(board $((30 * i))) "
    done
    if [ "$3" -gt 0 ]; then
        ground_shape="roundrectangle 0,0 $((side - 1)),$((side - 1)) $(at "$3"),$(at "$3")"
    else
        ground_shape="rectangle 0,0 $((side - 1)),$((side - 1))"
    fi
    convert -size "${side}x${side}" xc:none \
        -fill "$ground" -draw "$ground_shape" \
        -fill none -stroke "$ink" -strokewidth "$(at 3)" -draw "$grid" \
        -draw "$(nought 0 0)" -draw "$(nought 1 1)" \
        -stroke "$accent" -draw "$(cross 2 0) $(cross 0 2)" \
        "PNG32:$1"
}

# scaled MASTER SIZE OUT
scaled() {
    mkdir -p "$(dirname "$3")"
    convert "$1" -filter Lanczos -resize "$2x$2" \
        -strip -define png:exclude-chunks=date,time "PNG32:$3.tmp"
    mv -f "$3.tmp" "$3"
}

# Every launcher's mask keeps the middle circle of 0.8 times the side; the maskable icon's
# whole board, 90 units square, lies inside it: 90 * sqrt(2) / 0.8 = 159 units, so 35 of
# margin.
emblem "$work/rounded.png" 10 17
emblem "$work/maskable.png" 35 0
emblem "$work/touch.png" 20 0

for size in "${sizes[@]}"; do
    scaled "$work/rounded.png" "$size" "$here/icons/${size}x${size}/noughts.png"
done
page=$here/../web/page
scaled "$work/rounded.png" 192 "$page/noughts-192.png"
scaled "$work/rounded.png" 512 "$page/noughts-512.png"
scaled "$work/maskable.png" 512 "$page/noughts-maskable-512.png"
scaled "$work/touch.png" 180 "$page/apple-touch-icon.png"
echo "make-icon.sh: wrote icons/{$(IFS=,; echo "${sizes[*]}")} into $here and the page's four into web/page"
