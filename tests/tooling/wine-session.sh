#!/usr/bin/env bash
# wine-session.sh COMMAND...
# Runs COMMAND inside a fresh test session: an Xvfb display with openbox, a
# fresh 64-bit Wine prefix with a persistent wineserver, Japanese locale (code
# page 932). Everything started here is stopped on exit, also when COMMAND
# fails, hangs (bounded by KX_SESSION_TIMEOUT seconds) or is interrupted.
set -euo pipefail

session=$(mktemp -d /tmp/kx-session.XXXXXX)
xvfb_pid="" openbox_pid=""
WINESERVER=/usr/lib/wine/wineserver

cleanup() {
  local status=$?
  set +e
  if [ -d "${WINEPREFIX:-/nonexistent}" ]; then
    timeout 30 "$WINESERVER" -k >/dev/null 2>&1
  fi
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$session"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wait_for() {  # wait_for SECONDS DESCRIPTION TEST-COMMAND...
  local seconds=$1 what=$2
  shift 2
  for _ in $(seq $((seconds * 10))); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "wine-session: $what did not come up within ${seconds}s" >&2
  return 1
}

# The display: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" \
  >"$session/xvfb.log" 2>&1 </dev/null &
xvfb_pid=$!
wait_for 15 "Xvfb" test -s "$session/display"
export DISPLAY=":$(head -n1 "$session/display")"

# A window manager: without one, destroying a managed window blocks for 2 s.
openbox --sm-disable >"$session/openbox.log" 2>&1 </dev/null &
openbox_pid=$!
wait_for 15 "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window'

export WINEPREFIX="$session/prefix"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export KX_SESSION="$session"

echo "wine-session: display $DISPLAY, preparing a fresh Wine prefix"
timeout 180 /usr/lib/wine/wine64 wineboot -i >"$session/wineboot.log" 2>&1 </dev/null
timeout 120 "$WINESERVER" -w
# A persistent server, detached from every pipe (else the caller waits for it).
"$WINESERVER" -p >/dev/null 2>&1 </dev/null

timeout --kill-after=10 "${KX_SESSION_TIMEOUT:-2400}" "$@"
