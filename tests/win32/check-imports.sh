#!/usr/bin/env bash
# check-imports.sh Velloband.exe: fails unless every DLL the program imports is part of
# Windows itself, so that the one file runs from any folder without a MinGW runtime beside it.
set -euo pipefail
exe=${1:?usage: check-imports.sh Velloband.exe}
system_dlls="kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll ole32.dll oleaut32.dll
             urlmon.dll wininet.dll advapi32.dll msvcrt.dll shlwapi.dll"
imported=$("${OBJDUMP:-x86_64-w64-mingw32-objdump}" -p "$exe" |
           sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$imported" ] || { echo "check-imports: no import table in $exe" >&2; exit 1; }
others=$(grep -vxF -f <(tr -s ' \n' '\n\n' <<<"$system_dlls") <<<"$imported" || true)
[ -z "$others" ] || { echo "check-imports: $exe imports non-system DLLs:" $others >&2; exit 1; }
