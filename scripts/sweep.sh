#!/usr/bin/env bash
# The full sweep in an optimised build: every case of the family is computed
# and checked, and the signature of all results is compared with the one
# recorded in tests/sweep/signatures.txt. Prints the cases, findings and time.
#   bash scripts/sweep.sh                   the full sweep
#   bash scripts/sweep.sh --near-limit N    N cases just below 2^53, checked
#                                           against rational arithmetic
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target qismaru-sweep >/dev/null

report="$(build/release/tests/sweep/qismaru-sweep "$@")" || { echo "$report"; exit 1; }
echo "$report"
sweep="$(awk '/^sweep:/ {print $2}' <<<"$report")"
[[ -n "$sweep" ]] || exit 0  # the near-limit check has no signature
signature="$(awk '/^signature:/ {print $2}' <<<"$report")"
recorded="$(awk -v s="$sweep" '$1 == s {print $2}' tests/sweep/signatures.txt)"
if [[ "$signature" != "$recorded" ]]; then
    echo "the signature differs from the recorded $recorded: results changed" >&2
    exit 1
fi
echo "signature as recorded"
