#!/usr/bin/env bash
# Renders the README's picture of the main window with the real program:
# the typical case (husband, mother, father) entered and computed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target qismaru >/dev/null
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/release/app/desktop/qismaru --screenshot docs/main-window.png --case "h=1 m=1 f=1"
echo "docs/main-window.png"
