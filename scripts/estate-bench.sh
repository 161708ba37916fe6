#!/usr/bin/env bash
# Measures what settling an estate adds to `qismaru-calc --batch`: the same
# 100,000 cases of the engine benchmark's mix, once as bare counts and once
# with an estate on every line (amounts that no base divides, a bequest cut
# to its third), each run five times on an optimised build; prints the
# median times and their ratio. The estate must keep the batch within 1.5×.
#   bash scripts/estate-bench.sh [CASES] [-- extra qismaru-calc options]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/batch-timing.sh
cases="${1:-100000}"
shift || true
[ "${1:-}" = "--" ] && shift
extra=("$@")

cmake --preset release >/dev/null
cmake --build --preset release --target write_case_mix qismaru-calc >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/bench/write_case_mix "$cases" >"$work/bare.jsonl"
awk '{ printf "{\"counts\": %s, \"estate\": {\"gross\": \"%d.%02d\", \"funeral\": \"1250.50\", \"debts\": \"%d\", \"bequest\": \"50000\", \"heirsConsent\": false, \"decimals\": 2}}\n", $0, 100000 + NR * 37, NR % 100, NR % 9000 }' \
    "$work/bare.jsonl" >"$work/estate.jsonl"

bare=$(median_batch_seconds "$work/bare.jsonl" "${extra[@]}")
with=$(median_batch_seconds "$work/estate.jsonl" "${extra[@]}")
printf 'qismaru-calc --batch %s: %d cases without an estate %.3f s, with an estate on every line %.3f s, ratio %.2f\n' \
    "${extra[*]}" "$cases" "$bare" "$with" "$(echo "$with / $bare" | bc -l)"
