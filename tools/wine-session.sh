#!/usr/bin/env bash
# wine-session.sh COMMAND...
# Runs COMMAND inside a fresh test session: an Xvfb display with openbox, a
# fresh Wine prefix that runs both x86_64 and i686 programs, with a persistent
# wineserver, Japanese locale (code page 932), and a private CUPS server whose
# default queue "PDF" turns every print job into a PDF file under $KX_PDF_DIR.
# Before COMMAND runs, wine32-guard.sh checks the prefix's 32-bit half with
# wine32_probe.exe from the win32 build (KX_WINE32_PROBE names another; empty,
# no check); without a sound 32-bit Wine, wine-run.sh refuses every i686
# program in the session. Everything started here is stopped on exit, also
# when COMMAND fails, hangs (bounded by KX_SESSION_TIMEOUT seconds) or is
# interrupted. KX_SCREEN sets the virtual display's size (1280x1024x24);
# KX_USE_DISPLAY=1 uses $DISPLAY instead where it is reachable.
set -euo pipefail

tooling=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine-common.sh
. "$tooling/wine-common.sh"
session=$(mktemp -d /tmp/kx-session.XXXXXX)
xvfb_pid="" openbox_pid="" cupsd_pid="" cups_pdf_conf=""

cleanup() {
  local status=$?
  set +e
  if [ -d "${WINEPREFIX:-/nonexistent}" ]; then
    timeout 30 "$KX_WINESERVER" -k >/dev/null 2>&1
  fi
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null
  [ -n "$cups_pdf_conf" ] && rm -f "$cups_pdf_conf"
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

if [ -n "${KX_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  # The caller's own display (KX_USE_DISPLAY set), with its window manager.
  echo "wine-session: using the display $DISPLAY"
else
  # A virtual display: Xvfb picks a free number and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 "${KX_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$session/display" \
    >"$session/xvfb.log" 2>&1 </dev/null &
  xvfb_pid=$!
  wait_for 15 "Xvfb" test -s "$session/display"
  export DISPLAY=":$(head -n1 "$session/display")"

  # A window manager: without one, destroying a managed window blocks for 2 s.
  openbox --sm-disable >"$session/openbox.log" 2>&1 </dev/null &
  openbox_pid=$!
  wait_for 15 "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window'
fi

# The print server, up before any Wine process: Wine reads the printer list
# from CUPS when each process starts. It has its own socket, spool and
# configuration, so it neither disturbs nor depends on any other cupsd on the
# machine. cups-pdf reads the queue's settings (its Out folder) from
# /etc/cups/cups-pdf-<name>.conf, where <name> is the device URI's path.
cups="$session/cups"
mkdir -p "$cups/conf" "$cups/spool" "$cups/cache" "$cups/state" "$cups/tmp" "$cups/log" \
  "$session/pdf"
chmod 711 "$session"  # cupsd's filters run as lp and must reach the spool
cat >"$cups/conf/cupsd.conf" <<EOF
LogLevel warn
Listen $cups/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$cups/conf/cups-files.conf" <<EOF
ServerRoot $cups/conf
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
SystemGroup root
EOF
cups_pdf_name="kx_session_${session##*.}"
cups_pdf_conf="/etc/cups/cups-pdf-$cups_pdf_name.conf"
if ! printf 'Out %s\nSpool %s\nLog %s\nGrp root\n' "$session/pdf" "$cups/pdf-spool" \
    "$cups/log" 2>/dev/null >"$cups_pdf_conf"; then
  echo "wine-session: cannot write $cups_pdf_conf for the PDF queue (run as root)" >&2
  exit 1
fi
/usr/sbin/cupsd -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" \
  >"$cups/log/cupsd.out" 2>&1 </dev/null &
cupsd_pid=$!
wait_for 15 "cupsd" test -S "$cups/cups.sock"
unset LPDEST PRINTER  # they would override the server's default printer
export CUPS_SERVER="$cups/cups.sock"
if ! { lpadmin -p PDF -E -v "cups-pdf:/$cups_pdf_name" -o PageSize=A4 \
         -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd && lpadmin -d PDF; } 2>"$cups/log/lpadmin"; then
  echo "wine-session: the PDF queue could not be set up:" >&2
  cat "$cups/log/lpadmin" >&2
  exit 1
fi
export KX_PDF_DIR="$session/pdf"

export WINEPREFIX="$session/prefix"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export KX_SESSION="$session"

echo "wine-session: display $DISPLAY, preparing a fresh Wine prefix"
timeout 180 "$KX_WINE64" wineboot -i >"$session/wineboot.log" 2>&1 </dev/null
timeout 120 "$KX_WINESERVER" -w
# A persistent server, detached from every pipe (else the caller waits for it).
"$KX_WINESERVER" -p >/dev/null 2>&1 </dev/null

probe=${KX_WINE32_PROBE-$tooling/../build/win32/bin/wine32_probe.exe}
if [ -z "$probe" ]; then
  echo "32-bit programs are not used in this session" >"$session/wine32"
elif [ -f "$probe" ]; then
  if ! "$tooling/wine32-guard.sh" "$probe"; then
    echo "wine-session: 32-bit programs will be refused in this session" >&2
  fi
else
  echo "no 32-bit probe at $probe (build the win32 preset)" >"$session/wine32"
fi

timeout --kill-after=10 "${KX_SESSION_TIMEOUT:-2400}" "$@"
