#!/usr/bin/env bash
# The set-up's package steps against a stand-in apt-get that fails the way a
# half-synced mirror does: an index that never downloads, an install that
# resolves only with the main suite preferred, or not at all.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# apt-get: FAKE_UPDATE_FAILS failing updates first; FAKE_INSTALL is "ok",
# "main-suite" (only with -t) or "never". Calls go to $work/calls, installed
# packages to $work/installed, which dpkg-query reads.
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "$*" >>"$FAKE_DIR/calls"
case $1 in
  update)
    n=$(grep -c '^update' "$FAKE_DIR/calls")
    if [ "$n" -le "$FAKE_UPDATE_FAILS" ]; then
      echo "E: Failed to fetch http://mirror/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size" >&2
      echo "E: Some index files failed to download." >&2
      exit 100
    fi ;;
  install)
    if [ "$FAKE_INSTALL" = never ] || { [ "$FAKE_INSTALL" = main-suite ] && [[ " $* " != *" -t "* ]]; }; then
      echo "E: Unable to correct problems, you have held broken packages." >&2
      exit 100
    fi
    for p in "$@"; do [[ $p == -* || $p == install || $p == "${suite:-}" ]] || echo "$p" >>"$FAKE_DIR/installed"; done ;;
esac
FAKE
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
grep -qx "${!#}" "$FAKE_DIR/installed" 2>/dev/null && echo "install ok installed"
FAKE
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

failures=0
# check NAME UPDATE_FAILS INSTALL STATUS CALLS EXPECTED_LINE...
check() {
  local name=$1 fails=$2 install=$3 want_status=$4 want_calls=$5
  shift 5
  : >"$work/calls"
  printf 'cmake\n' >"$work/installed"
  local out status
  out=$(cd "$root" && PATH="$work/bin:$PATH" FAKE_DIR=$work FAKE_UPDATE_FAILS=$fails \
        FAKE_INSTALL=$install suite=$suite KX_APT_PAUSE=0 bash -c '
    . scripts/lib/apt.sh
    mapfile -t missing < <(kx_missing_packages cmake wine32:i386 libcups2:i386)
    [ ${#missing[@]} -eq 0 ] || { kx_apt_update && kx_apt_install "${missing[@]}"; }' 2>&1)
  status=$?
  local calls
  calls=$(cut -d' ' -f1 "$work/calls" | paste -sd, -)
  local problem=""
  [ "$status" -eq "$want_status" ] || problem="exit $status, not $want_status"
  [ "$calls" = "$want_calls" ] || problem="$problem; apt-get calls $calls, not $want_calls"
  local line
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$out" || problem="$problem; no line: $line"
  done
  if [ -n "$problem" ]; then
    echo "FAILED $name: ${problem#; }"
    echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok $name"
  fi
}

incomplete="setup: the package index is incomplete after 3 tries (http://mirror/dists/bookworm-security/main/binary-i386/Packages.xz failed); installing with what it has"
retry="setup: apt could not resolve the install; trying again preferring the $suite suite (apt-get -t $suite)"

check "an index that comes on the second try" 1 ok 0 update,update,install
check "a broken index and an install that needs the main suite" 9 main-suite 0 \
  update,update,update,install,install "$incomplete" "$retry"
check "an install that nothing resolves names what is missing" 0 never 1 update,install,install \
  "$retry" "setup: could not install: wine32:i386 libcups2:i386"
printf 'wine32:i386\nlibcups2:i386\n' >>"$work/installed"
: >"$work/calls"
(cd "$root" && PATH="$work/bin:$PATH" FAKE_DIR=$work bash -c '. scripts/lib/apt.sh
  [ -z "$(kx_missing_packages cmake wine32:i386)" ]') || { echo "FAILED installed packages count as missing"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "apt: every case passed"
exit $((failures > 0))
