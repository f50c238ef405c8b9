#!/usr/bin/env bash
# Draws Kaptorix.ico (48, 32 and 16 pixels): a blue tile with the corners of a
# viewfinder and a red dot. Run by hand when the icon changes; the .ico is
# kept in the repository so that builds need no image tools.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 192x192 xc:none \
  -fill '#1f5fae' -draw 'roundrectangle 4,4 187,187 30,30' \
  -fill none -stroke white -strokewidth 16 \
  -draw 'stroke-linecap round stroke-linejoin round path "M 40,76 L 40,40 L 76,40
         M 116,40 L 152,40 L 152,76 M 152,116 L 152,152 L 116,152
         M 76,152 L 40,152 L 40,116"' \
  -stroke none -fill '#e8383d' -draw 'circle 96,96 96,70' \
  "$work/large.png"
for size in 48 32 16; do
  convert "$work/large.png" -filter Lanczos -resize "${size}x${size}" "$work/$size.png"
done
convert "$work/48.png" "$work/32.png" "$work/16.png" Kaptorix.ico
