#!/usr/bin/env bash
# Sets up the machine, builds the shipped 32-bit (i686) Windows programs and
# shows their main job once: with the settings dialog of Kaptorix.exe open
# on the display, one capture of the whole screen taken with the option run
# of Kaptorix_Key.exe and saved as the next numbered BMP file in build/run/.
# Prints the file's path, size and depth, and writes a PNG preview beside it
# (same name, .png). It uses the desktop of $DISPLAY when one is reachable,
# else a virtual display of its own. Where the kernel refuses 32-bit
# processes, the x86_64 build takes the capture instead, and it says so.
set -euo pipefail
cd "$(dirname "$0")/.."

run_dir=build/run

if [ "${1:-}" = --in-session ]; then
  # shellcheck source=scripts/lib/session.sh
  . scripts/lib/session.sh
  kx_wine_draws_windows
  kx_open_settings_dialog "$run_dir"
  # The option run prints the path of the file it saved (a Windows path).
  saved=$(tools/wine-run.sh "$run_dir/Kaptorix_Key.exe" Kaptorix /KIND=2 </dev/null |
    tr -d '\r' | tail -n 1)
  kx_end_programs
  [ -n "$saved" ] || exit 1
  capture=$("$KX_WINE64" winepath -u "$saved" 2>/dev/null | tr -d '\r')
  [ -f "$capture" ] || exit 1
  convert "$capture" "${capture%.*}.png"
  echo "run: capture saved as $(realpath "$capture") ($(kx_bmp_summary "$capture"))"
  echo "run: preview $(realpath "${capture%.*}.png")"
  exit 0
fi

scripts/setup.sh
# shellcheck source=scripts/lib/windows-build.sh
. scripts/lib/windows-build.sh
kx_choose_windows_build run
scripts/build.sh "$build"

mkdir -p "$run_dir"
cp "build/$build/bin/Kaptorix.exe" "build/$build/bin/Kaptorix_Key.exe" "$run_dir/"
# Default settings: saved as KX001.BMP, KX002.BMP, ... beside the program.
[ -f "$run_dir/Kaptorix.ini" ] || : >"$run_dir/Kaptorix.ini"

if ! KX_USE_DISPLAY=1 tools/wine-session.sh scripts/run.sh --in-session </dev/null; then
  echo "run: no capture was saved" >&2
  exit 1
fi
echo "run: taken by the $build build"
