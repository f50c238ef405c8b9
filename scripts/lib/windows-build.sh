# shellcheck shell=bash disable=SC2034  # sourced; `build` is for its caller
# Sourced by the scripts that run the programs: which Windows build they use.
# Sets `build` to win32 (the shipped i686 programs); where the kernel refuses
# 32-bit processes to win64, says so and turns the session's 32-bit check off.
kx_choose_windows_build() {
  local status=0
  build=win32
  tools/host-runs-i386.sh || status=$?
  case $status in
    0) ;;
    1)
      echo "$1: THIS KERNEL REFUSES 32-BIT PROCESSES: using the x86_64 build instead"
      build=win64
      export KX_WINE32_PROBE=""
      ;;
    *) exit 1 ;;
  esac
}
