#!/usr/bin/env bash
# The first run of a search, when nothing is in the page cache: the exact duplicate
# search over DUPS (quorvex-cli dups --no-cache) beside jdupes and rmlint, and
# compare --content --no-cache of the CMP pair beside diff -rq, with the page cache dropped
# before each run (skipped with one line where the machine does not allow it); the
# same search with the cache warm; then DUPS copied onto an emulated slow disk, a loop
# device over a file whose reads are throttled to $RIOPS requests and $RBPS bytes a
# second (cgroup v2 io.max, or the v1 blkio throttle where the io controller is not
# on the v2 hierarchy; skipped with one line where neither is there or not as root).
# Every row is the median of $RUNS runs, the tools taking turns. On the slow disk a
# run's time is about the count of read requests it asks over $RIOPS (every folder,
# inode table block and file costs at least one), so at 200 a whole corpus takes
# minutes a run: SLOW_SUBDIR names a folder of the corpus to copy and search alone.
#
#   QUORVEX_CLI=build/quorvex-cli bench/bench-cold.sh
#   RUNS=1 SLOW_CORPUS=dups RIOPS=200 RBPS=157286400 bench/bench-cold.sh
#   JOBS=slow SLOW_SUBDIR=python3 bench/bench-cold.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$(realpath "${QUORVEX_CLI:?set QUORVEX_CLI}")
BENCH=${BENCH:-/tmp/quorvex-bench}
export BENCH
RUNS=${RUNS:-3}
RIOPS=${RIOPS:-200}
RBPS=${RBPS:-$((150 * 1024 * 1024))}
SLOW_CORPUS=${SLOW_CORPUS:-dups}
SLOW_SUBDIR=${SLOW_SUBDIR:-}
JOBS=${JOBS:-"cold warm slow"}
for tool in /usr/bin/time jdupes rmlint diff; do
    command -v "$tool" >/dev/null && continue
    apt-get update -qq && apt-get install -y -qq time jdupes rmlint diffutils >/dev/null
    break
done

