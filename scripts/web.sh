#!/usr/bin/env bash
# The web page: the same C++ as the desktop program and qismaru-calc,
# compiled to WebAssembly with Debian's Emscripten, and a static site in
# build/web/ that works offline, from disk or from any static host.
#   bash scripts/web.sh               installs what is missing, builds the site
#   bash scripts/web.sh --serve [PORT]
#                                     and serves it on http://127.0.0.1:8080/
#   bash scripts/web.sh --test        and drives it in headless Chromium: answer()
#                                     against the native qismaru-calc on 2,000+
#                                     lines, the page by clicks and keys, case files
#   bash scripts/web.sh --measure     the time to the first answer from disk, the
#                                     time of each Calculate, the transferred sizes
#   bash scripts/web.sh --screenshot  the README's picture, docs/web-page.png
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --web
# Debian's Emscripten runs its tools with the system's node, which finds
# their modules (acorn, ...) only here.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null
cmake --build --preset web
site=build/web
echo "the site: $site/ (open $site/index.html, or: bash scripts/web.sh --serve)"

serve() {
    echo "serving $site/ on http://127.0.0.1:$1/ (Ctrl+C ends)"
    exec python3 -m http.server "$1" --bind 127.0.0.1 --directory "$site"
}

# puppeteer-core, pinned in tests/web/package-lock.json, drives Debian's
# Chromium; it downloads no browser.
node_tools() {
    local tools=build/web-tools
    mkdir -p "$tools"
    if ! cmp -s tests/web/package-lock.json "$tools/package-lock.json" || [ ! -d "$tools/node_modules" ]; then
        cp tests/web/package.json tests/web/package-lock.json "$tools/"
        (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error)
    fi
    export NODE_PATH="$PWD/$tools/node_modules"
}

case "${1:-}" in
"") ;;
--serve) serve "${2:-8080}" ;;
--test)
    node_tools
    cmake --preset release >/dev/null
    cmake --build --preset release --target qismaru-calc >/dev/null
    port=8137
    python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
    server=$!
    trap 'kill "$server" 2>/dev/null || true' EXIT
    export QISMARU_SITE="$PWD/$site" QISMARU_SITE_URL="http://127.0.0.1:$port/" QISMARU_CALC="$PWD/build/release/app/qismaru-calc"
    node tests/web/answers_test.cjs
    node tests/web/page_test.cjs
    ;;
--measure)
    node_tools
    QISMARU_SITE="$PWD/$site" node tests/web/measure.cjs
    ;;
--screenshot)
    node_tools
    QISMARU_SITE="$PWD/$site" node tests/web/screenshot.cjs docs/web-page.png
    ;;
*)
    echo "usage: bash scripts/web.sh [--serve [PORT] | --test | --measure | --screenshot]" >&2
    exit 2
    ;;
esac
