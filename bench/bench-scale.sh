#!/usr/bin/env bash
# A million files (the million corpus of make-corpora.py): the exact duplicate
# search beside jdupes, the empty-item search beside find -empty and the folder
# comparison beside rsync -rn, each timed in one hyperfine session (page cache
# warm) with its peak memory from /usr/bin/time, and given as ratios to its peer;
# and the exact search with the scan cache: its first run against a --no-cache run,
# its warm run beside a metadata walk (find -printf) and the cache's bytes per file;
# and the folder search beside the exact file search it builds on (peak memory:
# target at most 1.0 x).
#
#   make bench-scale
#   QUORVEX_CLI=build/quorvex-cli RUNS=3 JOBS="dups empty" bench/bench-scale.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$(realpath "${QUORVEX_CLI:-build/quorvex-cli}")
[ -x "$cli" ] || { echo "bench-scale: no quorvex-cli at $cli" >&2; exit 1; }
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
RUNS=${RUNS:-3}
JOBS=${JOBS:-"dups empty compare cache dupdirs"}
out=${OUT:-$BENCH/results-scale}
mkdir -p "$out"

for tool in hyperfine jdupes rsync /usr/bin/time; do
    if ! command -v "$tool" >/dev/null; then
        apt-get update -qq && apt-get install -y -qq hyperfine jdupes rsync time >/dev/null
        break
    fi
done

corpus=$(bash "$here/corpus.sh" million)
A=$corpus/A B=$corpus/B
truth() { awk -v k="$1" '$1 == k { print $2 }' "$BENCH/million.truth"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" # nothing is written beside the corpus

# measure JOB NAME COMMAND NAME COMMAND: times both in one session, then takes the
# peak memory of each from three runs, and prints the ratios.
measure() {
    local job=$1 ours=$3 peer=$5
    local names=("$2" "$4")
    hyperfine -N -i --warmup 1 --runs "$RUNS" --export-json "$out/$job.json" \
        -n "$2" "$ours" -n "$4" "$peer" > "$out/$job.hyperfine.txt"
    for i in 0 1; do
        local command=$ours
        [ "$i" = 1 ] && command=$peer
        : > "$out/$job.${names[$i]}.rss"
        for _ in 1 2 3; do
            /usr/bin/time -f %M -o "$out/$job.rss.tmp" $command > /dev/null 2>&1 || true
            cat "$out/$job.rss.tmp" >> "$out/$job.${names[$i]}.rss"
        done
    done
    rm -f "$out/$job.rss.tmp"
    python3 "$here/bench-dups-report.py" report "$job" "$out/$job.json" "$out" "${names[@]}"
}

for job in $JOBS; do
    case $job in
    dups)
        # The same groups as jdupes, and the number the corpus was built with.
        "$cli" dups --hidden "$A" > "$out/dups.quorvex.tsv"
        jdupes -r -q "$A" > "$out/dups.jdupes.txt" || true
        python3 "$here/bench-dups-report.py" check "$out/dups.quorvex.tsv" "$out/dups.jdupes.txt"
        echo "built with $(truth duplicate_groups) groups of $(truth files_in_duplicate_groups) files"
        measure million-dups quorvex-cli "$cli dups --hidden --no-cache $A" jdupes "jdupes -r -q $A"
        ;;
    empty)
        expected=$(($(truth zero_size_files) + $(truth empty_leaf_folders)))
        counted=$("$cli" empty "$A" | awk -F'\t' '$1 == "#count" { print $2 + 0 }')
        found=$(find "$A" -empty | wc -l)
        echo "empty items: quorvex-cli $counted, find -empty $found, built $expected"
        [ "$counted" -eq "$expected" ] || { echo "bench-scale: wrong empty count" >&2; exit 1; }
        measure million-empty quorvex-cli "$cli empty $A" find "find $A -empty"
        ;;
    compare)
        measure million-compare quorvex-cli "$cli compare $A $B" \
            rsync "rsync -rn --itemize-changes --delete $A/ $B/"
        ;;
    cache)
        export QUORVEX_CACHE=$scratch/cache.sqlite
        once() { /usr/bin/time -f %e -o "$scratch/secs" "$@" > /dev/null 2>&1 || true; tail -1 "$scratch/secs"; }
        once "$cli" dups --hidden --no-cache "$A" >/dev/null # warms the page cache
        nocache=$(once "$cli" dups --hidden --no-cache "$A")
        first=$(once "$cli" dups --hidden "$A")
        python3 -c 'import sys; f, n = map(float, sys.argv[1:]); print(f"cache: first run {f:.2f} s, --no-cache run {n:.2f} s: {f / n:.2f}x (target <= 1.1)")' "$first" "$nocache"
        measure million-cache quorvex-cli "$cli dups --hidden $A" find "find $A -printf %s:%T@\n"
        read -r entries bytes <<<"$("$cli" cache stats | cut -f2,3)"
        files=$(find "$A" -type f | wc -l)
        echo "cache: $entries entries, $bytes bytes: $((bytes / files)) bytes per file of the tree (target <= 120)"
        ;;
    dupdirs)
        measure million-dupdirs dupdirs "$cli dupdirs --hidden --no-cache $A" \
            dups "$cli dups --hidden --no-cache $A"
        ;;
    *)
        echo "bench-scale: unknown job $job" >&2
        exit 1
        ;;
    esac
done
