#!/usr/bin/env bash
# Installs every Debian package the build, the program, the tests, the fuzzer,
# the Debian package and the benchmarks need; with --core, only those of the
# Qt-free core (the core preset: no Qt, no benchmarks); with --web, also
# those of the web page (scripts/web.sh): Emscripten, headless Chromium and
# Node.js. Safe to run again: packages that are already installed are skipped.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev
  nlohmann-json3-dev libcli11-dev libfmt-dev libgmp-dev
  clang-format-14
)
if [ "${1:-}" != "--core" ]; then
  packages+=(
    qt6-base-dev qt6-translations-l10n libbenchmark-dev
    fonts-hosny-amiri fonts-noto-ui-core fonts-dejavu-core
    poppler-utils
    cups printer-driver-cups-pdf
    clang-14 libclang-rt-14-dev
    librsvg2-bin dpkg-dev file appstream desktop-file-utils man-db shared-mime-info
    time bc
  )
fi
if [ "${1:-}" = "--web" ]; then
  # The page's fonts are cut to the characters it writes (pyftsubset, WOFF2).
  packages+=(emscripten chromium nodejs python3 python3-fonttools python3-brotli)
  # npm comes with Node.js from some sources; Debian packs it apart.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
