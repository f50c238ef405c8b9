#!/usr/bin/env bash
# release-e2e.sh win32|win64 DIST NEXT_DIST
# The downloads in a fresh Wine prefix, with the 32-bit msiexec (win32) or the
# 64-bit one (win64): the MSI of DIST (win64: STARTATLOGON=1), then that of
# NEXT_DIST over it while the resident program runs (win32: STARTATLOGON=1;
# win64: kept), then msiexec /x while the program the Run value names runs.
# win32 also runs the zip.
# Run by ctest inside tools/wine-session.sh.
set -uo pipefail
mode=$1 msi=$(echo "$2"/*.msi) next_msi=$(echo "$3"/*.msi) zip=$(echo "$2"/*.zip)
tools="$(dirname "$0")/../../tools"
# shellcheck source=tools/wine-common.sh
. "$tools/wine-common.sh"
[ -n "${KX_SESSION:-}" ] || { echo "release-e2e: run it inside tools/wine-session.sh" >&2; exit 2; }
if [ "$(cat "$KX_SESSION/wine32")" != ok ]; then echo "*** SKIPPED: no sound 32-bit Wine ***"; exit 77; fi
loader=$KX_WINE32 first=() second=(STARTATLOGON=1)
[ "$mode" = win64 ] && loader=$KX_WINE64 first=(STARTATLOGON=1) second=()
export WINEPREFIX=$KX_SESSION/release-e2e
trap 'timeout 30 "$KX_WINESERVER" -k; rm -rf "$WINEPREFIX"' EXIT
"$KX_WINESERVER" -p >/dev/null 2>&1 </dev/null
timeout 180 "$KX_WINE64" wineboot -i >/dev/null 2>&1 </dev/null
failures=0
check() { [ "$2" = "$3" ] || { echo "FAIL: $1: '$2', expected '$3'"; failures=$((failures + 1)); }; }
run() { "$@" >"$KX_SESSION/out" 2>&1 </dev/null; local s=$?; tr -d '\r' <"$KX_SESSION/out"; return $s; }
property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
listing() { LC_ALL=C ls "$1" | paste -sd' ' -; }
help_line() { run "$tools/wine-run.sh" "$installed/Kaptorix.exe" help | head -n 1; }
run_value() { run "$loader" reg query "$run_key" /v Kaptorix | sed -n 's/^ *Kaptorix *REG_SZ *//p'; }
arp_version() {  # Apps & features' version of product $1, in any registry view
  for key in 'HKCU\Software' 'HKLM\Software' 'HKLM\Software\Wow6432Node'; do
    run "$loader" reg query "$key\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" /v DisplayVersion
  done | awk '$1 == "DisplayVersion" {print $3}' | sort -u
}
residents() {  # Kaptorix_Key processes of this prefix
  for p in $(pgrep -f 'Kaptorix_Key\.exe'); do grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" && echo; done | wc -l
}
started() { run "$tools/wine-run.sh" "$installed/Kaptorix.exe" start >/dev/null; residents; }
saves() {  # saves KAPTORIX_EXE: a capture with it is saved as KX001.BMP beside it
  local saved status=0 && saved=$(run "$tools/wine-run.sh" "$1" capture /KIND=2) || status=$?
  check "capture with $1" "$status ${saved##*\\} $(head -c 2 "${1%/*}/KX001.BMP")" "0 KX001.BMP BM"
}
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
installed_windows="$(run "$KX_WINE64" cmd /c echo %LOCALAPPDATA%)\\Programs\\Kaptorix"
installed=$(run "$KX_WINE64" winepath -u "$installed_windows")
shortcut=$(run "$KX_WINE64" winepath -u "$(run "$KX_WINE64" cmd /c echo %APPDATA%)\\Microsoft\\Windows\\Start Menu\\Programs\\Kaptorix.lnk")
next_version=$(property "$next_msi" ProductVersion) next_code=$(property "$next_msi" ProductCode)
starts="\"$installed_windows\\Kaptorix.exe\" start"
files="Kaptorix.exe Kaptorix_Key.exe LICENSE.txt README.txt"

check "msiexec /i ${first[*]}" "$(run "$loader" msiexec /i "$msi" /qn "${first[@]}" >/dev/null; echo $?)" 0
check "installed files" "$(listing "$installed")" "$files"
check "shortcut" "$(strings "$shortcut" | grep -xF "$installed_windows\\Kaptorix.exe")" "$installed_windows\\Kaptorix.exe"
check "Run value with '${first[*]}'" "$(run_value)" "${first:+$starts}"
check "help" "$(help_line)" "Kaptorix $(property "$msi" ProductVersion)"
saves "$installed/Kaptorix.exe"
ini=$(sha256sum <"$installed/Kaptorix.ini")
check "resident started before the upgrade" "$(started)" 1

check "upgrade ${second[*]}" "$(run "$loader" msiexec /i "$next_msi" /qn "${second[@]}" >/dev/null; echo $?)" 0
check "resident after the upgrade" "$(residents)" 0
check "versions in Apps & features" "$(arp_version "$(property "$msi" ProductCode)")/$(arp_version "$next_code")" "/$next_version"
check "files after the upgrade" "$(listing "$installed")" \
  "KX001.BMP Kaptorix.exe Kaptorix.ini Kaptorix_Key.exe LICENSE.txt README.txt"
check "help after the upgrade" "$(help_line)" "Kaptorix $next_version"
check "version resources" "$(strings -el "$installed"/*.exe | grep -cxF "$next_version")" 4
check "Kaptorix.ini after the upgrade" "$(sha256sum <"$installed/Kaptorix.ini")" "$ini"
check "Run value with '${second[*]}'" "$(run_value)" "$starts"

check "resident started as the Run value says" "$(started)" 1
check "msiexec /x" "$(run "$loader" msiexec /x "$next_msi" /qn >/dev/null; echo $?)" 0
check "resident after the uninstall" "$(residents)" 0
check "files after the uninstall" "$(listing "$installed")" "KX001.BMP Kaptorix.ini"
check "shortcut, Run value, entry, HKCU\\Software\\Kaptorix after the uninstall" \
  "$(test -e "$shortcut"; echo $?)/$(run_value)/$(arp_version "$next_code")/$(run "$loader" reg query 'HKCU\Software\Kaptorix' >/dev/null; echo $?)" "1///1"

if [ "$mode" = win32 ]; then
  portable=$WINEPREFIX/drive_c/Tools/Kaptorix
  check "zip entries" "$(unzip -Z1 "$zip" | LC_ALL=C sort | paste -sd' ' -)" "$files"
  mkdir -p "$portable" && unzip -q "$zip" -d "$portable" && saves "$portable/Kaptorix.exe"
fi
[ "$failures" -eq 0 ] || { echo "release-e2e: $failures check(s) failed"; exit 1; }
echo "release-e2e ($mode): install, upgrade to $next_version and uninstall passed"
