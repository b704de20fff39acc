#!/usr/bin/env bash
# Duplicate search: quorvex-cli dups beside the duplicate finders from Debian, on the
# two corpora of make-corpora.py (dups: a tree shaped like an installed system;
# dupsbig: 2,000 files of 1-8 MiB with exact and same-size near copies).
# Times come from one hyperfine session per corpus (page cache warm), peak memory
# from /usr/bin/time; the report gives both as ratios to the fastest peer.
#
#   QUORVEX_CLI=build/src/cli/quorvex-cli bench/bench-dups.sh
#   RUNS=10 CORPORA="dups" PEERS="jdupes" bench/bench-dups.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${QUORVEX_CLI:-}
[ -x "$cli" ] || cli=$(dirname "${cli:-build/x}")/src/cli/quorvex-cli
[ -x "$cli" ] || { echo "bench-dups: quorvex-cli not found (set QUORVEX_CLI)" >&2; exit 1; }
cli=$(realpath "$cli")
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
RUNS=${RUNS:-5}
CORPORA=${CORPORA:-"dups dupsbig"}
PEERS=${PEERS:-"jdupes fdupes rdfind"}
out=${OUT:-$BENCH/results-dups}
mkdir -p "$out"

need=(hyperfine /usr/bin/time jdupes)
for tool in $PEERS; do need+=("$tool"); done
missing=()
for tool in "${need[@]}"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if [ ${#missing[@]} -gt 0 ]; then
    pkgs=$(printf '%s\n' "${missing[@]}" | sed 's|/usr/bin/time|time|' | sort -u | tr '\n' ' ')
    apt-get update -qq && apt-get install -y -qq $pkgs >/dev/null
fi

peer_command() { # peer dir
    case $1 in
        jdupes) echo "jdupes -r -q $2";;
        fdupes) echo "fdupes -r -q -n $2";;
        rdfind) echo "rdfind -dryrun true -outputname /dev/null $2";;
        *) echo "bench-dups: unknown peer $1" >&2; exit 1;;
    esac
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"   # rdfind writes nothing with -dryrun, but keep every tool out of the corpora

for corpus in $CORPORA; do
    dir=$(bash "$here/corpus.sh" "$corpus")
    names=(quorvex-cli)
    # Without the scan cache: every run reads the files, as the peers do (bench-cache.sh
    # times the cache).
    commands=("$cli dups --hidden --no-cache $dir")
    for peer in $PEERS; do
        names+=("$peer")
        commands+=("$(peer_command "$peer" "$dir")")
    done

    # Same files for everyone: group and file counts must agree with jdupes.
    "$cli" dups --hidden "$dir" > "$out/$corpus.quorvex.tsv"
    jdupes -r -q "$dir" > "$out/$corpus.jdupes.txt" || true
    python3 "$here/bench-dups-report.py" check "$out/$corpus.quorvex.tsv" "$out/$corpus.jdupes.txt"

    args=()
    for i in "${!names[@]}"; do args+=(-n "${names[$i]}" "${commands[$i]}"); done
    hyperfine -N -i --warmup 1 --runs "$RUNS" --export-json "$out/$corpus.json" "${args[@]}" \
        > "$out/$corpus.hyperfine.txt"

    for i in "${!names[@]}"; do
        : > "$out/$corpus.${names[$i]}.rss"
        for _ in 1 2 3; do
            /usr/bin/time -f %M -o "$out/$corpus.rss.tmp" ${commands[$i]} > /dev/null 2>&1 || true
            cat "$out/$corpus.rss.tmp" >> "$out/$corpus.${names[$i]}.rss"
        done
    done
    rm -f "$out/$corpus.rss.tmp"
    python3 "$here/bench-dups-report.py" report "$corpus" "$out/$corpus.json" "$out" "${names[@]}"
done
