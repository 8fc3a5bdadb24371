#!/usr/bin/env bash
# Frames per second of the play screen while idle on the board, in a real X window.
#
#   tools/frame-rate.sh [BUILD_DIR] [SECONDS]
#
# BUILD_DIR (default ./build) is an ordinary build with the benchmarks (needs Google
# Benchmark); SECONDS (default 3) is how long each figure is measured.
#
# Method: a private Xvfb server, and the frame benchmark's window mode, which starts the
# real engine under SDL's X11 driver, opens the board with Space on the intro and on the
# menu (the keys a player presses), and runs frames back to back exactly as the game's
# loop does, counting them for SECONDS; then it does the same for the same picture drawn
# with SDL_FillRect and SDL_BlitSurface. Counting inside the process needs no tracing
# tool that would slow the frames it counts.
set -euo pipefail

build_dir=${1:-./build}
seconds=${2:-3}

say() { echo "frame-rate.sh: $*" >&2; }
die() { say "$*"; exit 1; }

command -v Xvfb >/dev/null 2>&1 || die "'Xvfb' is missing; install it with: apt-get install xvfb"
bench=$build_dir/bench/noughts_frame_bench
[[ -x $bench ]] || die "no program at $bench: build with Google Benchmark installed (libbenchmark-dev)"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and reports its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[[ -s $work/display ]] || die "Xvfb reported no display number"

DISPLAY=":$(head -n 1 "$work/display")" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    "$bench" --window-seconds="$seconds"
