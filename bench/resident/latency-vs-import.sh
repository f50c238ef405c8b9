#!/usr/bin/env bash
# latency-vs-import.sh BUILD_DIR [PRESSES]
# The resident Kaptorix_Key.exe of a Windows build (win64 or win32) under Wine
# on virtual displays of 1920x1080 and 3840x2160 (KX_BENCH_SCREENS names
# others, as WIDTHxHEIGHTxDEPTH): PRESSES (100) presses of Shift+Print Screen
# sent with SendInput, each timed from the press to the finished numbered
# file, each followed by ImageMagick's `import -window root` of the same
# display; and the memory of the resident process (Linux RSS) before the
# first capture, after the first, after the first and KX_BENCH_IDLE_SECONDS (8)
# without presses, after the last, after the last and that idle time, and its
# peak during a capture. Prints one table.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

# Inside a test session: one display size, its figures as name=value lines.
in_session() {
  local build=$1 presses=$2 out=$3 idle=$4
  # shellcheck source=tools/wine-common.sh
  . "$root/tools/wine-common.sh"
  local driver=$build/bin/resident_bench.exe loader
  case "$(pe_machine "$driver")" in
    8664) loader=$KX_WINE64 ;;
    014c)
      loader=$KX_WINE32
      if [ "$(cat "$KX_SESSION/wine32" 2>/dev/null)" != ok ]; then
        echo "latency-vs-import: this session has no sound 32-bit Wine" >&2
        return 1
      fi
      ;;
    *) echo "latency-vs-import: no driver at $driver" >&2; return 1 ;;
  esac

  coproc DRIVER { exec "$loader" "$driver" 2>/dev/null; }
  local line
  answer() {  # answer PREFIX: the driver's next line, which must start so
    if ! IFS= read -r -t 60 line <&"${DRIVER[0]}"; then
      echo "latency-vs-import: the driver did not answer" >&2
      return 1
    fi
    line=${line%$'\r'}
    case "$line" in
      "$1"*) ;;
      *) echo "latency-vs-import: the driver said: $line" >&2; return 1 ;;
    esac
  }
  answer ready
  local screen=${line#ready }

  # The resident's Linux process: the one of this session's prefix.
  local pid="" p
  for p in /proc/[0-9]*; do
    grep -qa 'Kaptorix_Key\.exe' "$p/cmdline" 2>/dev/null || continue
    tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    pid=${p#/proc/}
    break
  done
  if [ -z "$pid" ]; then
    echo "latency-vs-import: the resident's process was not found" >&2
    return 1
  fi
  status() { awk -v key="$1:" '$1 == key { print $2 }' "/proc/$pid/status"; }  # KiB

  local before peak=0 first_peak=0 after_first=0 after_first_idle=0 first_ms="" failures=0
  local i start end
  local -a ours=() theirs=()
  before=$(status VmRSS)
  for ((i = 1; i <= presses; i++)); do
    echo 5 >"/proc/$pid/clear_refs"  # the peak starts again from here
    echo press >&"${DRIVER[1]}"
    answer ""
    case "$line" in
      saved*) ours+=("${line#saved }") ;;
      *) failures=$((failures + 1)); echo "latency-vs-import: press $i: $line" >&2 ;;
    esac
    answer "done"
    local hwm
    hwm=$(status VmHWM)
    [ "$hwm" -gt "$peak" ] && peak=$hwm
    if [ "$i" -eq 1 ]; then
      after_first=$(status VmRSS) first_peak=$hwm first_ms=${ours[0]:-}
      # What the first action left for good (code, fonts, heaps), as against
      # what goes once the spare bitmap's time is up.
      sleep "$idle"
      after_first_idle=$(status VmRSS)
    fi
    start=$EPOCHREALTIME
    import -window root -display "$DISPLAY" "$KX_SESSION/root.bmp"
    end=$EPOCHREALTIME
    theirs+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", (b - a) * 1000 }')")
  done
  local after_last
  after_last=$(status VmRSS)
  sleep "$idle"
  local after_idle
  after_idle=$(status VmRSS)
  echo quit >&"${DRIVER[1]}"
  answer closed
  wait "$DRIVER_PID" || true

  stats() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.2f %.2f", m, v[1] }'; }
  read -r our_median our_best <<<"$(stats "${ours[@]}")"
  read -r their_median their_best <<<"$(stats "${theirs[@]}")"
  cat >"$out" <<EOF
