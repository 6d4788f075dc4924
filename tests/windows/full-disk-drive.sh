#!/bin/sh
# Runs the full-disk cases of a Windows test program on a Wine drive T:
# mapped onto a small tmpfs. Mounting needs root; otherwise the test is
# skipped (exit 77) with a message. The drive link, the mount and its folder
# are removed on every way out.
# Usage: full-disk-drive.sh WINE-WRAPPER WINEPREFIX PROGRAM [ARGUMENTS...]
set -u
wrapper=$1; prefix=$2; shift 2
if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: a full disk needs a small tmpfs, which only root can mount: run the tests as root to check it"
    exit 77
fi
folder=$(mktemp -d /tmp/glimmerpatch-drive-XXXXXX) || exit 1
link="$prefix/dosdevices/t:"
cleanup() {
    [ -L "$link" ] && rm -f "$link"
    mountpoint -q "$folder" && umount "$folder"
    rmdir "$folder"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
if ! mount -t tmpfs -o size=512k,mode=0777 tmpfs "$folder"; then
    echo "SKIPPED: cannot mount a tmpfs here"
    exit 77
fi
mkdir -p "$prefix/dosdevices"
if [ -e "$link" ] || [ -L "$link" ]; then
    echo "drive T: is already mapped in $prefix" >&2
    exit 1
fi
ln -s "$folder" "$link"
GLIMMER_FULL_DISK_DRIVE='T:\' "$wrapper" "$@"
