#!/usr/bin/env bash
# check-imports.sh Velloband.exe: fails unless every DLL the program imports is part of
# Windows itself, so that the one file runs from any folder without a MinGW runtime beside it.
set -euo pipefail
exe=${1:?usage: check-imports.sh Velloband.exe}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

system_dlls=(kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll ole32.dll oleaut32.dll
             urlmon.dll wininet.dll advapi32.dll msvcrt.dll shlwapi.dll)

mapfile -t imported < <("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
                        tr '[:upper:]' '[:lower:]' | sort -u)
[ ${#imported[@]} -gt 0 ] || { echo "check-imports: no import table in $exe" >&2; exit 1; }

bad=0
for dll in "${imported[@]}"; do
  if ! printf '%s\n' "${system_dlls[@]}" | grep -qxF "$dll"; then
    echo "check-imports: $exe imports $dll, which is not a system DLL" >&2
    bad=1
  fi
done
exit $bad
