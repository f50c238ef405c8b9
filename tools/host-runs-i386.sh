#!/usr/bin/env bash
# host-runs-i386.sh
# Whether this kernel runs 32-bit (i386) processes, which 32-bit Wine needs:
# assembles a tiny static i386 ELF that exits with a code chosen here and runs
# it. Exits 0 when it does, 1 when the kernel refuses it ("Exec format
# error"), 2 when the answer is something else (no binutils, a folder that
# forbids running programs): that is no reason to leave 32-bit tests out.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
code=$((64 + RANDOM % 60))
cat >"$work/exit.s" <<EOF2
        .globl _start
        .text
_start: movl \$1, %eax          # exit(code)
        movl \$$code, %ebx
        int \$0x80
EOF2
if ! as --32 -o "$work/exit.o" "$work/exit.s" || ! ld -m elf_i386 -o "$work/exit" "$work/exit.o"; then
  echo "host-runs-i386: cannot build the i386 probe (as --32, ld -m elf_i386)" >&2
  exit 2
fi
"$work/exit" 2>"$work/error"
status=$?
[ "$status" -eq "$code" ] && exit 0
if grep -q "Exec format error" "$work/error"; then
  exit 1
fi
echo "host-runs-i386: the i386 probe exited with $status instead of $code: $(cat "$work/error")" >&2
exit 2
