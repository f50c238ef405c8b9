# shellcheck shell=bash
# Sourced inside tools/wine-session.sh by the scripts that show the
# programs: windows drawn by Wine itself (caption and frame included, as a
# capture of the window shows them), the settings dialog opened and waited
# for, a BMP file's size and depth, and the end of every program started.
# shellcheck source=tools/wine-common.sh
. tools/wine-common.sh

kx_wine_draws_windows() {
  "$KX_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# kx_open_settings_dialog FOLDER: starts FOLDER/Kaptorix.exe without
# arguments and returns once its dialog is on the display.
kx_open_settings_dialog() {
  tools/wine-run.sh "$1/Kaptorix.exe" >/dev/null 2>&1 </dev/null &
  for _ in $(seq 300); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Kaptorix 設定"'; then
      sleep 1  # painted
      return 0
    fi
    sleep 0.2
  done
  echo "the settings dialog did not appear" >&2
  return 1
}

# kx_bmp_summary FILE: "WIDTHxHEIGHT, N bits per pixel" from its header.
kx_bmp_summary() {
  local width height bits
  width=$(od -An -t d4 -j 18 -N 4 "$1" | tr -d ' ')
  height=$(od -An -t d4 -j 22 -N 4 "$1" | tr -d ' ')
  bits=$(od -An -t u2 -j 28 -N 2 "$1" | tr -d ' ')
  echo "${width}x${height#-}, $bits bits per pixel"
}

# Ends every Windows program of the session and waits for the ones started here.
kx_end_programs() {
  "$KX_WINESERVER" -k >/dev/null 2>&1
  wait
}
