#!/usr/bin/env bash
# Makes the README's pictures from a real run on a virtual display, with the
# programs in C:\Tools\Kaptorix of a fresh Wine prefix:
#   docs/images/settings-dialog.png  the settings dialog while Kaptorix_Key
#       is resident, captured by Kaptorix_Key.exe itself as the window in
#       front (/KIND=2 /ACTIVE=1);
#   docs/images/notice-saved.png     the notice after a save, taken from the
#       display while it is shown;
#   docs/images/tray-menu.png        the notification-area icon's menu, opened
#       with a right-click on the icon in Wine's system tray;
#   docs/images/region-overlay.png   the region overlay of /AREA=select over
#       the dialog, with a selection dragged on it (the pointer moved and
#       pressed on the display), taken from the display.
# Rerun it after a change to the dialog or the notices.
set -euo pipefail
cd "$(dirname "$0")/.."

images=docs/images

# The X window of the first caption-less window Kaptorix_Key shows (a notice,
# a menu; not a main window while it is made), waited for up to 10 seconds;
# empty when none came.
shown_window() {
  local window=""
  for _ in $(seq 500); do
    window=$(xwininfo -root -tree 2>/dev/null |
      awk '/\(has no name\): \("kaptorix_key.exe"/ && $0 !~ / (1x1|320x240)\+/ &&
           $0 ~ /\+[0-9]+\+[0-9]+ *$/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.02
  done
  echo "$window"
}

if [ "${1:-}" = --in-session ]; then
  build=$2
  # shellcheck source=scripts/lib/session.sh
  . scripts/lib/session.sh
  kx_wine_draws_windows
  tools="$WINEPREFIX/drive_c/Tools/Kaptorix"
  mkdir -p "$tools"
  cp "build/$build/bin/Kaptorix.exe" "build/$build/bin/Kaptorix_Key.exe" "$tools/"

  tools/wine-run.sh "$tools/Kaptorix.exe" set tray=1 >/dev/null </dev/null
  tools/wine-run.sh "$tools/Kaptorix.exe" start >/dev/null </dev/null
  kx_open_settings_dialog "$tools"
  tools/wine-run.sh "$tools/Kaptorix_Key.exe" Kaptorix /KIND=2 /ACTIVE=1 >/dev/null </dev/null
  convert "$tools/KX001.BMP" "$images/settings-dialog.png"

  # The notice shows for half a second: take it from the display meanwhile.
  tools/wine-run.sh "$tools/Kaptorix_Key.exe" Kaptorix /KIND=2 >/dev/null </dev/null &
  notice=$(shown_window)
  [ -n "$notice" ] && sleep 0.1 && import -window "$notice" "$images/notice-saved.png"
  [ -n "$notice" ] || { echo "docs-images: the notice was not seen" >&2; exit 1; }
  sleep 1

  # The icon is a window of Wine's own tray; the menu opens at the pointer.
  tray=$(xwininfo -root -tree | awk '/"Wine System Tray"/ && !found {print $1; found = 1}')
  [ -n "$tray" ] || { echo "docs-images: no system tray window" >&2; exit 1; }
  eval "$(xwininfo -id "$tray" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
  xdotool mousemove $((x + 13)) $((y + 13)) click 3
  menu=$(shown_window)
  [ -n "$menu" ] || { echo "docs-images: the menu did not open" >&2; exit 1; }
  sleep 0.5
  import -window "$menu" "$images/tray-menu.png"
  xdotool key Escape
  sleep 1

  # The overlay covers the screen: wait for a window of the screen's size.
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
  [ -n "$overlay" ] || { echo "docs-images: the region overlay was not seen" >&2; exit 1; }
  sleep 0.5
  xdotool mousemove $((dx + 20)) $((dy + 40)) mousedown 1
  for step in 1 2 3 4; do
    xdotool mousemove $((dx + 20 + step * dw / 8)) $((dy + 40 + step * dh / 8))
    sleep 0.1
  done
  xdotool mouseup 1
  xdotool mousemove $((dx + dw * 3 / 4)) $((dy + dh * 2 / 5))
  sleep 0.5
  import -window root -crop "$((dw + 160))x$((dh + 120))+$((dx - 80))+$((dy - 60))" +repage \
    "$images/region-overlay.png"
  kx_end_programs
  exit 0
fi

scripts/setup.sh
# shellcheck source=scripts/lib/windows-build.sh
. scripts/lib/windows-build.sh
kx_choose_windows_build docs-images
scripts/build.sh "$build"
mkdir -p "$images"
tools/wine-session.sh scripts/docs-images.sh --in-session "$build" </dev/null
for image in "$images"/settings-dialog.png "$images"/notice-saved.png "$images"/tray-menu.png \
  "$images"/region-overlay.png; do
  echo "docs-images: $image ($(identify -format '%wx%h' "$image"))"
done
