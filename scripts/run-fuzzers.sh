#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build (make fuzz) for a bounded time.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS
# Each target starts from its kept inputs (tests/fuzz/inputs/<target>/) and the corpus
# it grew in earlier runs (BUILD_DIR/fuzz-corpus/<target>/). An input that makes a
# target fail is written to tests/fuzz/inputs/<target>/, where `make test` replays it;
# the script then ends with status 1.
set -uo pipefail

build=${1:?build folder}
seconds=${2:-60}
inputs="$(cd "$(dirname "$0")/.." && pwd)/tests/fuzz/inputs"
failed=()
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
    target=$(basename "$fuzzer")
    target=${target#fuzz_}
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz: $target for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$inputs/$target/" -print_final_stats=1 \
        "$corpus" "$inputs/$target" >"$build/fuzz-$target.log" 2>&1; then
        failed+=("$target")
        tail -n 30 "$build/fuzz-$target.log"
    else
        grep -E '^stat::number_of_executed_units' "$build/fuzz-$target.log" || true
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: faults found by ${failed[*]}; the inputs are kept in $inputs" >&2
    exit 1
fi
echo "fuzz: every target ran clean"
