# shellcheck shell=bash
# Package installation for scripts/setup.sh, in steps that survive a package
# index that a mirror serves half-synced: the update is retried and then taken
# as it is, and an install that apt cannot resolve is tried once more with the
# release's main suite preferred over its security and update suites.

kx_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# kx_missing_packages PACKAGE...: prints those that are not installed.
kx_missing_packages() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
      echo "$p"
    fi
  done
}

# kx_apt_update: three tries, a pause of KX_APT_PAUSE seconds (5) between
# them. An index still failing after that is said in one line, not fatal.
kx_apt_update() {
  local log try
  log=$(mktemp)
  for try in 1 2 3; do
    if kx_as_root apt-get update -qq >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    [ "$try" -eq 3 ] || sleep "${KX_APT_PAUSE:-5}"
  done
  local failed
  failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' "$log" | head -n 1)
  rm -f "$log"
  echo "setup: the package index is incomplete after 3 tries${failed:+ ($failed failed)}; installing with what it has"
}

kx_apt_get_install() {  # kx_apt_get_install [APT OPTIONS...] -- PACKAGE...
  kx_as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# kx_apt_install PACKAGE...: installs them; when apt cannot resolve the set
# (an architecture's security index missing, so multi-arch twins differ), one
# more try prefers the main suite, for this command only. Fails with one line
# naming what is still not installed.
kx_apt_install() {
  local errors
  errors=$(mktemp)
  if kx_apt_get_install "$@" 2>"$errors"; then
    rm -f "$errors"
    return 0
  fi
  local suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "setup: apt could not resolve the install; trying again preferring the $suite suite (apt-get -t $suite)"
  if kx_apt_get_install -t "$suite" "$@" 2>"$errors"; then
    rm -f "$errors"
    return 0
  fi
  grep '^E:' "$errors" >&2 || true
  rm -f "$errors"
  local still
  still=$(kx_missing_packages "$@" | paste -sd' ' -)
  echo "setup: could not install: ${still:-$*}" >&2
  return 1
}
