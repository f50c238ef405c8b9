#!/usr/bin/env bash
# release-e2e.sh win32|win64 DIST NEXT_DIST ATOM_PROBE_EXE
# The downloads of scripts/release.sh in a fresh Wine prefix of their own.
# The MSI of DIST, installed quietly with the 32-bit msiexec (win32, as on
# 32-bit Windows) or the 64-bit one (win64): the files in the user's programs
# folder, the Start-menu shortcut, the logon start only when asked for (win32:
# not asked; win64: STARTATLOGON=1), the version in "Kaptorix.exe help", a
# capture saved. The MSI of NEXT_DIST over it (win32: STARTATLOGON=1; win64:
# nothing, so the choice is kept): one copy left, the new one (in help and in
# the version resources), Kaptorix.ini unchanged; the logon start's command starts the resident program. msiexec /x
# while it runs: it ends, its hot key atoms are gone, nothing installed is
# left but Kaptorix.ini and the picture. win32 also unpacks the zip and saves
# a capture with its programs. Run by ctest inside tools/wine-session.sh.
set -uo pipefail
mode=$1 dist=$2 next_dist=$3 probe=$4
tools="$(dirname "$0")/../../tools"
# shellcheck source=tools/wine-common.sh
. "$tools/wine-common.sh"
[ -n "${KX_SESSION:-}" ] || { echo "release-e2e: run this inside tools/wine-session.sh" >&2; exit 2; }
if [ "$(cat "$KX_SESSION/wine32" 2>/dev/null)" != ok ]; then
  echo "*** SKIPPED: the downloads hold 32-bit programs; this session has no sound 32-bit Wine ***"
  exit 77
