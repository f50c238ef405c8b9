#!/usr/bin/env bash
# save-vs-import.sh BUILD_DIR
# On a 1920x1080 virtual display: our capture-and-save time (full colour and
# 8 bits) beside ImageMagick's `import -window root` into a BMP, and the ratio.
set -euo pipefail
build=${1:?usage: save-vs-import.sh BUILD_DIR (a win64 build)}
here=$(cd "$(dirname "$0")" && pwd)
KX_SCREEN=1920x1080x24 exec "$here/../../tools/wine-session.sh" bash -c '
  set -euo pipefail
  ours=$("$0"/tools/wine-run.sh "$1/bin/save_bench.exe")
  echo "$ours"
  out=$(mktemp -d)
  times=()
  for run in 1 2 3 4 5 6 7 8 9; do
    start=$(date +%s%N)
    import -window root -display "$DISPLAY" "$out/shot$run.bmp"
    times+=($(( ($(date +%s%N) - start) / 1000 )))
  done
  rm -rf "$out"
  import_us=$(printf "%s\n" "${times[@]}" | sort -n | sed -n 5p)
  awk -v us="$import_us" "BEGIN { printf \"import -window root: median %.1f ms\\n\", us / 1000 }"
  for kind in full-colour 8-bit; do
    ms=$(echo "$ours" | sed -n "s/^$kind save: median \([0-9.]*\) ms.*/\1/p")
    awk -v ms="$ms" -v us="$import_us" -v kind="$kind" \
      "BEGIN { printf \"%s save / import: %.2f\\n\", kind, ms * 1000 / us }"
  done
' "$here/../.." "$(realpath "$build")"
