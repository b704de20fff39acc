#!/usr/bin/env bash
# Empty-item search (quorvex-cli empty) over the EMPTY corpus, timed beside
# `find DIR -empty` in the same hyperfine run; prints the ratio of the medians.
# The corpus is built with make-corpora.py when it is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
RUNS=${RUNS:-10}
cli=${QUORVEX_CLI:-build/quorvex-cli}
[ -x "$cli" ] || cli=$(dirname "$cli")/src/cli/quorvex-cli
[ -x "$cli" ] || { echo "bench-empty: no quorvex-cli at $cli" >&2; exit 1; }

corpus=$(bash "$here/corpus.sh" empty)

# Same finds as find -empty: every zero-size file and every empty leaf folder.
truth() { awk -v k="$1" '$1 == k { print $2 }' "$BENCH/empty.truth"; }
expected=$(($(truth zero_size_files) + $(truth empty_leaf_folders)))
counted=$("$cli" empty "$corpus" | awk -F'\t' '$1 == "#count" { print $2 + 0 }')
found=$(find "$corpus" -empty | wc -l)
echo "records: quorvex-cli $counted, find -empty $found, expected $expected"
[ "$counted" -eq "$expected" ] || { echo "bench-empty: wrong record count" >&2; exit 1; }

result=$(mktemp --suffix=.json)
trap 'rm -f "$result"' EXIT
hyperfine --warmup 1 --runs "$RUNS" --export-json "$result" \
    -n "find -empty" "find $corpus -empty" \
    -n "quorvex-cli empty" "$cli empty $corpus"
jq -r '(.results | map({(.command): .median}) | add) as $m
       | "ratio quorvex-cli empty / find -empty (median): \($m["quorvex-cli empty"] / $m["find -empty"] * 1000 | round / 1000)"' "$result"
