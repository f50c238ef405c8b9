#!/usr/bin/env bash
# sign.sh EPOCH FILE...
# Signs Windows programs and installers in place with osslsigncode when a
# certificate is given in the environment:
#   KX_SIGN_PKCS12         the certificate and its key, a .pfx/.p12 file
#   KX_SIGN_PASSWORD       its password (optional)
#   KX_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server (optional; without
#                          it the signing time is EPOCH and a signed build
#                          stays reproducible)
# Without KX_SIGN_PKCS12 it signs nothing and says so.
set -euo pipefail
epoch=$1
shift
if [ -z "${KX_SIGN_PKCS12:-}" ]; then
  echo "release: NOT SIGNED: no certificate given (KX_SIGN_PKCS12); $(basename -a "$@" | paste -sd' ' -) unsigned"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
options=(-pkcs12 "$KX_SIGN_PKCS12" -h sha256 -n Kaptorix)
if [ -n "${KX_SIGN_PASSWORD:-}" ]; then
  printf '%s' "$KX_SIGN_PASSWORD" >"$work/password"
  options+=(-readpass "$work/password")
fi
if [ -n "${KX_SIGN_TIMESTAMP_URL:-}" ]; then
  options+=(-ts "$KX_SIGN_TIMESTAMP_URL")
else
  options+=(-time "$epoch")
fi
for file in "$@"; do
  osslsigncode sign "${options[@]}" -in "$file" -out "$work/signed" >/dev/null
  mv "$work/signed" "$file"
  echo "release: signed $(basename "$file")"
done
