#!/bin/sh
# Reads the PE header of a Windows program and checks that it asks for ASLR
# (with high-entropy addresses) and DEP, says it is terminal-server aware, and
# imports exactly the Windows DLLs it uses.
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
check_flag 0x8000 TERMINAL_SERVER_AWARE

# Exactly the Windows DLLs the program uses: nothing from a compiler's runtime,
# nothing a clean Windows lacks, and nothing loaded at start that it no longer needs.
expected="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll"
imported=$(printf '%s\n' "$header" | awk '/DLL Name:/ {print tolower($3)}' | sort | tr '\n' ' ')
if [ "${imported% }" != "$expected" ]; then
  echo "imports ${imported% }; expected $expected"
  failed=1
fi

[ "$failed" -eq 0 ] && echo "$exe: ASLR, high-entropy VA, DEP, terminal-server aware; the expected system DLLs only"
exit "$failed"
