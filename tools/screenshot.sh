#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's pictures from the real game window under a private Xvfb display.
#
#   tools/screenshot.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR (default ./build) holds the built program `noughts` and its pictures; the
# game runs with it as working directory. OUT_DIR (default docs/ of this repository)
# receives intro.png, menu.png, playing.png and finished.png.
#
# Input goes through xdotool's XTEST events, the same path as a real mouse and keyboard:
# events sent to a window directly are marked synthetic and SDL may drop them.
# The computer plays at random, so the script reads the board off the screen before
# every move and plays on until an outcome label follows the mouse.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${1:-./build}
out_dir=${2:-$here/../docs}

say() { echo "screenshot.sh: $*" >&2; }
die() { say "$*"; exit 1; }

for tool in Xvfb xdotool import convert compare identify; do
    command -v "$tool" >/dev/null 2>&1 ||
        die "'$tool' is missing; install it with: apt-get install xvfb xdotool imagemagick"
done
[[ -x $build_dir/noughts ]] || die "no program at $build_dir/noughts: build the game first"
build_dir=$(cd "$build_dir" && pwd)
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)

source "$here/private-xvfb.sh"
work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    stop_process "$game_pid"
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_private_xvfb "$work"

(cd "$build_dir" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ./noughts) \
    >"$work/game.out" 2>"$work/game.err" &
game_pid=$!

game_alive() { kill -0 "$game_pid" 2>/dev/null; }
game_log() { echo "--- standard output:"; cat "$work/game.out"; echo "--- standard error:"; cat "$work/game.err"; }

# SDL 1.2 may create a frame window and a drawing window; the 480x272 one is the game.
window=
for candidate in $(timeout 10 xdotool search --sync --pid "$game_pid" 2>/dev/null || true); do
    if xdotool getwindowgeometry "$candidate" 2>/dev/null | grep -q 'Geometry: 480x272'; then
        window=$candidate
        break
    fi
done
[[ -n $window ]] || die "the game's 480x272 window did not appear on $DISPLAY
$(game_log)"
eval "$(xdotool getwindowgeometry --shell "$window")"
window_x=$X window_y=$Y

capture() { import -window "$window" "png:$1"; }
signature() { identify -format '%#' "$1"; }

# Captures until two successive frames agree, so that a picture is never taken halfway
# through a change. Leaves the frame in $work/frame.png and its signature in $frame_sig.
capture_steady() {
    local previous=
    for _ in $(seq 50); do
        game_alive || die "the game ended unexpectedly
$(game_log)"
        capture "$work/frame.png"
        frame_sig=$(signature "$work/frame.png")
        [[ $frame_sig == "$previous" ]] && return 0
        previous=$frame_sig
        sleep 0.1
    done
    die "the window never settled"
}

