#!/usr/bin/env bash
# make bench: runs the benchmark scripts with the build folder.
# Each script builds its corpus under $BENCH (default /tmp/quorvex-bench), times
# quorvex-cli beside its peers in the same run and prints ratios.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
export QUORVEX_CLI=$(cd "$build" && pwd)/quorvex-cli
export BENCH=${BENCH:-/tmp/quorvex-bench}
# The reference corpus builder lives in the shared folder beside the repository.
export HARNESS=${HARNESS:-$(cd "$here/../.." && pwd)/shared/bench}
[ -d "$HARNESS" ] || HARNESS=/work/shared/bench
export QUORVEX_MAKE_CORPORA=${QUORVEX_MAKE_CORPORA:-$HARNESS/make_corpora.sh}
command -v hyperfine >/dev/null || { apt-get update -qq && apt-get install -y -qq hyperfine rsync time >/dev/null; }
status=0
for script in "$here"/bench-compare.sh "$here"/bench-compare-list.sh "$here"/bench-dups.sh \
    "$here"/bench-similar.sh "$here"/bench-empty.sh; do
    echo "== $(basename "$script")"
    bash "$script" || status=1
done
exit $status
