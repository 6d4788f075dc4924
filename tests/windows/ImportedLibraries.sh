#!/bin/sh
# Fails when a program imports a library that the loader would look for
# beside the program before the system folder: only known system libraries
# may be imported, and the common controls, which the manifest takes from the
# side-by-side store. Arguments: objdump, the program.
set -eu
objdump=$1
program=$2
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll shell32.dll
advapi32.dll msvcrt.dll"
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports found in $program"; exit 1; }
status=0
for name in $imports; do
    case " $(echo $allowed) " in
        *" $name "*) echo "ok: $name" ;;
        *) echo "not a known system library: $name"; status=1 ;;
    esac
done
exit $status
