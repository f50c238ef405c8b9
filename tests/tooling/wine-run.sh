#!/usr/bin/env bash
# Runs one Windows program under the test session's Wine (ctest's emulator).
# Its output goes through a file: Wine's helper processes inherit the standard
# handles and would hold a pipe to ctest open after the program has ended.
set -uo pipefail
if [ -z "${KX_SESSION:-}" ]; then
  echo "wine-run: no test session; run this inside tests/tooling/wine-session.sh" >&2
  exit 2
fi
log=$(mktemp "$KX_SESSION/run.XXXXXX")
/usr/lib/wine/wine64 "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit "$status"
