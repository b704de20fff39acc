#!/usr/bin/env bash
# Folder comparison beside its peers, timed in one hyperfine session per job:
#   CMP metadata        quorvex-cli compare        vs rsync -rn --itemize-changes
#   CMP content         quorvex-cli compare --content vs diff -rq
#   BIG identical pair  quorvex-cli compare --content vs cmp (2 x 2 GiB, page cache)
# Prints the median times and the ratios (quorvex / peer; below 1 is faster).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${QUORVEX_CLI:?QUORVEX_CLI must name the quorvex-cli binary}
runs=${RUNS:-5}
cmp=$(bash "$here/corpus.sh" cmp)
big=$(bash "$here/corpus.sh" big)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$out" # nothing is written beside the corpora

A=$cmp/A B=$cmp/B
bench() { # NAME, then commands
    local name=$1
    shift
    hyperfine --warmup 1 --runs "$runs" -i -N --style none --export-json "$out/$name.json" "$@" \
        >/dev/null 2>&1
}
bench cmp "$cli compare $A $B" "rsync -rn --itemize-changes --delete $A/ $B/"
bench cmpc "$cli compare --content $A $B" "diff -rq $A $B"
bench big "$cli compare --content $big/A $big/same" "cmp $big/A/f.bin $big/same/f.bin"

python3 "$here/bench-compare-report.py" "$out"
