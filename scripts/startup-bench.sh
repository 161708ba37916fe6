#!/usr/bin/env bash
# Start-up of the desktop program: starts it offscreen RUNS times (default
# 25), each time until its main window is first painted, and reports the
# median time from launch to that paint and the peak resident memory.
#
#   bash scripts/startup-bench.sh [PROGRAM] [RUNS]
#
# PROGRAM defaults to the installed qismaru (from the Debian package), else
# the optimised build's.
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-$(command -v qismaru || echo build/release/app/desktop/qismaru)}"
runs="${2:-25}"
[[ -x "$program" ]] || { echo "no program at $program: install the package or run the release build" >&2; exit 1; }

# Offscreen unless told otherwise (QT_QPA_PLATFORM=xcb with a DISPLAY measures
# a real X server).
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

times=()
peak_kb=0
for ((run = 0; run < runs; run++)); do
    report="$(mktemp)"
    started="$(date +%s%N)"
    /usr/bin/time -a -f "peak-kb: %M" -o "$report" "$program" --quit-after-first-paint >>"$report" 2>/dev/null
    painted="$(awk '/^first-paint-ns:/ {print $2}' "$report")"
    kb="$(awk '/^peak-kb:/ {print $2}' "$report")"
    rm -f "$report"
    [[ -n "$painted" ]] || { echo "run $run: the program quit without painting" >&2; exit 1; }
    times+=("$(((painted - started) / 1000))")
    ((kb > peak_kb)) && peak_kb="$kb"
done

median_us="$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}')"
echo "program: $program ($QT_QPA_PLATFORM)"
echo "runs: $runs"
printf 'median launch to first paint: %.1f ms\n' "$(echo "$median_us / 1000" | bc -l)"
printf 'peak resident memory: %.1f MB\n' "$(echo "$peak_kb / 1024" | bc -l)"
