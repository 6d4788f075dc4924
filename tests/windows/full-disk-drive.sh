#!/bin/sh
# Runs the full-disk cases of a Windows test program on a Wine drive T:
# mapped onto a small tmpfs. Mounting needs root; otherwise the test is
# skipped (exit 77) with a message. The drive link, the mount and its folder
# are removed on every way out; a run that was killed outright (a ctest
# timeout) cannot do that, so each run first removes what an earlier one
# left behind in this prefix.
# Usage: full-disk-drive.sh WINE-WRAPPER WINEPREFIX PROGRAM [ARGUMENTS...]
set -u
wrapper=$1; prefix=$2; shift 2
if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: a full disk needs a small tmpfs, which only root can mount: run the tests as root to check it"
    exit 77
fi
link="$prefix/dosdevices/t:"
# The folder of the drive in use, kept beside the prefix until it is gone.
record="$prefix.full-disk-drive"
remove_drive() {
    for old in "$(readlink "$link" 2>/dev/null)" "$(cat "$record" 2>/dev/null)"; do
        case "$old" in /tmp/glimmerpatch-drive-*) ;; *) continue ;; esac
        [ -d "$old" ] || continue
        if mountpoint -q "$old"; then umount "$old" || return 1; fi
        rmdir "$old" || return 1
    done
    rm -f "$link" "$record"
}
if ! remove_drive || [ -e "$link" ] || [ -L "$link" ]; then
    echo "drive T: of $prefix is still in use and could not be removed" >&2
    exit 1
fi
folder=$(mktemp -d /tmp/glimmerpatch-drive-XXXXXX) || exit 1
echo "$folder" > "$record"
trap remove_drive EXIT
trap 'exit 1' INT TERM HUP
if ! mount -t tmpfs -o size=512k,mode=0777 tmpfs "$folder"; then
    echo "SKIPPED: cannot mount a tmpfs here"
    exit 77
fi
mkdir -p "$prefix/dosdevices"
ln -s "$folder" "$link"
GLIMMER_FULL_DISK_DRIVE='T:\' "$wrapper" "$@"
