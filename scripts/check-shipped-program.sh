#!/usr/bin/env bash
# Checks the executable that ships: it imports only DLLs that every Windows
# has (no MinGW runtime DLL must travel with it), carries no test switch,
# and prints its size and imports.
#   check-shipped-program.sh UEscape.exe
set -euo pipefail
exe=$1
system_dlls="KERNEL32.dll USER32.dll GDI32.dll msvcrt.dll"

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
status=0
for dll in $imports; do
  case " $system_dlls " in
    *" $dll "*) ;;
    *) echo "imports a DLL that is not part of Windows: $dll"; status=1 ;;
  esac
done
if grep -q "UESCAPE_TEST" "$exe"; then
  echo "carries a test switch (UESCAPE_TEST...)"
  status=1
fi
echo "$(basename "$exe"): $(stat -c %s "$exe") bytes; imports: $(echo $imports)"
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
