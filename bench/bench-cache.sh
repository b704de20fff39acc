#!/usr/bin/env bash
# The scan cache: quorvex-cli dups at 100 % with its cache cold (first run, which
# fills it), warm, and without it, beside jdupes and rmlint, and at 90 % the same
# three runs (the cache then also holds each file's sketch), with the page cache
# dropped before each run where the machine allows it; then the runs the cache is
# for: after half the tree moved within the volume, and after a first run killed
# halfway. Each row gives the time, the blocks read (the block input of
# /usr/bin/time, 512-byte units) and the ratio to the baseline named in the row.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-cache.sh
#   CORPORA="dups" bench/bench-cache.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$(realpath "${QUORVEX_CLI:?set QUORVEX_CLI}")
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
CORPORA=${CORPORA:-"dups"}
for tool in /usr/bin/time jdupes rmlint; do
    command -v "$tool" >/dev/null && continue
    apt-get update -qq && apt-get install -y -qq time jdupes rmlint >/dev/null
    break
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export QUORVEX_CACHE=$scratch/cache.sqlite

. "$here/timing.sh"
$cold || echo "bench-cache: the page cache cannot be dropped here; every run is warm"

for corpus in $CORPORA; do
    source_dir=$(bash "$here/corpus.sh" "$corpus")
    # A copy of our own, so that moving half of it changes no other benchmark's corpus.
    dir=$scratch/$corpus
    cp -a "$source_dir" "$dir"
    files=$(find "$dir" -type f | wc -l)
    echo "== $corpus: $files files ($($cold && echo 'page cache dropped before each run' || echo 'page cache warm'))"

    run "find -printf (metadata walk)" find "$dir" -printf '%s %T@\n'; find_secs=$secs find_blocks=$blocks
    run "jdupes -r" jdupes -r -q "$dir"
    # rmlint replaces the file it writes (never /dev/null): its summary goes to stdout.
    run "rmlint" rmlint -o summary:stdout "$dir"
    run "quorvex-cli --no-cache" "$cli" dups --hidden --no-cache "$dir"; nocache_secs=$secs
    rm -f "$QUORVEX_CACHE"*
    run "quorvex-cli, cache cold (fills)" "$cli" dups --hidden "$dir"; first_secs=$secs
    run "quorvex-cli, cache warm" "$cli" dups --hidden "$dir"; warm_secs=$secs warm_blocks=$blocks
    echo "  first run / --no-cache run:        $(ratio "$first_secs" "$nocache_secs") (target <= 1.1)"
    echo "  warm run / find:                   $(ratio "$warm_secs" "$find_secs") (target <= 1.3)"
    echo "  warm run blocks / find blocks:     $(ratio "$warm_blocks" "$find_blocks")"

    # Half the top-level folders move to a new folder of the same volume.
    mkdir "$dir/moved"
    find "$dir" -mindepth 1 -maxdepth 1 -type d ! -name moved | sort | awk 'NR % 2' |
        while read -r folder; do mv "$folder" "$dir/moved/"; done
    run "quorvex-cli after mv of half" "$cli" dups --hidden "$dir"
    echo "  blocks after the move / find:      $(ratio "$blocks" "$find_blocks")"

    # A first run killed halfway (at half the --no-cache run's time), then a whole one.
    rm -f "$QUORVEX_CACHE"*
    drop
    half=$(python3 -c "print(max(0.1, $nocache_secs / 2))")
    # What it read from the disk by then (/proc/PID/io), read just before the kill.
    "$cli" dups --hidden "$dir" >/dev/null 2>&1 &
    pid=$!
    sleep "$half"
    killed_bytes=$(awk '/^read_bytes/ {print $2}' "/proc/$pid/io" 2>/dev/null || echo 0)
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    killed_blocks=$((killed_bytes / 512))
    run "quorvex-cli after a kill at half" "$cli" dups --hidden "$dir"; rerun_blocks=$blocks
    rm -f "$QUORVEX_CACHE"*
    run "quorvex-cli, one whole first run" "$cli" dups --hidden "$dir"; whole_blocks=$blocks
    echo "  (killed + rerun) / whole, blocks:  $(ratio "$((killed_blocks + rerun_blocks))" "$whole_blocks") (target <= 1.2)"
    read -r n bytes <<<"$("$cli" cache stats | cut -f2,3)"
    echo "  cache: $n entries, $bytes bytes, $(ratio "$bytes" "$files") bytes per file of the tree"

    # The similarity search: files whose cached sketches rule out every pair are not read.
    run "--threshold 90 --no-cache" "$cli" dups --hidden --threshold 90 --no-cache "$dir"
    rm -f "$QUORVEX_CACHE"*
    run "--threshold 90, cache cold (fills)" "$cli" dups --hidden --threshold 90 "$dir"; simfirst_secs=$secs
    run "--threshold 90, cache warm" "$cli" dups --hidden --threshold 90 "$dir"
    echo "  90 %: warm run / first run:        $(ratio "$secs" "$simfirst_secs") (target <= 0.5)"
    read -r n bytes <<<"$("$cli" cache stats | cut -f2,3)"
    echo "  cache with sketches: $bytes bytes, $(ratio "$bytes" "$files") bytes per file of the tree"
done
