#!/usr/bin/env bash
# Duplicate folders: quorvex-cli dupdirs beside quorvex-cli dups on the dups corpus of
# make-corpora.py (a tree shaped like an installed system), both without the scan
# cache. The folder search runs the exact file search and groups the folders after
# it, so it is measured against it: time (one hyperfine session, page cache warm) and
# peak memory (/usr/bin/time, the least of three runs) as ratios dupdirs / dups.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-dupdirs.sh
#   RUNS=10 CORPORA="dups million" bench/bench-dupdirs.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${QUORVEX_CLI:-}
[ -x "$cli" ] || { echo "bench-dupdirs: quorvex-cli not found (set QUORVEX_CLI)" >&2; exit 1; }
cli=$(realpath "$cli")
RUNS=${RUNS:-5}
CORPORA=${CORPORA:-dups}
out=${OUT:-${BENCH:-/tmp/quorvex-bench}/results-dupdirs}
mkdir -p "$out"

least_rss() { # command...: the least peak resident set of three runs, KiB
    local best=''
    for _ in 1 2 3; do
        /usr/bin/time -f %M -o "$out/rss.tmp" "$@" > /dev/null 2>&1 || true
        local kib=$(tail -n 1 "$out/rss.tmp")
        if [ -z "$best" ] || [ "$kib" -lt "$best" ]; then best=$kib; fi
    done
    rm -f "$out/rss.tmp"
    echo "$best"
}

for corpus in $CORPORA; do
    dir=$(bash "$here/corpus.sh" "$corpus")
    hyperfine -N -i --warmup 1 --runs "$RUNS" --export-json "$out/$corpus.json" \
        -n dups "$cli dups --hidden --no-cache $dir" \
        -n dupdirs "$cli dupdirs --hidden --no-cache $dir" > "$out/$corpus.hyperfine.txt"
    dups_rss=$(least_rss "$cli" dups --hidden --no-cache "$dir")
    dupdirs_rss=$(least_rss "$cli" dupdirs --hidden --no-cache "$dir")
    rows=$("$cli" dupdirs --hidden --no-cache "$dir" | wc -l)
    jq -r --arg corpus "$corpus" --arg rows "$rows" --argjson a "$dups_rss" \
        --argjson b "$dupdirs_rss" '
        (.results | map({(.command): .median}) | add) as $t
        | "\($corpus): dups \($t.dups * 1000 | floor) ms, dupdirs \($t.dupdirs * 1000 | floor) ms"
          + " (\($rows) folder rows): time x\(($t.dupdirs / $t.dups * 100 | round) / 100)"
          + " (target <= 1.2); peak memory \($a / 1024 | floor) MiB vs"
          + " \($b / 1024 | floor) MiB: x\(($b / $a * 100 | round) / 100)"' "$out/$corpus.json"
done
