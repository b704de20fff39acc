#!/usr/bin/env bash
# Under a display: starts the desktop program under strace (its file opens go to
# TRACE), opens the help window from the help button, then closes the program with
# its 終了 button. Fails when a window does not appear or the program exits badly.
#
#   start-desktop.sh PROGRAM TRACE
set -uo pipefail
program=$1
trace=$2

strace -f -qq -e trace=openat -o "$trace" "$program" &
pid=$!
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }

main=$(window '^Quorvex$')
if [ -z "$main" ]; then
    echo "no main window" >&2
    kill "$pid"
    exit 1
fi
# The help button sits at the right end of the top bar, 終了 at the left.
xdotool mousemove --window "$main" 774 17 click 1
help=$(window '^Help$')
[ -n "$help" ] || echo "no help window" >&2
sleep 1 # the help document loads after the window shows
xdotool mousemove --window "$main" 121 16 click 1
for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running after 終了" >&2
    kill "$pid"
fi
wait "$pid"
status=$?
[ -n "$help" ] && [ $status -eq 0 ]
