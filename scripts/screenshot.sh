#!/usr/bin/env bash
# Renders the README's pictures with the real program, offscreen: the main
# window after the typical case (husband, mother, father) and after the
# worked example of "How the calculation works", that example's
# step-by-step solution, and the distribution of its estate, from its case
# file, the grandfather case of "The school" under the Shafi'i school, and
# the combined table (الجامعة) of the books' first example of successive
# deaths, from its case file, the relation builder beside a case of
# relatives by path, the solution of a case of distant kindred, and the
# division of a case that waits for an unborn child, from its case file.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target qismaru >/dev/null
mkdir -p docs
shoot() {
    QT_QPA_PLATFORM=offscreen build/release/app/desktop/qismaru --screenshot "$1" --case "$2" "${@:3}"
    echo "$1"
}
shoot docs/main-window.png "h=1 m=1 f=1"
shoot docs/worked-example.png "h=1 m=1 d=3 bm=1"
shoot docs/worked-example-steps.png "h=1 m=1 d=3 bm=1" --window steps
shoot docs/school-shafii.png "gf=1 b=2" --school shafii
shoot docs/kindred-steps.png "w=1 d.d=1 s.d.d=1" --school hanbali --window steps
shoot_file() {
    QT_QPA_PLATFORM=offscreen build/release/app/desktop/qismaru --screenshot "$1" --window "$2" "$3"
    echo "$1"
}
shoot_file docs/estate-window.png estate docs/worked-example.qismaru
shoot_file docs/combined-window.png combined docs/successive-deaths.qismaru
shoot_file docs/relation-builder.png relative docs/relatives-by-path.qismaru
shoot_file docs/waiting-case.png waiting docs/waiting-case.qismaru
