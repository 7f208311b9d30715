#!/usr/bin/env bash
# Fails when a Windows executable imports a DLL that Windows itself does not ship: the game
# must run from its unzipped folder with nothing else installed.
#   check_imports.sh OBJDUMP EXE...
set -u
objdump=$1
shift
system_dlls='^(kernel32|user32|gdi32|winmm|comctl32|comdlg32|shell32|shlwapi|advapi32|ole32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'
failed=0
for exe in "$@"; do
  imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  if [ -z "$imports" ]; then
    echo "$exe: no import table found"
    failed=1
  fi
  while read -r dll; do
    [ -z "$dll" ] && continue
    if ! grep -qiE "$system_dlls" <<<"$dll"; then
      echo "$exe imports $dll, which is not part of Windows"
      failed=1
    fi
  done <<<"$imports"
done
exit $failed
