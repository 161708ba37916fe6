#!/usr/bin/env bash
# Fails when a C++ file differs from the house style in .clang-format.
# Fix with: bash scripts/format-check.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
# Every source folder, not the build trees (they hold generated code).
find answer app bench calc engine estate files fuzz help help_texts model present tests ui web -name '*.cpp' -o -name '*.h' |
    sort | xargs clang-format-14 "${mode[@]}"
echo "every C++ file is in the house style"
