#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]
# Runs one Windows program under the test session's Wine (ctest's emulator for
# both Windows builds): an x86_64 program with the 64-bit loader, an i686 one
# with the 32-bit loader, and that only when wine32-guard.sh has found the
# session's 32-bit Wine sound (without it Wine falls back to a WoW64 mode in
# which every 32-bit program exits 0, so a failing test would pass).
# Its output goes through a file: Wine's helper processes inherit the standard
# handles and would hold a pipe to ctest open after the program has ended.
set -uo pipefail
# shellcheck source=tools/wine-common.sh
. "$(dirname "$0")/wine-common.sh"
if [ -z "${KX_SESSION:-}" ]; then
  echo "wine-run: no test session; run this inside tools/wine-session.sh" >&2
  exit 2
fi
if [ $# -eq 0 ] || [ ! -f "$1" ]; then
  echo "wine-run: no such program: ${1:-}" >&2
  exit 2
fi

case "$(pe_machine "$1")" in
  8664) loader=$KX_WINE64 ;;
  014c)
    loader=$KX_WINE32
    verdict=$(cat "$KX_SESSION/wine32" 2>/dev/null) || verdict="32-bit Wine was not checked"
    if [ "$verdict" != ok ]; then
      echo "wine-run: refusing to run the 32-bit $1: $verdict" >&2
      exit 1
    fi
    ;;
  *)
    echo "wine-run: $1 is neither an x86_64 nor an i686 Windows program" >&2
    exit 2
    ;;
esac

log=$(mktemp "$KX_SESSION/run.XXXXXX")
"$loader" "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit "$status"
