#!/usr/bin/env bash
# The full sweep in an optimised build: every case of the family is computed
# and checked, and the signature of all results is compared with the one
# recorded in tests/sweep/signatures.txt. Prints the cases, findings and time.
#   bash scripts/sweep.sh                   the full sweep, for each school; the
#                                           reduced one for each school with the
#                                           spouse-return and no-return positions
#   bash scripts/sweep.sh [--reduced] [--school S] [--spouse-return] [--no-return]
#                                           one sweep
#   bash scripts/sweep.sh --near-limit N    N cases just below 2^53, checked
#                                           against rational arithmetic
#   bash scripts/sweep.sh --chains N        N chains of successive deaths, each
#                                           combined table checked against
#                                           rational arithmetic
#   bash scripts/sweep.sh --steps [--reduced] [--school S ...]
#                                           the step-by-step solution of every
#                                           case, checked against its result,
#                                           under every school and position
#                                           (or the one named)
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target qismaru-sweep >/dev/null

# One sweep: its report, and its signature compared with the recorded one.
sweep_once() {
    local report sweep signature recorded
    report="$(build/release/tests/sweep/qismaru-sweep "$@")" || { echo "$report"; return 1; }
    echo "$report"
    sweep="$(awk '/^sweep:/ {print $2}' <<<"$report")"
    [[ -n "$sweep" ]] || return 0  # the near-limit, chains and steps checks have no signature
    signature="$(awk '/^signature:/ {print $2}' <<<"$report")"
    recorded="$(awk -v s="$sweep" '$1 == s {print $2}' tests/sweep/signatures.txt)"
    if [[ "$signature" != "$recorded" ]]; then
        echo "the signature of $sweep differs from the recorded ${recorded:-(none)}: results changed" >&2
        return 1
    fi
    echo "signature as recorded"
}

if [[ $# -gt 0 ]]; then
    sweep_once "$@"
    exit
fi
for school in hanafi maliki shafii hanbali; do
    sweep_once --school "$school"
    sweep_once --reduced --school "$school" --spouse-return
done
for school in maliki shafii; do
    sweep_once --reduced --school "$school" --no-return
done
sweep_once --chains 100000