fi
loader=$KX_WINE32 first=() second=(STARTATLOGON=1)
[ "$mode" = win64 ] && loader=$KX_WINE64 first=(STARTATLOGON=1) second=()
msi=$(echo "$dist"/*.msi) next_msi=$(echo "$next_dist"/*.msi)
work=$(mktemp -d "$KX_SESSION/release-e2e.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'timeout 30 "$KX_WINESERVER" -k 2>/dev/null; rm -rf "$work"' EXIT
"$KX_WINESERVER" -p >/dev/null 2>&1 </dev/null
timeout 180 "$KX_WINE64" wineboot -i >"$work/wineboot.log" 2>&1 </dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() {  # run COMMAND...: its output through a file, without CRs
  "$@" >"$work/out" 2>&1 </dev/null
  local status=$?
  tr -d '\r' <"$work/out"
  return $status
}
property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
windows_folder() { run "$KX_WINE64" cmd /c echo "%$1%"; }
listing() { LC_ALL=C ls "$1" | paste -sd' ' -; }
run_value() { run "$loader" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Kaptorix | sed -n 's/^ *Kaptorix *REG_SZ *//p'; }
arp_version() {  # the version of product code $1 in Apps & features, in any registry view
  for key in 'HKCU\Software' 'HKLM\Software' 'HKLM\Software\Wow6432Node'; do
    run "$loader" reg query "$key\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" /v DisplayVersion
  done | awk '$1 == "DisplayVersion" {print $3}' | sort -u
}
atoms() { run "$tools/wine-run.sh" "$probe" Kaptorix_11 Kaptorix_22 Kaptorix_33 Kaptorix_44 | paste -sd' ' -; }
check() {  # check WHAT ACTUAL EXPECTED
  [ "$2" = "$3" ] || fail "$1: '$2', expected '$3'"
}
saves() {  # saves KAPTORIX_EXE FILE: a capture with it is saved as FILE
  local saved status=0
  saved=$(run "$tools/wine-run.sh" "$1" capture /KIND=2) || status=$?
  check "capture with $1" "$status ${saved##*\\}" "0 ${2##*/}"
  [ "$(head -c 2 "$2" 2>/dev/null)" = BM ] || fail "no BMP file $2"
}

installed_windows="$(windows_folder LOCALAPPDATA)\\Programs\\Kaptorix"
installed=$(run "$KX_WINE64" winepath -u "$installed_windows")
shortcut=$(run "$KX_WINE64" winepath -u "$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Kaptorix.lnk")
version=$(property "$msi" ProductVersion) next_version=$(property "$next_msi" ProductVersion)
expected_run="\"$installed_windows\\Kaptorix.exe\" start"
files="Kaptorix.exe Kaptorix_Key.exe LICENSE.txt README.txt"

run "$loader" msiexec /i "$msi" /qn "${first[@]}" >/dev/null || fail "msiexec /i $msi: exit $?"
check "installed files" "$(listing "$installed")" "$files"
strings "$shortcut" 2>/dev/null | grep -qxF "$installed_windows\\Kaptorix.exe" ||
  fail "no Start-menu shortcut to $installed_windows\\Kaptorix.exe at $shortcut"
check "Run value after ${first[*]:-no option}" "$(run_value)" "${first:+$expected_run}"
check "help" "$(run "$tools/wine-run.sh" "$installed/Kaptorix.exe" help | head -n 1)" "Kaptorix $version"
saves "$installed/Kaptorix.exe" "$installed/KX001.BMP"
ini=$(sha256sum <"$installed/Kaptorix.ini")

run "$loader" msiexec /i "$next_msi" /qn "${second[@]}" >/dev/null || fail "msiexec /i $next_msi: exit $?"
check "older version's entry" "$(arp_version "$(property "$msi" ProductCode)")" ""
check "newer version's entry" "$(arp_version "$(property "$next_msi" ProductCode)")" "$next_version"
check "files after the upgrade" "$(listing "$installed")" \
  "KX001.BMP Kaptorix.exe Kaptorix.ini Kaptorix_Key.exe LICENSE.txt README.txt"
check "help after the upgrade" "$(run "$tools/wine-run.sh" "$installed/Kaptorix.exe" help | head -n 1)" "Kaptorix $next_version"
for exe in Kaptorix.exe Kaptorix_Key.exe; do  # the version resource's strings
  strings -el "$installed/$exe" | grep -qxF "$next_version" || fail "$exe: no version $next_version"
done
check "Kaptorix.ini after the upgrade" "$(sha256sum <"$installed/Kaptorix.ini")" "$ini"
check "Run value after ${second[*]:-no option}" "$(run_value)" "$expected_run"

run "$tools/wine-run.sh" "$installed/Kaptorix.exe" start >/dev/null  # what the Run value starts
for _ in $(seq 50); do [ -n "$(atoms)" ] && break; sleep 0.1; done
check "atoms of the resident program" "$(atoms)" "Kaptorix_11 Kaptorix_22 Kaptorix_33 Kaptorix_44"
run "$loader" msiexec /x "$next_msi" /qn >/dev/null || fail "msiexec /x: exit $?"
check "atoms after the uninstall" "$(atoms)" ""
for pid in $(pgrep -f 'Kaptorix_Key\.exe'); do
  grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && fail "Kaptorix_Key.exe still runs"
done
check "files after the uninstall" "$(listing "$installed")" "KX001.BMP Kaptorix.ini"
[ -e "$shortcut" ] && fail "the shortcut is left"
check "Run value after the uninstall" "$(run_value)" ""
check "entry after the uninstall" "$(arp_version "$(property "$next_msi" ProductCode)")" ""
run "$loader" reg query 'HKCU\Software\Kaptorix' >/dev/null && fail "HKCU\\Software\\Kaptorix is left"

if [ "$mode" = win32 ]; then
  zip=$(echo "$dist"/*.zip) portable=$WINEPREFIX/drive_c/Tools/Kaptorix
  check "zip entries" "$(unzip -Z1 "$zip" | LC_ALL=C sort | paste -sd' ' -)" "$files"
  mkdir -p "$portable" && unzip -q "$zip" -d "$portable" && saves "$portable/Kaptorix.exe" "$portable/KX001.BMP"
fi

[ "$failures" -eq 0 ] || { echo "release-e2e: $failures check(s) failed"; exit 1; }
echo "release-e2e ($mode): install, upgrade to $next_version and uninstall passed"