screen=$screen
presses=$presses
failures=$failures
load=$(cut -d' ' -f1-3 /proc/loadavg)
before=$before
after_first=$after_first
after_first_idle=$after_first_idle
after_last=$after_last
after_idle=$after_idle
first_peak=$first_peak
peak=$peak
our_median=$our_median
our_best=$our_best
first_ms=$first_ms
their_median=$their_median
their_best=$their_best
EOF
}

if [ "${1:-}" = --in-session ]; then
  shift
  in_session "$@"
  exit
fi

build=$(realpath "${1:?usage: latency-vs-import.sh BUILD_DIR [PRESSES] (a win64 or win32 build)}")
presses=${2:-100}
idle=${KX_BENCH_IDLE_SECONDS:-8}
results=$(mktemp -d "${TMPDIR:-/tmp}/kx-bench.XXXXXX")
trap 'rm -rf "$results"' EXIT
read -ra screens <<<"${KX_BENCH_SCREENS:-1920x1080x24 3840x2160x24}"
for screen in "${screens[@]}"; do
  echo "latency-vs-import: $screen, $presses presses, load $(cut -d' ' -f1-3 /proc/loadavg)" >&2
  KX_SCREEN=$screen "$root/tools/wine-session.sh" \
    bash "$here/latency-vs-import.sh" --in-session "$build" "$presses" "$results/$screen" \
    "$idle" >&2
done

# One column per display size.
awk -v idle="$idle" '
  FNR == 1 { n++ }
  { split($0, kv, "="); f[n, kv[1]] = substr($0, length(kv[1]) + 2) }
  function mib(kib) { return sprintf("%.1f MiB", kib / 1024) }
  END {
    head = "| Measure |"; rule = "|---|"
    for (i = 1; i <= n; i++) { head = head " " f[i, "screen"] " |"; rule = rule "---|" }
    print head; print rule
    s = "| resident RSS idle, before any capture |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "before"]) " |"; print s
    s = "| after 1 capture |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "after_first"]) " |"; print s
    s = "| after 1 capture and " idle " s idle |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "after_first_idle"]) " |"; print s
    s = "| after " f[1, "presses"] " captures |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "after_last"]) " |"; print s
    s = "| after " f[1, "presses"] " captures and " idle " s idle |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "after_idle"]) " |"; print s
    s = "| peak during a capture (the first; the highest) |"
    for (i = 1; i <= n; i++) s = s " " mib(f[i, "first_peak"]) "; " mib(f[i, "peak"]) " |"; print s
    s = "| key press to finished file: median (best; first press) |"
    for (i = 1; i <= n; i++)
      s = s sprintf(" %.1f ms (%.1f; %.1f) |", f[i, "our_median"], f[i, "our_best"], f[i, "first_ms"])
    print s
    s = "| `import -window root`: median (best) |"
    for (i = 1; i <= n; i++) s = s sprintf(" %.1f ms (%.1f) |", f[i, "their_median"], f[i, "their_best"])
    print s
    s = "| key to file / import (medians); goal at most 0.25 |"
    for (i = 1; i <= n; i++) s = s sprintf(" %.2f |", f[i, "our_median"] / f[i, "their_median"]); print s
    s = "| idle RSS after the presses minus before; goal at most 1 MiB |"
    for (i = 1; i <= n; i++) s = s sprintf(" %+.1f MiB |", (f[i, "after_idle"] - f[i, "before"]) / 1024)
    print s
    s = "| the same, after " f[1, "presses"] " captures minus after 1 (both idle) |"
    for (i = 1; i <= n; i++)
      s = s sprintf(" %+.1f MiB |", (f[i, "after_idle"] - f[i, "after_first_idle"]) / 1024)
    print s
    s = "| peak minus idle, in screen-sized bitmaps; goal at most 1.10 |"
    for (i = 1; i <= n; i++) {
      split(f[i, "screen"], wh, "x")
      s = s sprintf(" %.2f |", (f[i, "peak"] - f[i, "before"]) * 1024 / (wh[1] * wh[2] * 4))
    }
    print s
    s = "| the same, from the idle after 1 capture |"
    for (i = 1; i <= n; i++) {
      split(f[i, "screen"], wh, "x")
      s = s sprintf(" %.2f |", (f[i, "peak"] - f[i, "after_first_idle"]) * 1024 / (wh[1] * wh[2] * 4))
    }
    print s
    s = "| presses without a file; load average at the start |"
    for (i = 1; i <= n; i++) s = s " " f[i, "failures"] "; " f[i, "load"] " |"; print s
  }' "${screens[@]/#/$results/}"
