#!/usr/bin/env bash
# Runs a test program with QISMARU_FULL_DISK naming an empty file system of
# 16 KiB of its own (a tmpfs in a private mount namespace), which the test
# fills to see a save fail as it does on a full disk. Where no such file
# system can be mounted, says so and exits 77, which ctest shows as skipped.
# Usage: on_full_disk.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
disk=$(mktemp -d)
trap 'rmdir "$disk"' EXIT
# Root may have a mount namespace of its own; anyone else borrows root's
# powers inside a user namespace.
if [[ $(id -u) -eq 0 ]]; then namespace=(unshare --mount); else namespace=(unshare --map-root-user --mount); fi
if ! "${namespace[@]}" mount -t tmpfs -o size=16k tmpfs "$disk" 2>/dev/null; then
    echo "SKIPPED: '${namespace[*]} mount -t tmpfs' failed here: the save on a full disk was not tried"
    exit 77
fi
QISMARU_FULL_DISK=$disk "${namespace[@]}" sh -c 'mount -t tmpfs -o size=16k tmpfs "$QISMARU_FULL_DISK" && exec "$@"' sh "$@"
