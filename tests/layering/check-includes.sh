#!/usr/bin/env bash
# Fails when an #include in src/ or launcher/ crosses a layer the wrong way.
#
#   app                          may include everything below
#   actions   region             capture, hotkey, notices, settings, base;
#                                never one another
#   capture   hotkey   notices   settings, base; never one another
#   settings                     base
#   base                         itself only
#   launcher                     settings, base
#
# Portable code (outside a win32/ folder) includes no win32/ header.
# Usage: check-includes.sh <source root>
set -euo pipefail
root=${1:-$(dirname "$0")/../..}
cd "$root"

declare -A rank=([base]=0 [settings]=1 [capture]=2 [hotkey]=2 [notices]=2 [actions]=3 [region]=3 [app]=4)

allowed() {  # allowed <layer of the file> <layer of the header>
  local from=$1 to=$2
  if [ "$from" = launcher ]; then
    [ "$to" = launcher ] || [ "$to" = settings ] || [ "$to" = base ]
  elif [ "$to" = launcher ]; then
    false
  else
    [ "$from" = "$to" ] || [ "${rank[$to]}" -lt "${rank[$from]}" ]
  fi
}

failures=0
while IFS=: read -r file line header; do
  case $file in
    src/*) from=${file#src/}; from=${from%%/*} ;;
    launcher/*) from=launcher ;;
  esac
  [ -n "${rank[$from]+set}" ] || [ "$from" = launcher ] || continue
  to=${header%%/*}
  [ -n "${rank[$to]+set}" ] || [ "$to" = launcher ] || continue  # not a layer's header
  if ! allowed "$from" "$to"; then
    echo "$file:$line: $from must not include $header"
    failures=$((failures + 1))
  elif [[ $file != */win32/* && $header == */win32/* ]]; then
    echo "$file:$line: portable code must not include $header"
    failures=$((failures + 1))
  fi
done < <(grep -rnoE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' src launcher |
         sed -E 's/^([^:]+):([0-9]+):.*"([^"]+)"$/\1:\2:\3/')

checked=$(grep -rlE --include='*.h' --include='*.cpp' '#[[:space:]]*include' src launcher | wc -l)
if [ "$failures" -gt 0 ]; then
  echo "layering: $failures include(s) cross a layer the wrong way"
  exit 1
fi
echo "layering: the includes of $checked files keep to their layers"
