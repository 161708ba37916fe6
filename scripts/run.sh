#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target qismaru qismaru-calc
exec build/release/app/desktop/qismaru "$@"
