#!/usr/bin/env bash
# png-vs-convert.sh BUILD_DIR
# png_bench (a Windows build, under Wine) encodes a 1920x1080 desktop and a
# photo, full colour and 8 bits, as PNG with each row filter; then
# ImageMagick's convert turns the BMP files of the same bitmaps into PNG
# files with its defaults. Prints both, and per frame the size and time of
# the program's encoding (filter "chosen") against convert's. convert's time
# is the whole command; "convert read" is the same command writing to null:,
# i.e. its start and the reading of the BMP file, so the difference is its
# encoding.
set -euo pipefail
build=${1:?usage: png-vs-convert.sh BUILD_DIR (a Windows build)}
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../../tools/wine-session.sh" bash -c '
  set -euo pipefail
  convert=/usr/bin/convert
  [ -x "$convert" ] || convert=convert
  work=$(mktemp -d /tmp/png-bench.XXXXXX)
  trap "rm -rf \"\$work\"" EXIT
  ours=$("$0"/tools/wine-run.sh "$1/bin/png_bench.exe" "Z:${work//\//\\}")
  echo "$ours"
  median() { sort -n | sed -n 3p; }
  echo
  printf "%-8s %-5s %12s %10s %17s %10s %12s %10s\n" frame bits "convert ms" bytes \
    "convert read ms" "ours ms" "ours bytes" "size ratio"
  for bmp in "$work"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    frame=${name%-*} bits=${name##*-}
    [ "$bits" = 32 ] && bits=full
    total=() read=()
    for _ in 1 2 3 4 5; do
      start=$(date +%s%N)
      "$convert" "$bmp" "$work/$name.png"
      total+=($(( ($(date +%s%N) - start) / 1000 )))
      start=$(date +%s%N)
      "$convert" "$bmp" null:
      read+=($(( ($(date +%s%N) - start) / 1000 )))
    done
    size=$(stat -c %s "$work/$name.png")
    total_us=$(printf "%s\n" "${total[@]}" | median)
    read_us=$(printf "%s\n" "${read[@]}" | median)
    wic=$(echo "$ours" | awk -v f="$frame" -v b="$bits" "\$1 == f && \$2 == b && \$3 == \"chosen\" { print \$4, \$5 }")
    awk -v f="$frame" -v b="$bits" -v t="$total_us" -v r="$read_us" -v s="$size" -v w="$wic" "BEGIN {
      split(w, wic, \" \")
      printf \"%-8s %-5s %12.1f %10d %17.1f %10.1f %12d %10.2f\n\", f, b, t / 1000, s, r / 1000,
             wic[1], wic[2], wic[2] / s }"
    echo "  convert wrote: $(identify -format "%[type] %[bit-depth]-bit" "$work/$name.png")"
  done
' "$here/../.." "$(realpath "$build")"
