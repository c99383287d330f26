#!/usr/bin/env bash
# Runs every fuzzer of a build for a bounded time on a copy of its checked-in
# seed corpus: run-fuzzers.sh FUZZ_BUILD_DIR SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for fuzzer in "$build"/*Fuzzer; do
    name=$(basename "$fuzzer")
    mkdir -p "$work/$name"
    cp -r "fuzz/corpus/$name/." "$work/$name/"
    echo "--- $name for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=1 "$fuzzer" -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$work/$name-" "$work/$name" 2>&1 | tail -n 12
done
