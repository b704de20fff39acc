#!/usr/bin/env bash
# Prints the folder holding the CMP and BIG corpora, building them when missing:
# $BENCH when it has them, else the shared benchmark folder /tmp/bench, else a new
# build under $BENCH with the reference harness (QUORVEX_MAKE_CORPORA).
set -euo pipefail
bench=${BENCH:-/tmp/quorvex-bench}
have() { [ -d "$1/cmp/A" ] && [ -d "$1/cmp/B" ] && [ -s "$1/big/A/f.bin" ] && [ -s "$1/big/same/f.bin" ]; }
for candidate in "$bench" /tmp/bench; do
    if have "$candidate"; then
        echo "$candidate"
        exit 0
    fi
done
maker=${QUORVEX_MAKE_CORPORA:-/work/shared/bench/make_corpora.sh}
[ -x "$maker" ] || [ -f "$maker" ] || { echo "no corpora and no corpus builder at $maker" >&2; exit 1; }
BENCH=$bench bash "$maker" cmp big >&2
echo "$bench"
