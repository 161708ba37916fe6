#!/usr/bin/env bash
# Measures the engine (Google Benchmark) and `qismaru-calc --batch` over
# 100,000 mixed cases in the same run, on an optimised build, and gives the
# batch's speed as a share of the engine's.
#
# Both rates are cases per second of CPU time (user + system), as Google
# Benchmark counts them, so that other work on the machine does not pass
# for slowness; the wall time is shown beside. Each batch figure is the best
# of three runs, the engine figure the median of three repetitions.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target engine_bench write_case_mix qismaru-calc >/dev/null

calc=build/release/app/qismaru-calc
cases=$(mktemp)
trap 'rm -f "$cases"' EXIT
count=100000
build/release/bench/write_case_mix "$count" >"$cases"

# Cases per second of the engine alone, from the median line:
# "BM_computeCase_median ... items_per_second=2.1448M/s"
engine_rate=$(build/release/bench/engine_bench --benchmark_filter='^BM_computeCase$' \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { for (i = 1; i <= NF; ++i) if ($i ~ /^items_per_second=/) {
             v = substr($i, 18); unit = v; sub(/[0-9.]+/, "", unit); v += 0
             if (unit ~ /^k/) v *= 1e3; else if (unit ~ /^M/) v *= 1e6; else if (unit ~ /^G/) v *= 1e9
             printf "%.0f\n", v } }')
printf 'engine (BM_computeCase):        %8.0f cases/s\n' "$engine_rate"

# Runs the batch three times; prints "best-cpu-seconds wall-seconds".
measure_batch() {
    local best="" run
    for _ in 1 2 3; do
        run=$( { TIMEFORMAT='%U %S %R'; time "$calc" --batch "$@" <"$cases" >/dev/null; } 2>&1 )
        best=$(awk -v r="$run" -v b="$best" 'BEGIN { split(r, t, " "); cpu = t[1] + t[2]
            split(b, o, " "); if (b == "" || cpu < o[1]) print cpu, t[3]; else print b }')
    done
    echo "$best"
}

report() {
    local label=$1
    shift
    read -r cpu wall < <(measure_batch "$@")
    awk -v label="$label" -v n="$count" -v cpu="$cpu" -v wall="$wall" -v engine="$engine_rate" 'BEGIN {
        rate = n / cpu
        printf "%-31s %8.0f cases/s  (%d cases in %.2f s CPU, %.2f s wall)  %5.1f%% of the engine\n",
               label, rate, n, cpu, wall, 100 * rate / engine }'
}

report "batch, full output:" 
report "batch, --fields shares,case:" --fields shares,case
