#!/usr/bin/env bash
# print-e2e.sh PRINT_PROBE_EXE
# The print-out on the session's CUPS PDF queue, end to end: a printed page
# renders with the picture, heading and date where the layout puts them; a
# printer name that matches no queue prints nothing; a failing print-out
# writes its log record, shows its notice and prints nothing; with no printer
# at all the outcome says so. Run by ctest inside tools/wine-session.sh.
set -euo pipefail

probe=$1
if [ -z "${KX_SESSION:-}" ] || [ -z "${KX_PDF_DIR:-}" ] || [ -z "${CUPS_SERVER:-}" ]; then
  echo "print-e2e: no test session; run this inside tools/wine-session.sh" >&2
  exit 2
fi
wine_run="$(dirname "$0")/../../../tools/wine-run.sh"
work=$(mktemp -d "$KX_SESSION/print-e2e.XXXXXX")
log="$(dirname "$probe")/Kaptorix_Key.log"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expect_line() {  # expect_line OUTPUT LINE
  if ! grep -qxF -- "$2" <<<"$1"; then fail "expected '$2' in: $1"; fi
}

# Bounded: the queue is empty once every job has been written out as a PDF.
wait_for_empty_queue() {
  local jobs
  for _ in $(seq 600); do
    jobs=$(lpstat -o) || { fail "lpstat cannot reach the print server"; return 1; }
    [ -z "$jobs" ] && return 0
    sleep 0.1
  done
  fail "the print queue did not empty within 60 s: $jobs"
  return 1
}

pdf_count() { find "$KX_PDF_DIR" -name '*.pdf' | wc -l; }

newest_pdf() { ls -t "$KX_PDF_DIR"/*.pdf | head -n1; }

probe() { "$wine_run" "$probe" "$@" | tr -d '\r'; }

echo "== the session's printers"
out=$(probe printers)
echo "$out"
expect_line "$out" "installed=[PDF]"
expect_line "$out" "default=PDF"
expect_line "$out" "area2=16838.4x11899.2"
expect_line "$out" "area1=11899.2x16838.4"
expect_line "$out" "orientation0=380"

echo "== a page on the default printer"
before=$(pdf_count)
out=$(probe page "")
echo "$out"
expect_line "$out" "outcome=Printed"
wait_for_empty_queue
if [ "$(pdf_count)" -ne $((before + 1)) ]; then
  fail "one new PDF expected, found $(($(pdf_count) - before))"
else
  pdf=$(newest_pdf)
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  [ "$pages" = 1 ] || fail "one page expected, the PDF has $pages"
  text=$(pdftotext -layout "$pdf" - | tr -s ' ')
  echo "text: $text"
  grep -qF "印刷テスト Kaptorix" <<<"$text" || fail "the heading is not on the page"
  grep -qE '[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}' <<<"$text" || fail "no date on the page"
  pdftoppm -r 300 -singlefile "$pdf" "$work/page"
  if ! out=$(probe check "Z:${work//\//\\}\\page.ppm"); then fail "the rendered page"; fi
  echo "$out"
fi

echo "== a named printer, blanks around its name, quality medium then high"
before=$(pdf_count)
out=$(probe page "  PDF  " 2)
expect_line "$out" "outcome=Printed"
wait_for_empty_queue
[ "$(pdf_count)" -eq $((before + 1)) ] || fail "the named printer did not print one page"

echo "== printer names that match no queue"
rm -f "$log"
before=$(pdf_count)
for name in "pdf" "NoSuchPrinter"; do
  out=$(probe page "$name")
  expect_line "$out" "outcome=PrinterNotFound"
done
wait_for_empty_queue
[ "$(pdf_count)" -eq "$before" ] || fail "an unknown printer name printed something"
[ ! -e "$log" ] || fail "an unknown printer name wrote the error log"

echo "== a failing print-out: a picture of height 0"
rm -f "$log"
before=$(pdf_count)
out=$(probe fail)
echo "$out"
expect_line "$out" "outcome=Failed"
expect_line "$out" "notice=shown"
if grep -q '^FAIL=' <<<"$out"; then fail "the print-error notice"; fi
wait_for_empty_queue
[ "$(pdf_count)" -eq "$before" ] || fail "a failed print-out produced a page"
printf '%s\r\n' "印刷エラー=PrintPictureToFitPage" "Err.Number=11" \
  "Err.Description=0 で除算しました。" "TrapNo=4" "Par=100" "TXT=印刷テスト Kaptorix" "ITI=0" \
  "QUA=1" "LEF=20" "RIT=20" "TOP=0" "BTN=0" "Tim=1" "MUK=2" | iconv -f UTF-8 -t CP932 >"$work/expected.log"
if [ ! -e "$log" ]; then
  fail "no error log at $log"
elif ! cmp -s "$log" "$work/expected.log"; then
  fail "the error log differs from the expected record:"
  iconv -f CP932 -t UTF-8 "$log" | cat -A
fi
rm -f "$log"

echo "== no printer at all: the print server out of reach"
# Wine takes its printer list from CUPS at each process start; the next
# process with the session's server gets the queue back.
out=$(CUPS_SERVER="$work/no-server.sock" probe page "")
echo "$out"
expect_line "$out" "outcome=NoPrinter"

if [ "$failures" -ne 0 ]; then
  echo "print-e2e: $failures check(s) failed"
  exit 1
fi
echo "print-e2e: all checks passed"
