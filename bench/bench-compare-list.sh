#!/usr/bin/env bash
# The comparison list with a million rows: show, scroll and sort every column
# (offscreen), each timed and given as a ratio to a plain sort of the names in the
# same run, and whether every sort stayed under a second.
set -euo pipefail
cli=${QUORVEX_CLI:-build/quorvex-cli}
build=$(dirname "$cli")
bench=$build/bench-compare-list
[ -x "$bench" ] || cmake --build "$build" --target bench-compare-list >/dev/null
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$bench" "${ROWS:-1000000}"
