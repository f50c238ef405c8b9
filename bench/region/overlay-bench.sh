#!/usr/bin/env bash
# overlay-bench.sh BUILD_DIR [PRESSES]
# The region overlay of a Windows build (win64 or win32) under Wine on
# virtual displays of 1920x1080 and 3840x2160 (KX_BENCH_SCREENS names others,
# as WIDTHxHEIGHTxDEPTH): region_bench.exe's figures for each, in a fresh test
# session: the time to the overlay on the screen (median of PRESSES, 50), a
# pointer move during a drag, Enter to the cut picture beside a screen
# capture, and the memory before, while open and after.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:?usage: overlay-bench.sh BUILD_DIR [PRESSES] (a win64 or win32 build)}")
presses=${2:-50}
read -ra screens <<<"${KX_BENCH_SCREENS:-1920x1080x24 3840x2160x24}"
for screen in "${screens[@]}"; do
  echo "== $screen, $(basename "$build"), load $(cut -d' ' -f1-3 /proc/loadavg)"
  KX_SCREEN=$screen "$root/tools/wine-session.sh" \
    "$root/tools/wine-run.sh" "$build/bin/region_bench.exe" "$presses" 2>&1 |
    grep -v '^wine-session:\|^wine32-guard:'
done
