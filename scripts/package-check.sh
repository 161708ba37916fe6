#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a user would, runs
# the installed programs and removes the package again. Needs root (or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
deb="$(ls build/release/qismaru_*_*.deb)"
echo "built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
remove() { $sudo apt-get remove -y -qq qismaru >/dev/null; }
trap remove EXIT
$sudo apt-get install -y -qq "./$deb" >/dev/null

# The installed calculator answers the husband, mother and father case: the
# husband a half, the mother a third of the remainder, the father the rest,
# out of a base of 6.
report="$(/usr/bin/qismaru-calc h=1 m=1 f=1)"
echo "$report"
for expected in 'زوج | 1 / 2 | 3 |  | %50' 'أم | ثلث الباقي | 1 |  | %16.66' 'أب | الباقي | 2 |  | %33.33' \
                '6 =أصل المسألة'; do
    grep -qF -- "$expected" <<<"$report" || { echo "missing from the installed calculator's answer: $expected" >&2; exit 1; }
done

/usr/bin/qismaru --version | grep -qx "qismaru $(dpkg-deb --field "$deb" Version)"
desktop-file-validate /usr/share/applications/io.github.qismaru.Qismaru.desktop
# The case file type is known once the package is in: *.qismaru opens in Qismaru.
grep -q '^application/x-qismaru:\*\.qismaru$' /usr/share/mime/globs
for size in 16 32 48 64 128 256; do
    test -s "/usr/share/icons/hicolor/${size}x${size}/apps/io.github.qismaru.Qismaru.png"
done
# Read from the package, not the disk: minimal images may be set to drop manual
# pages. The listing is kept whole first: grep -q stops at its first match and
# would break dpkg-deb's pipe, which pipefail reports as a failure.
contents="$(dpkg-deb -c "$deb")"
grep -q 'usr/share/man/man1/qismaru-calc.1.gz$' <<<"$contents"
grep -q 'usr/share/doc/qismaru/copyright$' <<<"$contents"
echo "the package installs, runs and is removed cleanly"
