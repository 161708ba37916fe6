#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# tests, the same under sanitizers, a fuzz run, the Debian package check,
# the sweeps and the web page in headless Chromium.
#   bash scripts/test.sh --quick   the fast loop: the house style, then the
#                                  Qt-free core built and tested (the core
#                                  preset: no Qt, no benchmarks, no sweeps)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--quick" ]; then
    bash scripts/setup.sh --core
    bash scripts/format-check.sh
    export LC_ALL=C.UTF-8
    exec cmake --workflow --preset core
fi

bash scripts/setup.sh

# The house style first: a formatting slip fails in seconds, not after the build.
bash scripts/format-check.sh

# Pin what the environment could change: no display, no scaling, one locale.
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_FONT_DPI QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING DISPLAY
export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

# A real print queue for the end-to-end printing test; without CUPS that test
# reports itself skipped.
bash scripts/start-print-queue.sh || true

cmake --workflow --preset ci
# The same tests again under the address and undefined-behaviour sanitizers.
cmake --workflow --preset asan
# A bounded fuzz run over the calculator's input, the engine and the table.
bash scripts/fuzz.sh 60
# The Debian package: built, installed with apt-get, run, and removed again.
bash scripts/package-check.sh
# In the optimised build the package check made: the full sweep against its
# recorded signature, and 100,000 cases just below 2^53 against rational
# arithmetic.
bash scripts/sweep.sh
bash scripts/sweep.sh --near-limit 100000
# The web page: the same C++ as WebAssembly, its answers against the native
# calculator's in the optimised build above, and the page driven by clicks
# and keys in headless Chromium.
bash scripts/web.sh --test
