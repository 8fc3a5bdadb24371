#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the game's seven pictures into this folder with ImageMagick and the DejaVu fonts.
#
#   bash assets/make-assets.sh
#
# The BMPs it writes are committed, so building the game needs no image tool; run this
# again only after changing a picture here. The same tools give the same bytes on every
# run, so an unchanged script leaves the committed files unchanged.
#
# Every file is written as a plain 24-bit BMP (BMP3, no alpha, no colour-space header),
# the kind SDL 1.2's loader reads everywhere.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
font_dir=/usr/share/fonts/truetype/dejavu
bold_font=$font_dir/DejaVuSans-Bold.ttf
body_font=$font_dir/DejaVuSans.ttf

if ! command -v convert >/dev/null 2>&1; then
    echo "make-assets.sh: ImageMagick's 'convert' is missing; install it with:" >&2
    echo "    apt-get install imagemagick fonts-dejavu-core" >&2
    exit 1
fi
for font in "$bold_font" "$body_font"; do
    if [[ ! -f $font ]]; then
        echo "make-assets.sh: font $font is missing; install it with:" >&2
        echo "    apt-get install fonts-dejavu-core" >&2
        exit 1
    fi
done

# One palette for every picture and the icon.
source "$here/palette.sh"

# Writes one picture. ImageMagick would store few-colour images as palette BMPs, and
# with an alpha channel as BMP4/5 headers; TrueColor plus BMP3 rules both out.
write_bmp() {
    local name=$1
    shift
    convert "$@" -alpha off -type TrueColor -depth 8 +profile '*' "BMP3:$here/$name.tmp"
    mv -f "$here/$name.tmp" "$here/$name"
}

# Adds a key cap: a rounded amber outline WIDTH wide at (X, Y) with LABEL centred in it.
# Appends ImageMagick arguments to the array named by the first parameter.
key_cap() {
    local -n args=$1
    local x=$2 y=$3 width=$4 label=$5
    local height=26
    args+=( \( -size "${width}x${height}" xc:none
               -fill "$panel" -stroke "$accent" -strokewidth 2
               -draw "roundrectangle 1,1 $((width - 2)),$((height - 2)) 6,6"
               -stroke none -fill "$accent" -font "$bold_font" -pointsize 13
               -gravity center -annotate +0+0 "$label" \)
            -gravity northwest -geometry "+$x+$y" -composite )
}

# Adds one line of text with its top-left near (X, Y).
text_at() {
    local -n args=$1
    local x=$2 y=$3 size=$4 colour=$5 font=$6 words=$7
    args+=( -gravity northwest -font "$font" -pointsize "$size" -fill "$colour"
            -stroke none -annotate "+$x+$y" "$words" )
}

# Adds a heading centred across the screen, with an amber rule under it.
heading() {
    local -n args=$1
    local y=$2 size=$3 words=$4
    args+=( -gravity north -font "$bold_font" -pointsize "$size" -fill "$accent"
            -stroke none -annotate "+0+$y" "$words"
            -gravity northwest -fill "$accent" -draw "rectangle 40,$((y + size + 14)) 439,$((y + size + 15))" )
}

# The common frame of the three full screens: navy ground with a thin inset border.
screen_base() {
    local -n args=$1
    args=( -size 480x272 "xc:$ground"
           -fill none -stroke "$rule" -strokewidth 2 -draw "rectangle 6,6 473,265" -stroke none )
}

# intro.bmp: the name, a small board as a picture, how to start and quit.
intro=()
screen_base intro
intro+=( -gravity north -font "$bold_font" -pointsize 36 -fill "$ink" -stroke none
         -annotate +0+22 "Noughts & Crosses" )
intro+=( -gravity north -font "$body_font" -pointsize 14 -fill "$muted"
         -annotate +0+70 "three in a row against the computer" )
