#!/usr/bin/env bash
# make bench: runs every benchmark script bench/bench-*.sh with the build folder.
# Each script builds its corpus under $BENCH (default /tmp/quorvex-bench), times
# quorvex-cli beside its peers in the same run and prints ratios.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
export QUORVEX_CLI=$(cd "$build" && pwd)/quorvex-cli
export BENCH=${BENCH:-/tmp/quorvex-bench}
command -v hyperfine >/dev/null || { apt-get update -qq && apt-get install -y -qq hyperfine rsync time >/dev/null; }
status=0
for script in "$here"/bench-*.sh; do
    [ -e "$script" ] || continue
    echo "== $(basename "$script")"
    bash "$script" || status=1
done
exit $status
