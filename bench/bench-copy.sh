#!/usr/bin/env bash
# Copying a tree into an empty folder: quorvex-cli compare --act copy-a-to-b beside
# rsync -a, on two trees built here: 100,000 small files (1-8 KiB in 1,000 folders)
# and a few large files (4 of 256 MiB). Every timed run starts on an empty
# destination on the same file system; times from one hyperfine session (page cache
# warm). quorvex-cli reads every copy back to compare it byte for byte and syncs
# the copies in batches; so that the report can say what these cost, two more commands are
# timed: rsync -a followed by sync (the syncs' share) and a byte comparison of the
# two trees (cmp of each pair, the check's share, measured apart).
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-copy.sh
#   RUNS=3 BENCH_SCALE=0.1 bench/bench-copy.sh
set -euo pipefail
cli=${QUORVEX_CLI:-}
[ -x "$cli" ] || cli=$(dirname "${cli:-build/x}")/src/cli/quorvex-cli
[ -x "$cli" ] || { echo "bench-copy: quorvex-cli not found (set QUORVEX_CLI)" >&2; exit 1; }
cli=$(realpath "$cli")
BENCH=${BENCH:-/tmp/quorvex-bench}
RUNS=${RUNS:-5}
scale=${BENCH_SCALE:-1}
out=${OUT:-$BENCH/results-copy}
mkdir -p "$out"
for tool in hyperfine rsync jq; do
    command -v "$tool" >/dev/null || { apt-get update -qq && apt-get install -y -qq hyperfine rsync jq >/dev/null; break; }
done

# The two sources, built once per scale.
corpus=$BENCH/copy
if [ "$(cat "$corpus.done" 2>/dev/null)" != "$scale" ]; then
    rm -rf "$corpus"
    python3 - "$corpus" "$scale" <<'EOF'
import os, random, sys
root, scale = sys.argv[1], float(sys.argv[2])
rng = random.Random(20240611)
files, folders = max(10, round(100000 * scale)), max(1, round(1000 * scale))
for i in range(files):
    folder = f"{root}/small/d{i % folders:04d}"
    os.makedirs(folder, exist_ok=True)
    path = f"{folder}/f{i:06d}.dat"
    with open(path, "wb") as f:
        f.write(rng.randbytes(rng.randint(1024, 8192)))
    os.utime(path, (1704067200 + i, 1704067200 + i))
os.makedirs(f"{root}/large", exist_ok=True)
for i in range(4):
    with open(f"{root}/large/big{i}.bin", "wb") as f:
        block = rng.randbytes(1 << 20)
        for _ in range(max(1, round(256 * scale))):
            f.write(block)
EOF
    echo "$scale" > "$corpus.done"
fi

work=$(mktemp -d "$BENCH/copy-XXXXXX")
trap 'rm -rf "$work"' EXIT
report() { # name of the tree
    local tree=$1 to=$work/to
    local fresh="rm -rf $to && mkdir $to"
    hyperfine -i --warmup 1 --runs "$RUNS" --prepare "$fresh" --export-json "$out/$tree.json" \
        -n quorvex-cli "env QUORVEX_DATA_DIR=$work/data/ $cli compare --act copy-a-to-b $corpus/$tree $to" \
        -n rsync "rsync -a $corpus/$tree/ $to/" \
        -n rsync+sync "rsync -a $corpus/$tree/ $to/ && sync -f $to" \
        > "$out/$tree.hyperfine.txt"
    # The same result: every file there with its bytes.
    bash -c "$fresh" && "$cli" compare --act copy-a-to-b "$corpus/$tree" "$to" > /dev/null
    diff -r "$corpus/$tree" "$to" > /dev/null
    hyperfine --runs "$RUNS" --export-json "$out/$tree.check.json" -n check \
        "diff -r $corpus/$tree $to" > /dev/null
    local q r s c
    q=$(jq '.results[] | select(.command == "quorvex-cli") | .mean' "$out/$tree.json")
    r=$(jq '.results[] | select(.command == "rsync") | .mean' "$out/$tree.json")
    s=$(jq '.results[] | select(.command == "rsync+sync") | .mean' "$out/$tree.json")
    c=$(jq '.results[0].mean' "$out/$tree.check.json")
    python3 - "$tree" "$q" "$r" "$s" "$c" <<'EOF'
import sys
tree, q, r, s, c = sys.argv[1], *map(float, sys.argv[2:])
print(f"{tree}: quorvex-cli {q:.2f} s, rsync -a {r:.2f} s: {q / r:.2f} x rsync "
      f"(target 1.3); rsync -a + sync {s:.2f} s (syncs ~{max(0.0, s - r):.2f} s); "
      f"reading both trees back to compare ~{c:.2f} s")
EOF
}
echo "copying into an empty folder:"
report small
report large
