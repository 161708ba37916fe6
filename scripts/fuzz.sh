#!/usr/bin/env bash
# Fuzzes the calculator's input, the engine and the result table for a bounded
# time: bash scripts/fuzz.sh [SECONDS] (default 60). Any sanitizer report,
# trap or crash fails the run; libFuzzer then saves the input as crash-* in
# build/fuzz/findings, to be fixed and added to fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# New inputs go to the build tree; the committed seeds stay as they are.
mkdir -p build/fuzz/corpus build/fuzz/findings
build/fuzz/fuzz/calculator_fuzz \
    -max_total_time="$seconds" -max_len=512 -timeout=10 -print_final_stats=1 \
    -dict=fuzz/calculator.dict -artifact_prefix=build/fuzz/findings/ \
    build/fuzz/corpus fuzz/corpus
