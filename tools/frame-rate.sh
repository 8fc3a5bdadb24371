#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
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

source "$(dirname "${BASH_SOURCE[0]}")/private-xvfb.sh"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_private_xvfb "$work"
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    "$bench" --window-seconds="$seconds"
