#!/usr/bin/env bash
# The duplicate search below 100 %: quorvex-cli dups --threshold T against the
# pairing judged pair after pair from disk (bench-literal-dups, the baseline) in the
# same run, with the exact search (T = 100) as the scale. Wall times are medians of
# RUNS runs (the baseline runs once), page cache warm; peak memory from
# /usr/bin/time. Both must print the same rows.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-similar.sh
#   WHOLE_LITERAL=1 ... also times the baseline on the whole corpus (hours at T = 50)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$(realpath "${QUORVEX_CLI:-build/quorvex-cli}")
build=$(dirname "$cli")
literal=$build/bench-literal-dups
[ -x "$literal" ] || cmake --build "$build" --target bench-literal-dups >/dev/null
RUNS=${RUNS:-3}
BENCH=${BENCH:-/tmp/quorvex-bench}
out=${OUT:-$BENCH/results-similar}
mkdir -p "$out"
command -v /usr/bin/time >/dev/null || { apt-get update -qq && apt-get install -y -qq time >/dev/null; }

corpus=$(BENCH=$BENCH bash "$here/corpus.sh" dups)

# measure NAME RUNS COMMAND...: prints "seconds peak-KiB" (median time, largest
# peak). The first run warms the page cache and writes the rows; a baseline
# (RUNS 0) runs once, after the page cache was warmed by the run before it.
measure() {
    local name=$1 runs=$2; shift 2
    : > "$out/$name.times"
    if [ "$runs" = 0 ]; then
        /usr/bin/time -f '%e %M' -o "$out/$name.times" "$@" > "$out/$name.tsv" 2>/dev/null || true
    else
        "$@" > "$out/$name.tsv" 2>/dev/null || true
    fi
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%e %M' -o "$out/$name.one" "$@" > /dev/null 2>&1 || true
        cat "$out/$name.one" >> "$out/$name.times"
    done
    sort -n "$out/$name.times" | awk '{t[NR]=$1; if ($2>m) m=$2} END {print t[int((NR+1)/2)], m}'
}

report() { # label new-seconds base-seconds target
    python3 -c 'import sys; l,n,b,t=sys.argv[1:]; n=float(n); b=float(b); r=b/max(n,0.01)
v="met" if r>=float(t) else "MISSED"
print(f"{l:<34} {n:8.2f} s  baseline {b:8.2f} s  {r:6.1f}x faster  target >= {t}x  {v}")' "$@"
}

echo "corpus: $corpus"
inc=$corpus/include
for t in 90 50 10; do
    read -r new rss < <(measure "include-$t" "$RUNS" "$cli" dups --hidden --threshold "$t" "$inc")
    read -r base _ < <(measure "include-$t-literal" 0 "$literal" "$t" "$inc")
    cmp -s "$out/include-$t.tsv" "$out/include-$t-literal.tsv" || echo "include T=$t: ROWS DIFFER"
    want=$([ "$t" = 10 ] && echo 8 || echo 12)
    report "include/ T=$t (peak ${rss} KiB)" "$new" "$base" "$want"
done
read -r one _ < <(measure include-50-1thread "$RUNS" "$cli" dups --hidden --threads 1 --threshold 50 "$inc")
read -r two _ < <(measure include-50-2threads "$RUNS" "$cli" dups --hidden --threads 2 --threshold 50 "$inc")
python3 -c 'import sys; a,b=map(float,sys.argv[1:]); print(f"include/ T=50: 1 thread {a:.2f} s, 2 threads {b:.2f} s, speed-up {a/max(b,0.01):.2f}x")' "$one" "$two"

read -r exact _ < <(measure whole-100 "$RUNS" "$cli" dups --hidden --no-cache "$corpus")
budget_kib=$((512 * 1024 + 64 * 1024))
for t in 90 50; do
    read -r new rss < <(measure "whole-$t" 1 "$cli" dups --hidden --threshold "$t" "$corpus")
    limit=$([ "$t" = 90 ] && echo 5 || echo 30)
    python3 -c 'import sys; t,n,e,l,r,b=sys.argv[1:]; q=float(n)/max(float(e),0.01)
v="met" if q<=float(l) else "MISSED"; w="met" if int(r)<=int(b) else "MISSED"
print(f"whole corpus T={t}: {float(n):.1f} s = {q:.1f}x the exact search ({float(e):.2f} s), target <= {l}x {v}; peak {int(r)//1024} MiB, target <= {int(b)//1024} MiB {w}")' \
        "$t" "$new" "$exact" "$limit" "$rss" "$budget_kib"
    if [ "${WHOLE_LITERAL:-0}" = 1 ]; then
        read -r base _ < <(measure "whole-$t-literal" 0 "$literal" "$t" "$corpus")
        cmp -s "$out/whole-$t.tsv" "$out/whole-$t-literal.tsv" || echo "whole T=$t: ROWS DIFFER"
        report "whole corpus T=$t" "$new" "$base" 1
    fi
done
