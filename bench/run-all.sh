#!/usr/bin/env bash
# make bench: runs the benchmark scripts with the build folder.
# Each script takes its corpus from $BENCH (default /tmp/quorvex-bench), which
# make-corpora.py builds there from nothing when it is missing, times quorvex-cli
# beside its peers in the same run and prints ratios.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
export QUORVEX_CLI=$(cd "$build" && pwd)/quorvex-cli
export BENCH=${BENCH:-/tmp/quorvex-bench}
needed=(hyperfine rsync jq python3 /usr/bin/time)
for tool in "${needed[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        apt-get update -qq && apt-get install -y -qq hyperfine rsync jq python3 time >/dev/null
        break
    fi
done
status=0
for name in compare compare-list dups dupdirs cache cold link empty similar copy pictures; do
    script=$here/bench-$name.sh
    [ -f "$script" ] || continue
    echo "== $(basename "$script")"
    bash "$script" || status=1
done
exit $status