# Waits until the steady picture differs from the one with signature $1.
wait_for_change() {
    for _ in $(seq 50); do
        capture_steady
        [[ $frame_sig != "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}

# The screen's colour at (X, Y) of the last frame as "R,G,B" in 0..255.
pixel() {
    local at="p{$1,$2}"
    convert "$work/frame.png" -format \
        "%[fx:int(255*$at.r+0.5)],%[fx:int(255*$at.g+0.5)],%[fx:int(255*$at.b+0.5)]" info:
}

# Number of pixels that differ between a WxH+X+Y region of the last frame and of PICTURE.
differing_pixels() {
    local region=$1 picture=$2 picture_region=$3
    convert "$work/frame.png" -crop "$region" +repage "$work/a.png"
    convert "$picture" -crop "$picture_region" +repage "$work/b.png"
    compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}

keep() {
    convert "$work/frame.png" -strip "$out_dir/$1"
    say "wrote $out_dir/$1"
}

press() { xdotool key "$1"; }
# Moves the real pointer to window coordinates (X, Y), with an optional click.
point_at() { xdotool mousemove $((window_x + $1)) $((window_y + $2)) "${@:3}"; }

# Where the cursor sprite rests between moves: in the grey area right of the cells,
# where neither the 90x90 mark sprites nor the 120x40 labels cover a cell.
rest_x=338 rest_y=135

# --- intro, then menu ---------------------------------------------------------------
# No window manager runs here: keys go to the window that holds the focus or the pointer.
xdotool windowfocus --sync "$window" 2>/dev/null || true
point_at "$rest_x" "$rest_y"
for _ in $(seq 50); do
    capture_steady
    [[ $(convert "$work/frame.png" -format '%[fx:mean>0]' info:) == 1 ]] && break
    sleep 0.1
done
keep intro.png
intro_sig=$frame_sig

press space
wait_for_change "$intro_sig" || die "Space on the intro screen changed nothing"
keep menu.png

# --- the board --------------------------------------------------------------------
press space
point_at "$rest_x" "$rest_y"
board_seen=0
for _ in $(seq 30); do
    capture_steady
    # The grey area right of the cells and below the cursor: present only on the board.
    if [[ $(pixel 380 255) == 128,128,128 && $(pixel 300 20) == 128,128,128 ]]; then
        board_seen=1
        break
    fi
    sleep 0.2
done
if ((board_seen == 0)); then
    say "the play screen never showed the board (grey area right of the cells);"
    say "skipping playing.png and finished.png"
    press Escape; sleep 0.3; press Escape; sleep 0.3; press Escape
    exit 0
fi

# The board's Init warps the pointer to the middle of the window, possibly after the
# move above: move again so that the cursor rests beside the cells before reading them.
point_at $((rest_x + 1)) "$rest_y"
point_at "$rest_x" "$rest_y"
capture_steady

empty_cell=$build_dir/NULL.bmp
[[ $(identify -format '%wx%h' "$empty_cell") == 90x90 ]] ||
    die "$empty_cell is not 90x90: the board would not line up with the 90-pixel cells"

# Reads the nine cells into cells[i*3+j]: '.' empty, 'O' human, 'X' computer. An empty
# cell still shows the inside of NULL.bmp (the game only frames its outer pixels); a
# circle cell is black in the middle; anything else is a cross over the empty picture.
declare -a cells
read_board() {
    local i j
    for i in 0 1 2; do
        for j in 0 1 2; do
            if [[ $(differing_pixels "86x86+$((90 * i + 2))+$((90 * j + 2))" "$empty_cell" 86x86+2+2) == 0 ]]; then
                cells[i * 3 + j]=.
            elif [[ $(pixel $((90 * i + 45)) $((90 * j + 45))) == 0,0,0 ]]; then
                cells[i * 3 + j]=O
            else
                cells[i * 3 + j]=X
            fi
        done
    done
}

# Prints the outcome label centred on the resting cursor, if one shows.
read_outcome() {
    local label
    for label in win1 win2 DRAW; do
        if [[ $(differing_pixels "120x40+$((rest_x - 60))+$((rest_y - 20))" "$build_dir/$label.bmp" 120x40+0+0) == 0 ]]; then
            echo "$label"
            return
        fi
    done
}

lines=(0,1,2 3,4,5 6,7,8 0,3,6 1,4,7 2,5,8 0,4,8 2,4,6)
# The free cell that completes a line of MARK, if any.
completing_cell() {
    local line a b c
    for line in "${lines[@]}"; do
        IFS=, read -r a b c <<<"$line"
        local marks="${cells[a]}${cells[b]}${cells[c]}"
        case $marks in
            "$1$1.") echo "$c"; return ;;
            "$1.$1") echo "$b"; return ;;
            ".$1$1") echo "$a"; return ;;
        esac
    done
}
# The human's choice: win, else block, else centre, corners, edges.
choose_cell() {
    local cell
    cell=$(completing_cell O)
    [[ -z $cell ]] && cell=$(completing_cell X)
    if [[ -z $cell ]]; then
        for cell in 4 0 2 6 8 1 3 5 7; do
            [[ ${cells[cell]} == . ]] && break
        done
    fi
    echo "$cell"
}

read_board
[[ ${cells[*]} == ". . . . . . . . ." ]] || die "the new board is not empty: ${cells[*]}"

moves=0
outcome=
while [[ -z $outcome ]]; do
    ((moves < 9)) || die "no outcome after nine moves; board: ${cells[*]}"
    cell=$(choose_cell)
    before=$frame_sig
    # Click the middle of the cell, then rest the cursor beside the board: that motion is
    # also the event after which a computer win shows its label.
    point_at $((90 * (cell / 3) + 45)) $((90 * (cell % 3) + 45)) click 1
    sleep 0.2
    point_at "$rest_x" "$rest_y"
    wait_for_change "$before" || die "the click on cell $cell changed nothing"
    read_board
    [[ ${cells[cell]} == O ]] || die "the click on cell $cell placed no circle; board: ${cells[*]}"
    moves=$((moves + 1))
    # Two circles and two crosses: never an outcome yet, and the picture of a game on.
    if ((moves == 2)); then
        keep playing.png
    fi
    outcome=$(read_outcome)
done
keep finished.png
case $outcome in
    win1) say "the game ended in a win after $moves moves" ;;
    win2) say "the game ended in a loss after $moves moves" ;;
    DRAW) say "the game ended in a draw" ;;
esac

# --- leave: board -> menu -> intro -> quit ---------------------------------------
press Escape
wait_for_change "$frame_sig" || true
press Escape
sleep 0.3
press Escape
for _ in $(seq 30); do
    game_alive || break
    sleep 0.1
done
if game_alive; then
    say "the game did not quit on Escape; stopping it"
else
    wait "$game_pid" || say "the game exited with status $?"
    game_pid=
fi
