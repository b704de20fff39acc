#!/usr/bin/env bash
# Prints the folder of a benchmark corpus (cmp, big, dups, dupsbig, empty, million) under
# $BENCH (default /tmp/quorvex-bench), building it first with make-corpora.py when
# it is missing or was left unfinished. BENCH_SCALE shrinks a corpus that is built.
#
#   dir=$(bash bench/corpus.sh dups)
set -euo pipefail
name=${1:?usage: corpus.sh cmp|big|dups|dupsbig|empty|million}
bench=${BENCH:-/tmp/quorvex-bench}
if [ ! -f "$bench/$name.done" ]; then
    echo "building the $name corpus in $bench" >&2
    python3 "$(dirname "$0")/make-corpora.py" --out "$bench" "$name" >&2
fi
echo "$bench/$name"
