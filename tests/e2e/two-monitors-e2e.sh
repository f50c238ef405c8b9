#!/usr/bin/env bash
# two-monitors-e2e.sh E2E_TESTS_EXE
# The screen setting on a desktop of two monitors. Xvfb cannot show Wine two
# monitors side by side (its Xinerama heads all lie at the origin), so this
# starts an Xorg server with the dummy driver and lays out two of its
# outputs with xrandr: a primary 1280x1024 monitor at (0,0) and a 1024x768
# one to its left, at (-1024,0) on the Windows desktop, leaving 1024x256
# below that one that no monitor shows. Wine takes its monitors from the
# display its prefix starts on, so the tests (TwoMonitorsE2E.*) run in a
# fresh prefix of their own. Exits 77 (ctest: skipped) where no such server
# can be started. Run by ctest inside tools/wine-session.sh.
set -uo pipefail

exe=$1
tooling="$(dirname "$0")/../../tools"
# shellcheck source=tools/wine-common.sh
. "$tooling/wine-common.sh"
if [ -z "${KX_SESSION:-}" ]; then
  echo "two-monitors-e2e: no test session; run this inside tools/wine-session.sh" >&2
  exit 2
fi
skip() {
  echo "*** SKIPPED: the two-monitor tests: $* ***"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "starting Xorg needs root"
command -v Xorg >/dev/null || skip "no Xorg (xserver-xorg-core)"
command -v xrandr >/dev/null || skip "no xrandr (x11-xserver-utils)"
[ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || skip "no dummy driver (xserver-xorg-video-dummy)"

work=$(mktemp -d "$KX_SESSION/two-monitors.XXXXXX")
xorg_pid="" openbox_pid=""
cleanup() {
  if [ -d "$work/prefix" ]; then WINEPREFIX="$work/prefix" timeout 30 "$KX_WINESERVER" -k 2>/dev/null; fi
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
  [ -n "$xorg_pid" ] && kill "$xorg_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 64000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1280x1024"
    Virtual 2304 1024
  EndSubSection
EndSection
CONF
Xorg -displayfd 3 -config "$work/xorg.conf" -logfile "$work/xorg.log" -nolisten tcp -noreset \
  -novtswitch -sharevts 3>"$work/display" >"$work/xorg.out" 2>&1 </dev/null &
xorg_pid=$!
for _ in $(seq 150); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xorg did not start: $(tail -n 3 "$work/xorg.out" | tr '\n' ' ')"
export DISPLAY=":$(head -n1 "$work/display")"
if ! { xrandr --addmode DUMMY1 1024x768 &&
       xrandr --fb 2304x1024 --output DUMMY0 --mode 1280x1024 --pos 1024x0 --primary \
              --output DUMMY1 --mode 1024x768 --pos 0x0 &&
       # A query of the outputs makes the server see the second one connected;
       # Wine only reads the state the server last found.
       xrandr --query | grep -q '^DUMMY1 connected 1024x768+0+0'; } 2>"$work/xrandr.log"; then
  skip "the dummy driver took no second monitor: $(cat "$work/xrandr.log")"
fi
openbox --sm-disable >"$work/openbox.log" 2>&1 </dev/null &
openbox_pid=$!

export WINEPREFIX="$work/prefix"
timeout 180 "$KX_WINE64" wineboot -i >"$work/wineboot.log" 2>&1 </dev/null
timeout 120 "$KX_WINESERVER" -w
"$KX_WINESERVER" -p >/dev/null 2>&1 </dev/null
"$tooling/wine-run.sh" "$exe" --gtest_filter='TwoMonitorsE2E.*'
