#!/bin/bash
# A full disk during a build and during a save: the build leaves none of its
# files, the save leaves the project file as it was and no temporary file.
# Needs root for the small tmpfs; skipped (exit 77) otherwise.
set -u
scrivlet=$1
probe=$2
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: the disk-full check mounts a small tmpfs, which needs root"
    exit 77
fi
mnt=$(mktemp -d)
if ! mount -t tmpfs -o size=3m tmpfs "$mnt" 2> /dev/null; then
    rmdir "$mnt"
    echo "SKIP: no tmpfs could be mounted here"
    exit 77
fi
before=$(mktemp)
trap 'umount "$mnt"; rmdir "$mnt"; rm -f "$before"' EXIT
"$probe" save-once "$mnt/p.scw" || { echo "FAIL: the project did not fit"; exit 1; }
cp "$mnt/p.scw" "$before"
dd if=/dev/zero of="$mnt/filler" bs=4k > /dev/null 2>&1
status=0
"$scrivlet" --build "$mnt/p.scw" --no-run --base out > /dev/null 2>&1 || status=$?
if [ "$status" -ne 1 ]; then
    echo "FAIL: a build on a full disk exited $status"
    exit 1
fi
leftover=$(ls -A "$mnt" | grep -v -e '^p.scw$' -e '^filler$')
if [ -n "$leftover" ]; then
    echo "FAIL: the failed build left: $leftover"
    exit 1
fi
if "$probe" save-once "$mnt/p.scw" > /dev/null; then
    echo "FAIL: a save on a full disk reported success"
    exit 1
fi
cmp -s "$mnt/p.scw" "$before" || { echo "FAIL: the failed save changed the project"; exit 1; }
leftover=$(ls -A "$mnt" | grep -v -e '^p.scw$' -e '^filler$')
if [ -n "$leftover" ]; then
    echo "FAIL: the failed save left: $leftover"
    exit 1
fi
echo "PASS: a full disk failed the build and the save cleanly"
