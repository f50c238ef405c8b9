#!/usr/bin/env bash
# option-print-e2e.sh KAPTORIX_KEY_EXE
# The option run's print-out on the session's PDF queue: "/KIND=1" prints one
# page of the screen; a percent outside 1..100 prints at 100 percent (the same
# page as 100), 50 prints a smaller picture; "[BSAV]1" saves instead. Each run
# ends with 0 and names the printer used (or the file saved) on its output.
# Run by ctest inside tools/wine-session.sh.
set -euo pipefail

exe=$1
if [ -z "${KX_SESSION:-}" ] || [ -z "${KX_PDF_DIR:-}" ]; then
  echo "option-print-e2e: no test session; run this inside tools/wine-session.sh" >&2
  exit 2
fi
wine_run="$(dirname "$0")/../../tools/wine-run.sh"
work=$(mktemp -d "$KX_SESSION/option-print.XXXXXX")
cp "$exe" "$work/"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

wait_for_empty_queue() {
  for _ in $(seq 600); do
    [ -z "$(lpstat -o)" ] && return 0
    sleep 0.1
  done
  fail "the print queue did not empty within 60 s"
}

pdf_count() { find "$KX_PDF_DIR" -name '*.pdf' | wc -l; }

# print_with SETTINGS NAME: one option run; its page rendered to NAME.ppm.
print_with() {
  printf '%s\r\n' "$1" >"$work/Kaptorix.ini"
  local before output status=0
  before=$(pdf_count)
  output=$("$wine_run" "$work/Kaptorix_Key.exe" Kaptorix /KIND=1 | tr -d '\r') || status=$?
  [ "$status" -eq 0 ] || fail "$2: exit code $status"
  [ "$output" = PDF ] || fail "$2: the run named '$output', not the printer PDF"
  wait_for_empty_queue
  if [ "$(pdf_count)" -ne $((before + 1)) ]; then
    fail "$2: one new page expected, found $(($(pdf_count) - before))"
    return
  fi
  pdftoppm -r 40 -singlefile "$(ls -t "$KX_PDF_DIR"/*.pdf | head -n1)" "$work/$2"
}

print_with "[PAR ]100" hundred
print_with "[PAR ]0" zero
print_with "[PAR ]150" above
print_with "[PAR ]50" half
cmp -s "$work/hundred.ppm" "$work/zero.ppm" || fail "percent 0 did not print at 100 percent"
cmp -s "$work/hundred.ppm" "$work/above.ppm" || fail "percent 150 did not print at 100 percent"
cmp -s "$work/hundred.ppm" "$work/half.ppm" && fail "percent 50 printed the same page as 100"

before=$(pdf_count)
printf '[BSAV]1\r\n' >"$work/Kaptorix.ini"
saved=$("$wine_run" "$work/Kaptorix_Key.exe" Kaptorix /KIND=1 | tr -d '\r')
[ "${saved##*\\}" = KX001.BMP ] || fail "always-save named '$saved', not KX001.BMP"
wait_for_empty_queue
[ "$(pdf_count)" -eq "$before" ] || fail "always-save printed a page"
[ -s "$work/KX001.BMP" ] || fail "always-save did not save KX001.BMP"

rm -rf "$work"
if [ "$failures" -ne 0 ]; then
  echo "option-print-e2e: $failures check(s) failed"
  exit 1
fi
echo "option-print-e2e: all checks passed"
