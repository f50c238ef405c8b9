#!/usr/bin/env bash
# capture-fixture.sh setup|check DECODE_DIR [READONLY_DIR]
# setup: an empty folder for the captures that the Windows tests write, and,
#   when named, a folder in which nothing can be created (immutable, so even
#   root cannot).
# check: lifts the immutability and removes that folder, then decodes every
#   BMP and PNG file the tests wrote with ImageMagick and compares it with
#   the pixels the test read from the picture (NAME.rgb beside NAME.bmp and
#   NAME.png); a palette PNG must keep the depth of its BMP.
set -uo pipefail
action=$1 decode_dir=$2 readonly_dir=${3:-}

case "$action" in
  setup)
    rm -rf "$decode_dir"
    mkdir -p "$decode_dir"
    [ -n "$readonly_dir" ] || exit 0
    [ -d "$readonly_dir" ] && chattr -i "$readonly_dir" 2>/dev/null
    rm -rf "$readonly_dir"
    mkdir -p "$readonly_dir"
    if ! chattr +i "$readonly_dir" 2>/dev/null; then
      # A file system without the attribute: the test that needs it skips.
      echo "capture-fixture: cannot make $readonly_dir immutable here; its test will skip" >&2
      rm -rf "$readonly_dir"
    fi
    ;;
  check)
    if [ -n "$readonly_dir" ]; then
      chattr -i "$readonly_dir" 2>/dev/null
      rm -rf "$readonly_dir"
    fi
    shopt -s nullglob
    files=("$decode_dir"/*.bmp "$decode_dir"/*.png)
    if [ ${#files[@]} -eq 0 ]; then
      echo "capture-fixture: no captures in $decode_dir" >&2
      exit 1
    fi
    status=0
    for file in "${files[@]}"; do
      expected=${file%.*}.rgb
      if cmp -s <(convert "$file" -depth 8 rgb:-) "$expected"; then
        echo "decoded as captured: $(identify -format '%f %wx%h %[bit-depth]-bit %[type]' "$file")"
      else
        echo "capture-fixture: $file does not decode to the captured pixels" >&2
        status=1
      fi
      case $file in
        *.png)
          # IHDR: bit depth at byte 24, colour type at 25 (3 palette, 2 RGB).
          header=$(od -An -t u1 -j 24 -N 2 "$file" | tr -s ' ')
          bmp_bits=$(od -An -t u2 -j 28 -N 2 "${file%.png}.bmp" | tr -d ' ')
          case $bmp_bits in 1 | 4 | 8) want=" $bmp_bits 3" ;; *) want=" 8 2" ;; esac
          if [ "$header" != "$want" ]; then
            echo "capture-fixture: $file has depth and colour type$header, not$want" >&2
            status=1
          fi
          ;;
      esac
    done
    exit "$status"
    ;;
  *)
    echo "usage: capture-fixture.sh setup|check DECODE_DIR [READONLY_DIR]" >&2
    exit 2
    ;;
esac
