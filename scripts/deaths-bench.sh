#!/usr/bin/env bash
# Measures what a later death costs `qismaru-calc --batch`: N lines of two
# deaths each (a case of the engine benchmark's mix, and an heir of it with
# parts who died leaving the heirs of the next case) against the same 2N
# cases one line each, each run five times on an optimised build; prints the
# median times and their ratio. A two-death line must stay within 3× the
# time of its two single cases (it is well under: the join is cheap beside
# the cases and the JSON).
#   bash scripts/deaths-bench.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/batch-timing.sh
pairs="${1:-50000}"

cmake --preset release >/dev/null
cmake --build --preset release --target write_case_mix qismaru-calc >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/bench/write_case_mix "$pairs" --later >"$work/later.jsonl"
build/release/bench/write_case_mix "$pairs" --later-as-singles >"$work/singles.jsonl"

singles=$(median_batch_seconds "$work/singles.jsonl")
later=$(median_batch_seconds "$work/later.jsonl")
printf 'qismaru-calc --batch: %d pairs of cases as %d single lines %.3f s, as %d two-death lines %.3f s, ratio %.2f\n' \
    "$pairs" "$((2 * pairs))" "$singles" "$pairs" "$later" "$(echo "$later / $singles" | bc -l)"
