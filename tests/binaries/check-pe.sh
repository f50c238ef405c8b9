#!/usr/bin/env bash
# check-pe.sh <objdump> [--max-bytes N] <exe> [[--max-bytes N] <exe>...]
#
# Checks shipped Windows programs as they lie on disk:
# - they import only KnownDLLs, which Windows loads from the system folder
#   whatever lies beside the program; comctl32 only when the program's
#   manifest binds it to the system's side-by-side Common Controls;
# - address space layout randomisation (with relocations; high-entropy on
#   x86_64), no-execute data and terminal-server awareness are on;
# - no symbol table is left in the file;
# - the manifest asks to run as the invoker (no installer detection, no
#   file virtualisation);
# - an exe given --max-bytes is no larger than that.
set -uo pipefail
objdump=$1
shift

known_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll comdlg32.dll msvcrt.dll "

u16() { od -An -t u2 -j "$2" -N 2 "$1" | tr -d ' '; }
u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
contains() { grep -qaF -- "$2" "$1"; }

failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

check() {
  local exe=$1 max_bytes=$2 name=$1
  if [ ! -f "$exe" ]; then
    fail "$name" "missing"
    return
  fi

  local dlls dll
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  [ -n "$dlls" ] || fail "$name" "no import table read"
  for dll in $dlls; do
    if [ "$dll" = comctl32.dll ]; then
      contains "$exe" 'name="Microsoft.Windows.Common-Controls"' ||
        fail "$name" "imports comctl32.dll without the Common Controls manifest"
    elif [[ $known_dlls != *" $dll "* ]]; then
      fail "$name" "imports $dll, which is no KnownDLL: a file of that name beside the program would be loaded"
    fi
  done

  local pe magic characteristics dll_characteristics wanted bit
  pe=$(u32 "$exe" 60)
  [ "$(od -An -c -j "$pe" -N 4 "$exe" | tr -d ' ')" = 'PE\0\0' ] || { fail "$name" "no PE header"; return; }
  [ "$(u32 "$exe" $((pe + 12)))" -eq 0 ] || fail "$name" "PointerToSymbolTable is not 0"
  [ "$(u32 "$exe" $((pe + 16)))" -eq 0 ] || fail "$name" "NumberOfSymbols is not 0"
  characteristics=$(u16 "$exe" $((pe + 22)))
  (( (characteristics & 0x0001) == 0 )) || fail "$name" "relocations stripped: the image cannot move"
  magic=$(u16 "$exe" $((pe + 24)))
  dll_characteristics=$(u16 "$exe" $((pe + 24 + 70)))
  wanted="DYNAMIC_BASE:0x0040 NX_COMPAT:0x0100 TERMINAL_SERVER_AWARE:0x8000"
  [ "$magic" -eq $((0x20b)) ] && wanted="$wanted HIGH_ENTROPY_VA:0x0020"
  for bit in $wanted; do
    (( (dll_characteristics & ${bit#*:}) != 0 )) || fail "$name" "DllCharacteristics lacks ${bit%%:*}"
  done

  contains "$exe" 'requestedExecutionLevel level="asInvoker"' ||
    fail "$name" "no requestedExecutionLevel asInvoker in its manifest"

  local size
  size=$(stat -c %s "$exe")
  if [ "$max_bytes" -gt 0 ] && [ "$size" -gt "$max_bytes" ]; then
    fail "$name" "$size bytes, more than $max_bytes"
  fi
  echo "checked $name: $size bytes, imports $(echo "$dlls" | paste -sd,), DllCharacteristics $(printf '0x%04x' "$dll_characteristics")"
}

max_bytes=0
count=0
while [ $# -gt 0 ]; do
  if [ "$1" = --max-bytes ]; then
    max_bytes=$2
    shift 2
    continue
  fi
  check "$1" "$max_bytes"
  max_bytes=0
  count=$((count + 1))
  shift
done

[ "$count" -gt 0 ] || fail "check-pe" "no program given"
if [ "$failures" -gt 0 ]; then
  echo "check-pe: $failures failure(s)"
  exit 1
fi
echo "check-pe: $count program(s) pass"
