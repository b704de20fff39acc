#!/usr/bin/env bash
# Hard-linking duplicates: quorvex-cli dups --act hardlink beside the duplicate
# finders from Debian that can link (jdupes -L, rdfind -makehardlinks), on the dupsbig
# corpus of make-corpora.py (2,000 files of 1-8 MiB with exact and near copies).
# Every timed run starts on a fresh copy of the corpus made of hard links to it
# (cp -al): the tools link names in the copy, and the corpus itself never changes.
# Times come from one hyperfine session (page cache warm), peak memory from
# /usr/bin/time; the report gives both as ratios to the fastest peer.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-link.sh
#   RUNS=3 PEERS="jdupes" BENCH_SCALE=0.05 bench/bench-link.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${QUORVEX_CLI:-}
[ -x "$cli" ] || cli=$(dirname "${cli:-build/x}")/src/cli/quorvex-cli
[ -x "$cli" ] || { echo "bench-link: quorvex-cli not found (set QUORVEX_CLI)" >&2; exit 1; }
cli=$(realpath "$cli")
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
RUNS=${RUNS:-5}
PEERS=${PEERS:-"jdupes rdfind"}
out=${OUT:-$BENCH/results-link}
mkdir -p "$out"

missing=()
for tool in hyperfine /usr/bin/time jdupes $PEERS; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    pkgs=$(printf '%s\n' "${missing[@]}" | sed 's|/usr/bin/time|time|' | sort -u | tr '\n' ' ')
    apt-get update -qq && apt-get install -y -qq $pkgs >/dev/null
fi

corpus=$(bash "$here/corpus.sh" dupsbig)
work=$(mktemp -d "$BENCH/link-XXXXXX")
trap 'rm -rf "$work"' EXIT
copy=$work/tree
data=$work/data
fresh="rm -rf $copy && cp -al $corpus $copy"

peer_command() { # peer
    case $1 in
        jdupes) echo "jdupes -r -q -L $copy";;
        rdfind) echo "rdfind -makehardlinks true -outputname $work/rdfind.txt $copy";;
        *) echo "bench-link: unknown peer $1" >&2; exit 1;;
    esac
}

names=(quorvex-cli)
commands=("env QUORVEX_DATA_DIR=$data/ $cli dups --hidden --no-cache --act hardlink $copy")
for peer in $PEERS; do
    names+=("$peer")
    commands+=("$(peer_command "$peer")")
done

# Same outcome for everyone: after a run, jdupes finds no copies that are not linked.
for i in "${!names[@]}"; do
    bash -c "$fresh" && bash -c "${commands[$i]}" > /dev/null
    left=$(jdupes -r -q "$copy" | grep -c . || true)
    [ "$left" -eq 0 ] || { echo "bench-link: ${names[$i]} left $left unlinked copies" >&2; exit 1; }
done
echo "every tool linked all duplicates of $corpus"

args=()
for i in "${!names[@]}"; do args+=(-n "${names[$i]}" "${commands[$i]}"); done
hyperfine -i --warmup 1 --runs "$RUNS" --prepare "$fresh" --export-json "$out/dupsbig.json" \
    "${args[@]}" > "$out/dupsbig.hyperfine.txt"

for i in "${!names[@]}"; do
    : > "$out/dupsbig.${names[$i]}.rss"
    for _ in 1 2 3; do
        bash -c "$fresh"
        /usr/bin/time -f %M -o "$out/rss.tmp" bash -c "${commands[$i]}" > /dev/null 2>&1 || true
        cat "$out/rss.tmp" >> "$out/dupsbig.${names[$i]}.rss"
    done
done
rm -f "$out/rss.tmp"
echo "hard-linking the duplicates:"
python3 "$here/bench-dups-report.py" report dupsbig "$out/dupsbig.json" "$out" "${names[@]}"
