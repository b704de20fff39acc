#!/usr/bin/env bash
# The duplicate search by what pictures show (quorvex-cli dups --pictures) on drawn
# pictures: COUNT distinct pictures (default 1000), each with eleven copies (scaled
# to 50 % and 25 %, JPEG quality 95 and 60, PNG, GIF, BMP, cropped by 2 %, turned by
# 90 degrees, mirrored, brightened), and LARGE pictures of 12 megapixels. Reports, at the default
# threshold, the share of each kind of copy grouped with its source, the share of
# distinct pictures wrongly grouped with another, the seconds per picture of a first
# run (no cache) on the 12-megapixel pictures and on the whole set, and the time of a
# second run with the scan cache per 10,000 pictures, against the targets.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-pictures.sh
set -euo pipefail
cli=$(realpath "${QUORVEX_CLI:-build/quorvex-cli}")
build=$(dirname "$cli")
generator=$build/bench-picture-corpus
[ -x "$generator" ] || cmake --build "$build" --target bench-picture-corpus >/dev/null
BENCH=${BENCH:-/tmp/quorvex-bench}
COUNT=${COUNT:-1000}
LARGE=${LARGE:-40}
corpus=$BENCH/pictures-$COUNT-$LARGE-gif
out=${OUT:-$BENCH/results-pictures}
mkdir -p "$out"
command -v /usr/bin/time >/dev/null || { apt-get update -qq && apt-get install -y -qq time >/dev/null; }

if [ ! -f "$corpus/done" ]; then
    rm -rf "$corpus"
    echo "drawing $COUNT pictures with their copies and $LARGE of 12 megapixels in $corpus"
    "$generator" "$corpus" "$COUNT" "$LARGE"
    touch "$corpus/done"
    sleep 2 # files written in the last seconds are not kept in the cache
fi

# timed NAME COMMAND...: runs it, rows to NAME.tsv; prints "seconds peak-KiB".
timed() {
    local name=$1; shift
    /usr/bin/time -f '%e %M' -o "$out/$name.time" "$@" > "$out/$name.tsv" 2>"$out/$name.err" || true
    tail -n 1 "$out/$name.time"
}

files=$(find "$corpus/set" -type f | wc -l)
read -r first rss < <(timed first "$cli" dups --pictures --no-cache "$corpus/set")
read -r large _ < <(timed large "$cli" dups --pictures --no-cache "$corpus/large")
rm -f "$out/cache.sqlite"*
export QUORVEX_CACHE=$out/cache.sqlite
timed fill "$cli" dups --pictures "$corpus/set" >/dev/null
read -r second _ < <(timed second "$cli" dups --pictures "$corpus/set")
cmp -s "$out/first.tsv" "$out/second.tsv" || echo "ROWS DIFFER between the first and the cached run"

python3 - "$out/first.tsv" "$COUNT" "$files" "$first" "$rss" "$large" "$LARGE" "$second" <<'PY'
import collections, os, sys
rows, count, files, first, rss, large, nlarge, second = sys.argv[1:]
count, files, nlarge = int(count), int(files), int(nlarge)
first, large, second = float(first), float(large), float(second)
group_of = {}  # (kind, stem) -> group
members = collections.defaultdict(set)  # group -> stems
for line in open(rows, encoding="utf-8", errors="replace"):
    f = line.rstrip("\n").split("\t")
    if len(f) < 7 or line.startswith("#"):
        continue
    name, folder, group = f[0], f[4], f[5]
    kind = os.path.basename(folder.rstrip("/"))
    stem = name.split("-")[0].split(".")[0]
    group_of[(kind, stem)] = group
    members[group].add(stem)
stems = ["p%05d" % i for i in range(count)]
kinds = sorted({k for k, _ in group_of} - {"source"})
print(f"{files} pictures ({count} distinct), default threshold")
for kind in kinds:
    hit = sum(1 for s in stems if group_of.get(("source", s)) and
              group_of.get((kind, s)) == group_of.get(("source", s)))
    print(f"  recall {kind:<8} {hit / count:7.1%}  ({hit}/{count})")
wrong = {s for g, ss in members.items() if len(ss) > 1 for s in ss}
share = len(wrong) / count
print(f"  distinct pictures wrongly grouped: {len(wrong)} = {share:.2%}  target <= 1 %  "
      f"{'met' if share <= 0.01 else 'MISSED'}")
per = large / max(nlarge, 1)
print(f"  first run, 12-megapixel JPEG: {per:.3f} s per picture ({nlarge} in {large:.2f} s)  "
      f"target <= 0.03 s  {'met' if per <= 0.03 else 'MISSED'}")
print(f"  first run, whole set: {first / files:.4f} s per picture ({first:.2f} s, peak {rss} KiB)")
per10k = second * 10000 / files
print(f"  second run with the cache: {per10k:.2f} s per 10,000 pictures ({second:.2f} s)  "
      f"target < 1 s  {'met' if per10k < 1 else 'MISSED'}")
PY
