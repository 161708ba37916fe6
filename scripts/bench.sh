#!/usr/bin/env bash
# Measures the engine (Google Benchmark) and `qismaru-calc --batch` over
# 100,000 cases, on an optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target engine_bench write_case_mix qismaru-calc >/dev/null

build/release/bench/engine_bench --benchmark_filter=BM_computeCase

cases=$(mktemp)
trap 'rm -f "$cases"' EXIT
build/release/bench/write_case_mix 100000 >"$cases"
start=$(date +%s.%N)
build/release/app/qismaru-calc --batch <"$cases" >/dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "qismaru-calc --batch: 100000 cases in %.2f s\n", e - s }'
