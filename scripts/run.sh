#!/usr/bin/env bash
# Installs what is missing, builds the programs and computes a sample case.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target qismaru-calc
echo "Husband, mother and father (the first 'Umariyyatan case):"
build/release/app/qismaru-calc h=1 m=1 f=1
