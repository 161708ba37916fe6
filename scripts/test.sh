#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

# Pin what the environment could change: no display, no scaling, one locale.
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_FONT_DPI QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING DISPLAY
export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

# A real print queue for the end-to-end printing test; without CUPS that test
# reports itself skipped.
bash scripts/start-print-queue.sh || true

cmake --workflow --preset ci
