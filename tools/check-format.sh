#!/usr/bin/env bash
# Fails when a C++ file of the tree is not in the house style (.clang-format),
# naming each such file. Usage: check-format.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null ||
                     find src launcher tests bench tools -name '*.cpp' -o -name '*.h')
unformatted=()
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'check-format: not in the house style (clang-format -i FILE): %s\n' "${unformatted[@]}"
  exit 1
fi
echo "check-format: ${#files[@]} files in the house style"