# A 3x3 emblem: white grid, one white O and one amber X.
emblem_left=195 emblem_top=100 emblem_cell=30
intro+=( -gravity northwest -fill none -stroke "$ink" -strokewidth 3 -draw
         "line $((emblem_left + emblem_cell)),$emblem_top $((emblem_left + emblem_cell)),$((emblem_top + 3 * emblem_cell))
          line $((emblem_left + 2 * emblem_cell)),$emblem_top $((emblem_left + 2 * emblem_cell)),$((emblem_top + 3 * emblem_cell))
          line $emblem_left,$((emblem_top + emblem_cell)) $((emblem_left + 3 * emblem_cell)),$((emblem_top + emblem_cell))
          line $emblem_left,$((emblem_top + 2 * emblem_cell)) $((emblem_left + 3 * emblem_cell)),$((emblem_top + 2 * emblem_cell))"
         -draw "circle $((emblem_left + 15)),$((emblem_top + 15)) $((emblem_left + 15)),$((emblem_top + 5))"
         -draw "circle $((emblem_left + 45)),$((emblem_top + 45)) $((emblem_left + 45)),$((emblem_top + 35))"
         -stroke "$accent"
         -draw "line $((emblem_left + 66)),$((emblem_top + 6)) $((emblem_left + 84)),$((emblem_top + 24))
                line $((emblem_left + 84)),$((emblem_top + 6)) $((emblem_left + 66)),$((emblem_top + 24))"
         -draw "line $((emblem_left + 6)),$((emblem_top + 66)) $((emblem_left + 24)),$((emblem_top + 84))
                line $((emblem_left + 24)),$((emblem_top + 66)) $((emblem_left + 6)),$((emblem_top + 84))"
         -stroke none )
key_cap intro 90 204 80 "Space"
text_at intro 180 208 14 "$ink" "$body_font" "start"
text_at intro 270 209 13 "$muted" "$body_font" "joystick button 9: start"
key_cap intro 90 234 80 "Escape"
text_at intro 180 238 14 "$ink" "$body_font" "quit"
text_at intro 270 239 13 "$muted" "$body_font" "joystick button 8: quit"
write_bmp intro.bmp "${intro[@]}"

# menu.bmp: the rules, then how to go on and back.
menu=()
screen_base menu
heading menu 18 24 "How to play"
text_at menu 40 76 15 "$ink" "$body_font" "Click an empty cell with the left mouse button"
text_at menu 40 96 15 "$ink" "$body_font" "to place your O."
text_at menu 40 124 15 "$ink" "$body_font" "The computer answers at once with an X."
text_at menu 40 152 15 "$ink" "$body_font" "Three in a row – across, down or diagonal – wins."
key_cap menu 40 200 80 "Space"
text_at menu 130 204 14 "$ink" "$body_font" "play"
key_cap menu 40 232 80 "Escape"
text_at menu 130 236 14 "$ink" "$body_font" "back to the title"
text_at menu 290 205 13 "$muted" "$body_font" "joystick button 9: play"
text_at menu 290 237 13 "$muted" "$body_font" "joystick button 8: back"
write_bmp menu.bmp "${menu[@]}"

# item.bmp: every control of the board in one table.
item=()
screen_base item
heading item 14 22 "Controls"
row=60
for entry in "Mouse|move the cursor" \
             "Left click|place your mark in a cell" \
             "Wheel|shrink or grow the board drawing" \
             "i|open this page"; do
    key_cap item 40 "$row" 110 "${entry%%|*}"
    text_at item 166 $((row + 4)) 15 "$ink" "$body_font" "${entry#*|}"
    row=$((row + 32))
done
key_cap item 40 "$row" 110 "Escape"
text_at item 166 $((row + 4)) 15 "$ink" "$body_font" "here: back to the game"
text_at item 166 $((row + 23)) 15 "$ink" "$body_font" "on the board: to the menu, new game"
text_at item 40 243 13 "$muted" "$body_font" "Joystick button 8 or 9 also goes back to the game."
write_bmp item.bmp "${item[@]}"

# NULL.bmp: the empty cell. The game paints a white frame on its outer pixels and draws
# a white cross over a copy of it, so it stays dark and quiet: navy with a faint inset.
write_bmp NULL.bmp -size 90x90 "xc:$ground" \
    -fill "$panel" -stroke "$rule" -strokewidth 1 -draw "roundrectangle 8,8 81,81 8,8"

# The outcome labels follow the mouse over the grey board, so each is a solid panel
# with a border in its own colour.
outcome_label() {
    local name=$1 colour=$2 words=$3
    write_bmp "$name" -size 120x40 "xc:$ground" \
        -fill none -stroke "$colour" -strokewidth 3 -draw "rectangle 1,1 118,38" \
        -stroke none -fill "$colour" -font "$bold_font" -pointsize 20 \
        -gravity center -annotate +0+0 "$words"
}
outcome_label win1.bmp "$win_colour" "You win!"
outcome_label win2.bmp "$lose_colour" "You lose"
outcome_label DRAW.bmp "$accent" "Draw"

echo "make-assets.sh: wrote intro.bmp menu.bmp item.bmp NULL.bmp win1.bmp win2.bmp DRAW.bmp into $here"
