#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Frames per second of the play screen while idle on the board, in a real X window.
#
#   tools/frame-rate.sh [BUILD_DIR] [SECONDS]
#
# BUILD_DIR (default ./build) is an ordinary build with the tests and the benchmarks
# (needs Google Benchmark); SECONDS (default 3) is how long each figure is measured.
#
# Method: the real-window driver (tests/e2e/noughts_window) starts a private Xvfb server,
# and in it the frame benchmark's window mode starts the real engine under SDL's X11
# driver, opens the board with Space on the intro and on the menu (the keys a player
# presses), and runs frames back to back exactly as the game's loop does, counting them
# for SECONDS; then it does the same for the same picture drawn with SDL_FillRect and
# SDL_BlitSurface. Counting inside the process needs no tracing tool that would slow the
# frames it counts.
set -euo pipefail

build_dir=${1:-./build}
seconds=${2:-3}

die() { echo "frame-rate.sh: $*" >&2; exit 1; }

bench=$build_dir/bench/noughts_frame_bench
driver=$build_dir/tests/e2e/noughts_window
[[ -x $bench ]] || die "no program at $bench: build with Google Benchmark installed (libbenchmark-dev)"
[[ -x $driver ]] || die "no program at $driver: build with the tests"

"$driver" run env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$bench" --window-seconds="$seconds"
