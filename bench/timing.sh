# Timing helpers the benchmark scripts source: a page cache that can be dropped before
# a run where the machine allows it, one timed run with its blocks read, and ratios.
#
#   scratch=$(mktemp -d); . "$here/timing.sh"
#   run "jdupes -r" jdupes -r -q "$dir"; echo "$secs $blocks"

# cold is true when the page cache can be dropped here (root and a writable
# /proc/sys/vm/drop_caches); drop empties it then, and does nothing otherwise.
cold=false
if sync && echo 3 2>/dev/null >/proc/sys/vm/drop_caches; then
    cold=true
fi
drop() { $cold && sync && echo 3 >/proc/sys/vm/drop_caches; true; }

# run NAME COMMAND...: drops the page cache (unless $warm is true), runs the command
# once, prints the seconds and blocks read and keeps them in $secs, $blocks (and the
# peak memory in KiB in $rss). Output goes to $scratch/err and nowhere else.
run() {
    local name=$1
    shift
    ${warm:-false} || drop
    /usr/bin/time -f '%e %I %M' -o "$scratch/time" "$@" >/dev/null 2>"$scratch/err" || true
    read -r secs blocks rss < <(tail -1 "$scratch/time")
    printf '  %-34s %8.2f s %12s blocks\n' "$name" "$secs" "$blocks"
}

# ratio A B: A / B with two decimals ("n/a" when B is 0).
ratio() { python3 -c "import sys; a, b = map(float, sys.argv[1:]); print(f'{a / b:.2f}' if b else 'n/a')" "$1" "$2"; }

# median VALUES...: the median of the numbers given.
median() { python3 -c "import statistics, sys; print(statistics.median(map(float, sys.argv[1:])))" "$@"; }
