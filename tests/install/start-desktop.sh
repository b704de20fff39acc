#!/usr/bin/env bash
# Under a display: starts the desktop program under strace (its file opens go to
# TRACE, its output to TRACE.log), opens the help window from the help button, then
# closes the program with its 終了 button. Fails when a window does not appear or
# the program does not end well.
#
#   start-desktop.sh PROGRAM TRACE
set -uo pipefail
program=$1
trace=$2

strace -f -qq -e trace=openat -o "$trace" "$program" >"$trace.log" 2>&1 &
tracer=$!
window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }
stop() { # the program, then its tracer
    pkill -P "$tracer" 2>/dev/null
    kill "$tracer" 2>/dev/null
    wait "$tracer"
}

main=$(window '^Quorvex$')
if [ -z "$main" ]; then
    echo "no main window" >&2
    stop
    exit 1
fi
# The help button sits at the right end of the top bar.
xdotool mousemove --window "$main" 774 17 click 1
help=$(window '^Help$')
[ -n "$help" ] || echo "no help window" >&2
sleep 1 # the document loads after the window shows
# The help window stays on top of the main window; without a window manager it
# is moved aside by hand, so that 終了 (at the left of the top bar) can be clicked.
[ -n "$help" ] && xdotool windowmove "$help" 2000 0
xdotool mousemove --window "$main" 121 16 click 1
for _ in $(seq 300); do
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$tracer" 2>/dev/null; then
    echo "still running after 終了" >&2
    stop
    exit 1
fi
wait "$tracer"
status=$?
[ $status -eq 0 ] || { echo "the program ended with status $status:" >&2; cat "$trace.log" >&2; }
[ -n "$help" ] && [ $status -eq 0 ]
