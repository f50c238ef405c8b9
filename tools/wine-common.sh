# shellcheck shell=bash disable=SC2034  # sourced; the variables are used by its callers
# Sourced by the Wine tooling: the loaders and server of Debian's Wine, and
# the machine type of a Windows program.
KX_WINE64=/usr/lib/wine/wine64   # x86_64 programs
KX_WINE32=/usr/lib/wine/wine     # i686 programs: classic 32-bit Wine (wine32:i386)
KX_WINESERVER=/usr/lib/wine/wineserver

# pe_machine FILE: prints the PE machine field in hex (8664 x86_64, 014c i386);
# fails for a file that is not a PE image.
pe_machine() {
  local offset signature
  offset=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ') || return 1
  [ -n "$offset" ] || return 1
  signature=$(od -An -t x1 -j "$offset" -N 4 "$1" | tr -d ' ')
  [ "$signature" = 50450000 ] || return 1
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}
