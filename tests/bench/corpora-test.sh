#!/usr/bin/env bash
# The benchmark corpus builder at a small scale: what it writes agrees with what
# it records (the counts the benchmark scripts check results against), and the
# same seed gives the same bytes.
#
#   corpora-test.sh MAKE_CORPORA_PY
set -uo pipefail
builder=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # description, expected, actual
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected $2, got $3"
        failures=$((failures + 1))
    fi
}

python3 "$builder" --out "$work/one" --scale 0.005 || { echo "FAIL: the builder failed"; exit 1; }
[ -e "$work/one/million" ] && check "million built only when named" no yes
python3 "$builder" --out "$work/one" --scale 0.005 million 2>/dev/null
python3 "$builder" --out "$work/two" --scale 0.005 empty cmp 2>/dev/null
for name in cmp big dups dupsbig empty million; do
    [ -f "$work/one/$name.done" ] || check "$name finished" yes no
done

truth() { awk -v k="$1" '$1 == k { print $2 }' "$work/one/empty.truth"; }
check "empty: zero-size files" "$(truth zero_size_files)" "$(find "$work/one/empty" -type f -empty | wc -l)"
check "empty: empty folders" "$(truth empty_leaf_folders)" "$(find "$work/one/empty" -mindepth 1 -type d -empty | wc -l)"
check "empty: files" "$(truth files)" "$(find "$work/one/empty" -type f | wc -l)"

# Every recorded change of B shows in a comparison of contents and times.
changes=$(wc -l <"$work/one/cmp/changes.tsv")
[ "$changes" -ge 12 ] || check "cmp: changes recorded" "at least 12" "$changes"
while IFS=$'\t' read -r kind path _; do
    case $kind in
        content_same_size)
            cmp -s "$work/one/cmp/A/$path" "$work/one/cmp/B/$path" && check "cmp: $path differs" yes no
            check "cmp: $path size" "$(stat -c %s "$work/one/cmp/A/$path")" "$(stat -c %s "$work/one/cmp/B/$path")"
            check "cmp: $path time" "$(stat -c %Y "$work/one/cmp/A/$path")" "$(stat -c %Y "$work/one/cmp/B/$path")" ;;
        deleted_in_B | dir_only_in_A) [ -e "$work/one/cmp/B/$path" ] && check "cmp: $path gone from B" yes no ;;
        added_in_B | dir_only_in_B) [ -e "$work/one/cmp/A/$path" ] && check "cmp: $path absent in A" yes no ;;
    esac
done <"$work/one/cmp/changes.tsv"

big=$work/one/big
cmp -s "$big/A/f.bin" "$big/same/f.bin" || check "big: same equals A" yes no
for side in last4k first; do
    cmp -s "$big/A/f.bin" "$big/$side/f.bin" && check "big: $side differs from A" yes no
    check "big: $side size" "$(stat -c %s "$big/A/f.bin")" "$(stat -c %s "$big/$side/f.bin")"
done

million=$work/one/million
million_truth() { awk -v k="$1" '$1 == k { print $2 }' "$work/one/million.truth"; }
check "million: files" "$(million_truth files)" "$(find "$million/A" -type f | wc -l)"
check "million: zero-size files" "$(million_truth zero_size_files)" "$(find "$million/A" -type f -empty | wc -l)"
check "million: empty folders" "$(million_truth empty_leaf_folders)" "$(find "$million/A" -mindepth 1 -type d -empty | wc -l)"
check "million: B as many files" "$(million_truth files)" "$(find "$million/B" -type f | wc -l)"
groups=$(find "$million/A" -type f -size +0 -exec md5sum {} + | awk '{ n[$1]++ } END { for (h in n) if (n[h] > 1) { g++; f += n[h] } print g + 0, f + 0 }')
check "million: duplicate groups and their files" "$(million_truth duplicate_groups) $(million_truth files_in_duplicate_groups)" "$groups"

plan=$work/one/dupsbig.plan
check "dupsbig: files" "$(wc -l <"$plan")" "$(find "$work/one/dupsbig" -type f | wc -l)"
while IFS=$'\t' read -r kind path source; do
    case $kind in
        copy) cmp -s "$work/one/dupsbig/$path" "$work/one/dupsbig/$source" || check "dupsbig: $path copies $source" yes no ;;
        near_copy) cmp -s "$work/one/dupsbig/$path" "$work/one/dupsbig/$source" && check "dupsbig: $path differs" yes no ;;
    esac
done <"$plan"

# The same seed, the same corpus: names, bytes and times.
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
for name in empty cmp; do
    differences=$(diff <(listing "$work/one/$name") <(listing "$work/two/$name") | head -4)
    [ -z "$differences" ] || check "$name: same seed, same corpus" "no differences" "$differences"
done

[ $failures -eq 0 ] && echo "corpora: all checks passed"
exit $((failures > 0))
