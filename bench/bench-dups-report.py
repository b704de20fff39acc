#!/usr/bin/env python3
"""Helpers of bench-dups.sh.

check TSV JDUPES      the duplicate groups of quorvex-cli (TSV rows) and of jdupes
                      (blank-line separated paths) must name the same files
report CORPUS JSON DIR NAME...
                      prints median time, peak memory and both ratios to the
                      fastest peer (every name but the first is a peer)
"""
import json
import statistics
import sys


def groups_of_quorvex(path):
    groups = {}
    with open(path, "rb") as f:
        for line in f:
            fields = line.rstrip(b"\n").split(b"\t")
            groups.setdefault(fields[5], set()).add(fields[4] + fields[0])
    return {frozenset(g) for g in groups.values()}


def groups_of_jdupes(path):
    with open(path, "rb") as f:
        blocks = f.read().split(b"\n\n")
    return {frozenset(b.split(b"\n")) for b in (b.strip(b"\n") for b in blocks) if b}


def check(tsv, jdupes):
    ours, theirs = groups_of_quorvex(tsv), groups_of_jdupes(jdupes)
    files = sum(len(g) for g in ours)
    if ours != theirs:
        print(f"MISMATCH: quorvex {len(ours)} groups, jdupes {len(theirs)} groups")
        sys.exit(1)
    print(f"same result as jdupes: {len(ours)} groups, {files} files")


def report(corpus, json_path, folder, names):
    with open(json_path) as f:
        results = {r["command"]: r for r in json.load(f)["results"]}
    rows = []
    for name in names:
        with open(f"{folder}/{corpus}.{name}.rss") as f:
            rss = statistics.median(int(v) for v in f.read().split()) / 1024
        rows.append((name, results[name]["median"], rss))
    peers = rows[1:]
    fastest = min(peers, key=lambda r: r[1])
    print(f"\n{corpus}: fastest peer {fastest[0]}")
    print(f"{'tool':<12} {'median s':>9} {'x fastest':>10} {'max RSS MiB':>12} {'x its RSS':>10}")
    for name, median, rss in rows:
        print(f"{name:<12} {median:9.3f} {median / fastest[1]:10.2f} {rss:12.1f} "
              f"{rss / fastest[2]:10.2f}")


if __name__ == "__main__":
    if sys.argv[1] == "check":
        check(sys.argv[2], sys.argv[3])
    else:
        report(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
