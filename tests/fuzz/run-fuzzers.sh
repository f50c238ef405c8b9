#!/usr/bin/env bash
# run-fuzzers.sh [BIN_DIR]
# Runs every fuzz target of the fuzz build (default build/fuzz/bin) briefly
# and reproducibly: a fixed seed and a fixed number of runs (a few seconds
# each) over its committed seed corpus, tests/fuzz/corpus/<target>, with its
# dictionary where it has one. New inputs go to a temporary folder, so the
# source tree stays as it is. Prints one line per target (also appended to
# $KX_SUITE_SUMMARY when that is set). Exits 1 when a target found a crash,
# a leak, a hang or a failed check, whose input and log are then kept and
# named; also when a built target is missing from the list below.
#
# A longer run of one target, by hand:
#   build/fuzz/bin/fuzz_hotkey -max_total_time=1800 NEW_DIR tests/fuzz/corpus/hotkey
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../../build/fuzz/bin}

# target, runs, dictionary
targets=(
  "settings_reader 100000 settings"
  "settings_writer 8000 settings"
  "command_get 150000 launcher"
  "launcher 60000 launcher"
  "hotkey 25000 -"
  "bmp 8000 -"
  "print_layout 100000 -"
)

report() {  # report LINE
  echo "$1"
  if [ -n "${KX_SUITE_SUMMARY:-}" ]; then echo "$1" >>"$KX_SUITE_SUMMARY"; fi
}

status=0
listed=()
for entry in "${targets[@]}"; do
  read -r name runs dict <<<"$entry"
  listed+=("fuzz_$name")
  program=$bin/fuzz_$name
  corpus=$here/corpus/$name
  if [ ! -x "$program" ] || [ ! -d "$corpus" ]; then
    report "fuzz $name: FAILED, no program $program or no seed corpus $corpus"
    status=1
    continue
  fi
  work=$(mktemp -d -t kx-fuzz-"$name".XXXXXX)
  options=(-seed=1 -runs="$runs" -max_len=4096 -timeout=10 -print_final_stats=1
           -artifact_prefix="$work/")
  [ "$dict" = - ] || options+=(-dict="$here/dict/$dict.dict")
  start=$(date +%s%N)
  "$program" "${options[@]}" "$work" "$corpus" >"$work/log" 2>&1
  result=$?
  nanoseconds=$(($(date +%s%N) - start))
  seconds=$(awk -v ns="$nanoseconds" 'BEGIN {printf "%.1f", ns / 1e9}')
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  speed=$(awk -v n="${executed:-0}" -v ns="$nanoseconds" 'BEGIN {printf "%d", n / (ns / 1e9)}')
  seeds=$(find "$corpus" -type f | wc -l)
  found=$(find "$work" -maxdepth 1 -type f ! -name log | wc -l)
  if [ "$result" -eq 0 ]; then
    report "fuzz $name: passed, ${executed:-?} runs in ${seconds}s (${speed:-?} exec/s), $seeds seeds, $found inputs found"
    rm -rf "$work"
  else
    tail -n 30 "$work/log"
    crash=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | head -n 1)
    report "fuzz $name: FAILED after ${executed:-?} runs in ${seconds}s: ${crash:-no input kept}, log $work/log"
    status=1
  fi
done

for program in "$bin"/fuzz_*; do
  [ -e "$program" ] || continue
  case " ${listed[*]} " in
    *" $(basename "$program") "*) ;;
    *)
      report "fuzz $(basename "$program"): FAILED, not listed in $0"
      status=1
      ;;
  esac
done
exit "$status"
