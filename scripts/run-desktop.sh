#!/usr/bin/env bash
# Starts the desktop program, or explains in one line what to do without a display
# (and ends without an error: there is nothing wrong with the build).
set -u
exe=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: try the terminal tool ($(dirname "$exe")/quorvex-cli --help), or run the program under Xvfb: xvfb-run -a $exe" >&2
    exit 0
fi
exec "$exe"
