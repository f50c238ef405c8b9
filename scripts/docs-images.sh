#!/usr/bin/env bash
# Makes the README's pictures from a real run on a virtual display, with the
# programs in C:\Tools\Kaptorix of a fresh Wine prefix:
#   docs/images/settings-dialog.png  the settings dialog while Kaptorix_Key
#       is resident, captured by Kaptorix_Key.exe itself as the window in
#       front (/KIND=2 /ACTIVE=1);
#   docs/images/notice-saved.png     the notice after a save, taken from the
#       display while it is shown;
#   docs/images/region-overlay.png   the region overlay of /AREA=select over
#       the dialog, with a selection dragged on it (the pointer moved and
#       pressed on the display), taken from the display.
# Rerun it after a change to the dialog or the notices.
set -euo pipefail
cd "$(dirname "$0")/.."

images=docs/images

if [ "${1:-}" = --in-session ]; then
  build=$2
  # shellcheck source=scripts/lib/session.sh
  . scripts/lib/session.sh
  kx_wine_draws_windows
  tools="$WINEPREFIX/drive_c/Tools/Kaptorix"
  mkdir -p "$tools"
  cp "build/$build/bin/Kaptorix.exe" "build/$build/bin/Kaptorix_Key.exe" "$tools/"

  tools/wine-run.sh "$tools/Kaptorix.exe" start >/dev/null </dev/null
  kx_open_settings_dialog "$tools"
  tools/wine-run.sh "$tools/Kaptorix_Key.exe" Kaptorix /KIND=2 /ACTIVE=1 >/dev/null </dev/null
  convert "$tools/KX001.BMP" "$images/settings-dialog.png"

  # The notice shows for half a second: take it from the display meanwhile.
  tools/wine-run.sh "$tools/Kaptorix_Key.exe" Kaptorix /KIND=2 >/dev/null </dev/null &
  notice=""
  for _ in $(seq 500); do
    notice=$(xwininfo -root -tree 2>/dev/null |
      awk '/\("kaptorix_key.exe"/ && $0 !~ / 1x1\+/ && $0 ~ /\+[0-9]+\+[0-9]+ *$/ {print $1; exit}')
    # Listed before it is mapped, or gone again: look on.
    [ -n "$notice" ] && sleep 0.1 &&
      import -window "$notice" "$images/notice-saved.png" 2>/dev/null && break
    notice=""
    sleep 0.02
  done

  # The overlay covers the screen: wait for a window of the screen's size,
  # once the notice has gone.
  sleep 2
  read -r dx dy dw dh < <(xwininfo -name "Kaptorix 設定" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
         /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}' || true)
  root=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  tools/wine-run.sh "$tools/Kaptorix_Key.exe" Kaptorix /KIND=2 /AREA=select >/dev/null </dev/null &
  overlay=""
  for _ in $(seq 250); do
    overlay=$(xwininfo -root -tree 2>/dev/null |
      awk -v size="$root+0+0" '/\("kaptorix_key.exe"/ && index($0, size) {print $1; exit}' || true)
    [ -n "$overlay" ] && break
    sleep 0.02
  done
  if [ -n "$overlay" ]; then
    sleep 0.5
    xdotool mousemove $((dx + 20)) $((dy + 40)) mousedown 1
    for step in 1 2 3 4; do
      xdotool mousemove $((dx + 20 + step * dw / 8)) $((dy + 40 + step * dh / 8))
      sleep 0.1
    done
    xdotool mouseup 1
    xdotool mousemove $((dx + dw * 3 / 4)) $((dy + dh * 2 / 5))
    sleep 0.5
    import -window root -crop "$((dw + 160))x$((dh + 120))+$((dx - 80))+$((dy - 60))" \
      +repage "$images/region-overlay.png"
  fi
  kx_end_programs
  [ -n "$notice" ] || { echo "docs-images: the notice was not seen" >&2; exit 1; }
  [ -n "$overlay" ] || { echo "docs-images: the region overlay was not seen" >&2; exit 1; }
  exit 0
fi

scripts/setup.sh
# shellcheck source=scripts/lib/windows-build.sh
. scripts/lib/windows-build.sh
kx_choose_windows_build docs-images
scripts/build.sh "$build"
mkdir -p "$images"
tools/wine-session.sh scripts/docs-images.sh --in-session "$build" </dev/null
for image in "$images"/settings-dialog.png "$images"/notice-saved.png "$images"/region-overlay.png; do
  echo "docs-images: $image ($(identify -format '%wx%h' "$image"))"
done
