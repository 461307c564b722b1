#!/bin/sh
# The program imports only DLLs that Windows 10 and 11 bring, so that the one
# .exe runs wherever it is copied: usage: system_dlls.sh <objdump> <program.exe>
set -eu
dlls=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$dlls" ] || { echo "no imports found in $2" >&2; exit 1; }
foreign=
for dll in $dlls; do
    case $dll in
    advapi32.dll | comctl32.dll | comdlg32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | \
        ole32.dll | oleaut32.dll | setupapi.dll | shell32.dll | shlwapi.dll | user32.dll | \
        uxtheme.dll | version.dll | windowscodecs.dll) ;;
    *) foreign="$foreign $dll" ;;
    esac
done
if [ -n "$foreign" ]; then
    echo "not a DLL of the system:$foreign" >&2
    exit 1
fi
echo "imports:" $dlls
