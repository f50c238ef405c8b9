#!/usr/bin/env bash
# Sets up the machine, builds the shipped 32-bit (i686) Windows program and
# does its main job once: a capture of the whole screen, taken with the
# option run and saved as the next numbered BMP file in build/run/. It
# captures the desktop of $DISPLAY when one is reachable, else a virtual
# display of its own. Where the kernel refuses 32-bit processes, the x86_64
# build takes the capture instead, and it says so.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=win32
host_status=0
tests/tooling/host-runs-i386.sh || host_status=$?
case $host_status in
  0) ;;
  1)
    echo "run: THIS KERNEL REFUSES 32-BIT PROCESSES: taking the capture with the x86_64 build instead"
    build=win64
    export KX_WINE32_PROBE=""
    ;;
  *) exit 1 ;;
esac
scripts/build.sh "$build"

run_dir=build/run
mkdir -p "$run_dir"
cp "build/$build/bin/Kaptorix_Key.exe" "$run_dir/"
# Default settings: saved as KX001.BMP, KX002.BMP, ... beside the program.
[ -f "$run_dir/Kaptorix.ini" ] || : >"$run_dir/Kaptorix.ini"
marker=$(mktemp)
trap 'rm -f "$marker"' EXIT

KX_USE_DISPLAY=1 tests/tooling/wine-session.sh \
  tests/tooling/wine-run.sh "$run_dir/Kaptorix_Key.exe" Kaptorix /KIND=2 </dev/null

capture=$(find "$run_dir" -maxdepth 1 -name 'KX*.BMP' -newer "$marker" | sort | tail -n 1)
if [ -z "$capture" ]; then
  echo "run: no capture was saved" >&2
  exit 1
fi
echo "run: capture saved as $(realpath "$capture") (by the $build build)"
