#!/usr/bin/env bash
# wine32-guard.sh PROBE_EXE
# Inside a test session: checks that its Wine prefix runs 32-bit programs with
# classic 32-bit Wine. C:\windows\syswow64 must hold Wine's i386 DLLs, and
# wine32_probe.exe, run with the 32-bit loader, must exit with a code chosen
# here. Writes the verdict to $KX_SESSION/wine32: "ok" or what is wrong;
# wine-run.sh runs no 32-bit program unless it is "ok". Exits 0 when ok.
set -uo pipefail
# shellcheck source=tools/wine-common.sh
. "$(dirname "$0")/wine-common.sh"
probe=$1
verdict="$KX_SESSION/wine32"
install_hint="install wine32:i386 and libcups2:i386 (scripts/setup.sh)"

fail() {
  printf '%s\n' "$1" >"$verdict"
  echo "wine32-guard: NO 32-BIT WINE: $1" >&2
  exit 1
}

syswow64="$WINEPREFIX/drive_c/windows/syswow64"
for name in ntdll.dll kernel32.dll user32.dll gdi32.dll winspool.drv; do
  file="$syswow64/$name"
  [ -f "$file" ] || fail "C:\\windows\\syswow64\\$name is missing from the prefix; $install_hint"
  # Wine's own DLLs carry this mark after their DOS header.
  if [ "$(pe_machine "$file")" != 014c ] || [ "$(head -c 80 "$file" | tail -c 16)" != "Wine builtin DLL" ]; then
    fail "C:\\windows\\syswow64\\$name is not Wine's i386 DLL; $install_hint"
  fi
done
[ -x "$KX_WINE32" ] || fail "the 32-bit Wine loader $KX_WINE32 is missing; $install_hint"
[ -f "$probe" ] || fail "no 32-bit probe at $probe (build the win32 preset)"

# 64..123: clear of 0, of the probe's own failure codes and of the shell's
# 126 (cannot execute) and 127 (not found).
code=$((64 + RANDOM % 60))
log=$(mktemp "$KX_SESSION/guard.XXXXXX")
timeout 60 "$KX_WINE32" "$probe" "$code" >"$log" 2>&1 </dev/null
status=$?
output=$(head -c 400 "$log" | tr '\r\n' '  ')
rm -f "$log"
if [ "$status" -ne "$code" ]; then
  fail "the 32-bit probe exited with $status instead of $code ($output); $install_hint"
fi
echo ok >"$verdict"
echo "wine32-guard: 32-bit Wine ready: syswow64 holds Wine's i386 DLLs, the probe exited with the chosen $code"
