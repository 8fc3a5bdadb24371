# SPDX-License-Identifier: MIT
# Sourced by the tools that need a real window: a private Xvfb server of their own.
#
#   start_private_xvfb WORK_DIR   starts it, sets xvfb_pid and exports DISPLAY
#   stop_process PID              ends a process the tool started, if it still runs
#
# Xvfb picks a free display itself and reports its number once it accepts clients, so
# two runs (or a test suite on another display) never collide. Needs a `die` function.

stop_process() {
    local pid=$1
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
}

start_private_xvfb() {
    local work=$1
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [[ -s $work/display ]] || die "Xvfb reported no display number"
    export DISPLAY=":$(head -n 1 "$work/display")"
}
