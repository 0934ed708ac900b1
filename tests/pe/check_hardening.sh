#!/bin/sh
# Reads the PE header of a Windows program and checks that it asks for ASLR
# (with high-entropy addresses) and DEP, and imports only Windows' own DLLs.
# Usage: check_hardening.sh PROGRAM OBJDUMP
set -u
exe=$1
objdump=$2
header=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }

flags=$(printf '%s\n' "$header" | awk '/^DllCharacteristics/ {print $2; exit}')
[ -n "$flags" ] || { echo "no DllCharacteristics in $exe"; exit 1; }
value=$((0x$flags))
failed=0
check_flag() {  # bit, name
  if [ $((value & $1)) -eq 0 ]; then
    echo "missing $2 (DllCharacteristics 0x$flags)"
    failed=1
  fi
}
check_flag 0x0020 HIGH_ENTROPY_VA
check_flag 0x0040 DYNAMIC_BASE
check_flag 0x0100 NX_COMPAT

# Every DLL a clean Windows has; nothing from a compiler's runtime.
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll \
msimg32.dll msvcrt.dll uxtheme.dll ole32.dll shlwapi.dll imm32.dll version.dll ntdll.dll "
for dll in $(printf '%s\n' "$header" | awk '/DLL Name:/ {print tolower($3)}'); do
  case "$system_dlls" in
    *" $dll "*) ;;
    *) echo "imports $dll, which is not a Windows system DLL"; failed=1 ;;
  esac
done

[ "$failed" -eq 0 ] && echo "$exe: ASLR, high-entropy VA, DEP; system DLLs only"
exit "$failed"
