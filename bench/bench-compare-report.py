#!/usr/bin/env python3
"""Prints the medians of the folder-comparison benchmark and the ratios to the peers."""
import json
import statistics
import sys
from pathlib import Path

JOBS = [
    ("cmp", "CMP metadata", "rsync -rn", 1.0),
    ("cmpc", "CMP content", "diff -rq", 1.2),
    ("big", "BIG 2 GiB identical pair", "cmp", 1 / 0.9),
]


def medians(path):
    results = json.loads(Path(path).read_text())["results"]
    return [statistics.median(r["times"]) for r in results]


def main(folder):
    failed = False
    print(f"{'job':28} {'quorvex s':>10} {'peer s':>10}  ratio  target")
    for name, title, peer, limit in JOBS:
        ours, theirs = medians(Path(folder) / f"{name}.json")
        ratio = ours / theirs
        verdict = "ok" if ratio <= limit else "MISS"
        failed |= ratio > limit
        print(f"{title:28} {ours:10.3f} {theirs:10.3f}  {ratio:5.2f}  <= {limit:.2f} x {peer} {verdict}")
    ours, theirs = medians(Path(folder) / "big.json")
    print(f"BIG throughput: {theirs / ours:.2f} x cmp (target >= 0.90)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
