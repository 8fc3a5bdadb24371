#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the desktop icon, noughts.png (64x64), from the board drawn on the game's own
# intro picture, cut out on its navy ground and given rounded corners.
#
#   bash packaging/make-icon.sh
#
# The PNG it writes is committed, so building and packaging need no image tool; run this
# again only after the intro picture has changed. The output carries no time stamps, so
# the same picture gives the same bytes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
intro=$here/../assets/intro.bmp
out=$here/noughts.png

if ! command -v convert >/dev/null 2>&1; then
    echo "make-icon.sh: ImageMagick's 'convert' is missing; install it with:" >&2
    echo "    apt-get install imagemagick" >&2
    exit 1
fi

# The intro's board is the 91x91 square at (195, 100); ten pixels of ground around it
# keep the grid off the icon's edge.
size=64
radius=10
convert "$intro" -crop 111x111+185+90 +repage -filter Lanczos -resize ${size}x${size} \
    \( -size ${size}x${size} xc:none -fill white \
       -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $radius,$radius" \) \
    -alpha off -compose CopyOpacity -composite \
    -strip -define png:exclude-chunks=date,time "PNG32:$out.tmp"
mv -f "$out.tmp" "$out"
