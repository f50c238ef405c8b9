#!/usr/bin/env bash
# run-suites.sh PRESET...
# Runs ctest for each preset, one after the other, and prints one line per
# suite: its tests, how many failed, the GoogleTest cases the test programs
# passed and skipped, and its wall time (also appended to $KX_SUITE_SUMMARY
# when that is set). Inside a test session the suites share the desktop and
# the prefix: the wineserver is restarted between suites, so no program,
# global atom or hot key of one suite reaches the next. The win32 suite runs
# only when the session's 32-bit Wine passed wine32-guard.sh and fails at once
# otherwise. Exits 1 when any suite failed.
set -uo pipefail
# shellcheck source=tools/wine-common.sh
. "$(dirname "$0")/wine-common.sh"

status=0
first=1

report() {  # report LINE
  echo "$1"
  if [ -n "${KX_SUITE_SUMMARY:-}" ]; then echo "$1" >>"$KX_SUITE_SUMMARY"; fi
}

restart_wineserver() {
  timeout 30 "$KX_WINESERVER" -k >/dev/null 2>&1
  timeout 30 "$KX_WINESERVER" -w >/dev/null 2>&1
  "$KX_WINESERVER" -p >/dev/null 2>&1 </dev/null
}

for preset in "$@"; do
  if [ -n "${KX_SESSION:-}" ] && [ "$first" -eq 0 ]; then restart_wineserver; fi
  first=0
  if [ "$preset" = win32 ]; then
    verdict=$(cat "${KX_SESSION:-/nonexistent}/wine32" 2>/dev/null) || verdict="no test session"
    if [ "$verdict" != ok ]; then
      report "suite win32: FAILED, NOT RUN: no working 32-bit Wine: $verdict"
      status=1
      continue
    fi
  fi
  echo "== suite $preset"
  log=$(mktemp)
  junit=$(mktemp)  # every test's whole output, for the GoogleTest totals
  start=$(date +%s)
  ctest --preset "$preset" --output-junit "$junit" --test-output-size-passed 10000000 2>&1 |
    tee "$log"
  result=${PIPESTATUS[0]}
  seconds=$(($(date +%s) - start))
  counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\2 tests, \1 failed/p' "$log")
  [ -n "$counts" ] || counts="no test count"
  skipped=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log" | paste -sd, -)
  [ -z "$skipped" ] || counts="$counts, SKIPPED: $skipped"
  cases=$(awk '/^\[  PASSED  \] [0-9]/ {passed += $4} /^\[  SKIPPED \] [0-9]/ {skipped += $4}
               END {printf "%d passed, %d skipped", passed, skipped}' "$junit")
  rm -f "$log" "$junit"
  if [ "$result" -eq 0 ]; then verdict=passed; else verdict=FAILED; status=1; fi
  report "suite $preset: $verdict, $counts (GoogleTest cases: $cases), wall $((seconds / 60))m$(printf '%02d' $((seconds % 60)))s"
done
exit "$status"