scratch=$(mktemp -d)
loop_device= group= mounted= image_file=
cleanup() {
    [ -n "$group" ] && rmdir "$group" 2>/dev/null
    [ -n "$mounted" ] && umount "$mounted"
    [ -n "$loop_device" ] && losetup -d "$loop_device"
    [ -n "$image_file" ] && rm -f "$image_file"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM # through the EXIT trap, so that no loop device or mount stays
cd "$scratch" # rmlint and the others write nothing beside the corpora
. "$here/timing.sh"

# rows NAME COMMAND [NAME COMMAND]...: runs every command $RUNS times, taking turns,
# then prints each one's median time and peak memory and its ratio to the first.
# The commands are split at blanks (the corpora's paths have none).
rows() {
    local names=() commands=() i r
    while [ $# -gt 0 ]; do names+=("$1"); commands+=("$2"); shift 2; done
    declare -A times=() peaks=()
    for r in $(seq "$RUNS"); do
        for i in "${!names[@]}"; do
            run "${names[$i]}" ${commands[$i]} >/dev/null
            times[$i]+=" $secs"
            peaks[$i]+=" $rss"
        done
    done
    local first
    for i in "${!names[@]}"; do
        local secs_median peak
        secs_median=$(median ${times[$i]})
        peak=$(median ${peaks[$i]})
        [ "$i" = 0 ] && first=$secs_median
        printf '  %-26s %8.2f s %9.1f MiB   quorvex-cli / this: %s\n' "${names[$i]}" \
            "$secs_median" "$(python3 -c "print($peak / 1024)")" "$(ratio "$first" "$secs_median")"
    done
}

dups_rows() { # DIR
    rows quorvex-cli "$cli dups --hidden --no-cache $1" jdupes "jdupes -r -q $1" \
        rmlint "rmlint -o summary:stdout $1"
}

# The slow disk: prints nothing and sets $slow_dir, or says in one line why not.
make_slow_disk() {
    [ "$(id -u)" = 0 ] || { echo "  skipped: the slow disk needs root"; return 1; }
    local v2 v1 source bytes image device
    v2=$(findmnt -n -t cgroup2 -o TARGET | head -1)
    v1=$(findmnt -n -t cgroup -O blkio -o TARGET | head -1)
    if [ -n "$v2" ] && grep -qw io "$v2/cgroup.controllers" 2>/dev/null; then
        echo +io >"$v2/cgroup.subtree_control" 2>/dev/null || true
        group=$v2/quorvex-bench-$$
    elif [ -n "$v1" ] && [ -f "$v1/blkio.throttle.read_iops_device" ]; then
        group=$v1/quorvex-bench-$$
    else
        echo "  skipped: no cgroup io controller (v2 io.max or v1 blkio) to throttle with"
        return 1
    fi
    source=$(bash "$here/corpus.sh" "$SLOW_CORPUS")
    [ -z "$SLOW_SUBDIR" ] || source=$source/$SLOW_SUBDIR
    bytes=$(du -sb "$source" | cut -f1)
    image=$BENCH/slow-disk.img
    rm -f "$image"
    image_file=$image
    truncate -s $(((bytes * 3 / 2 >> 20) + 512))M "$image"
    mkfs.ext4 -q -F "$image"
    # Direct I/O: the loop device's reads reach the file's disk, not its page cache.
    loop_device=$(losetup -f --show --direct-io=on "$image")
    mkdir "$scratch/slow"
    mount "$loop_device" "$scratch/slow"
    mounted=$scratch/slow
    cp -a "$source" "$scratch/slow/"
    sync
    device=$(lsblk -dno MAJ:MIN "$loop_device" | tr -d ' ')
    mkdir "$group"
    if [ -f "$group/io.max" ]; then
        echo "$device riops=$RIOPS rbps=$RBPS" >"$group/io.max"
    else
        echo "$device $RIOPS" >"$group/blkio.throttle.read_iops_device"
        echo "$device $RBPS" >"$group/blkio.throttle.read_bps_device"
    fi
    slow_dir=$scratch/slow/$(basename "$source")
}

for job in $JOBS; do
    case $job in
    cold)
        if ! $cold; then
            echo "== cold: skipped, the page cache cannot be dropped here"
            continue
        fi
        dir=$(bash "$here/corpus.sh" dups)
        cmp=$(bash "$here/corpus.sh" cmp)
        echo "== DUPS, page cache dropped before each run (target: quorvex-cli <= 0.6 x jdupes)"
        dups_rows "$dir"
        echo "== CMP compare --content, page cache dropped before each run (target <= 0.8 x diff -rq)"
        rows quorvex-cli "$cli compare --content --no-cache $cmp/A $cmp/B" "diff -rq" "diff -rq $cmp/A $cmp/B"
        ;;
    warm)
        dir=$(bash "$here/corpus.sh" dups)
        echo "== DUPS, page cache warm (target: quorvex-cli <= 0.5 x jdupes)"
        find "$dir" -type f -exec cat {} + >/dev/null 2>&1 || true
        warm=true dups_rows "$dir"
        ;;
    slow)
        echo "== DUPS${SLOW_SUBDIR:+/$SLOW_SUBDIR} on a loop device throttled to $RIOPS read requests and $RBPS bytes a second (target: quorvex-cli <= 0.6 x jdupes)"
        make_slow_disk || continue
        # Each command runs in the throttled group; the page cache is dropped before it.
        printf '#!/bin/sh\necho $$ >"%s/cgroup.procs" && exec "$@"\n' "$group" >"$scratch/in-group"
        chmod +x "$scratch/in-group"
        rows quorvex-cli "$scratch/in-group $cli dups --hidden --no-cache $slow_dir" \
            jdupes "$scratch/in-group jdupes -r -q $slow_dir" \
            rmlint "$scratch/in-group rmlint -o summary:stdout $slow_dir"
        ;;
    *)
        echo "bench-cold: unknown job $job" >&2
        exit 1
        ;;
    esac
done
