#!/usr/bin/env bash
# fuzz.sh BUILD_DIR SECONDS TARGET...
# Runs each fuzz target for SECONDS on its corpus (the stored one under fuzz/
# and the one it grows in BUILD_DIR) and prints libFuzzer's summary lines; the
# first target that finds a crash, a leak or a timeout fails the run.
set -euo pipefail
build=$1 seconds=$2
shift 2
export ASAN_SYMBOLIZER_PATH=$(clang -print-prog-name=llvm-symbolizer)
for target in "$@"; do
    mkdir -p "$build/corpus/$target"
    "$build/fuzz/fuzz_$target" "$build/corpus/$target" "fuzz/corpus/$target" -max_total_time="$seconds" \
        -timeout=20 -artifact_prefix="$build/" -print_final_stats=1 2>&1 \
        | { grep -E '^(stat::number_of_executed_units|Done|==|SUMMARY)' || true; }
done
