#!/usr/bin/env bash
# build-msi.sh STAGE ICON VERSION EPOCH OUTPUT.msi
# Builds the per-user installer of packaging/Kaptorix.wxs with wixl from the
# files in STAGE, then fixes with msibuild what wixl leaves to chance or to the
# clock, so that the same inputs give the same bytes:
# - the product code is derived from the version, the package code from the
#   version and the bytes that go into the package;
# - the summary's times are EPOCH (the commit's date), its template names
#   the package's language;
# - the logon start's component gets its condition (wixl has no
#   Component/Condition), the programs their file versions.
# The files' dates inside the cabinet are their modification times: the
# caller sets them.
set -euo pipefail
stage=$1 icon=$2 version=$3 epoch=$4 output=$(realpath -m "$5")
here=$(cd "$(dirname "$0")" && pwd)
export TZ=UTC

# name_uuid TEXT: a name-based UUID (version 5 layout) from the SHA-256 of TEXT.
name_uuid() {
  local h
  h=$(printf '%s' "$1" | sha256sum)
  printf '%s-%s-5%s-%x%s-%s\n' "${h:0:8}" "${h:8:4}" "${h:13:3}" $(((0x${h:16:1} & 3) | 8)) \
    "${h:17:3}" "${h:20:12}" | tr a-f A-F
}

product_code=$(name_uuid "Kaptorix product $version")
package_code=$(name_uuid "Kaptorix package $version $(cat "$here/Kaptorix.wxs" "$icon" \
  "$stage"/* | sha256sum)")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl takes the files from the current folder (it refuses absolute paths).
mkdir "$work/files"
cp -p "$stage"/* "$icon" "$work/files/"
(cd "$work/files" && wixl --arch x86 -D Version="$version" -D ProductCode="$product_code" \
  -o "$output" "$here/Kaptorix.wxs")

# The logon start: on at STARTATLOGON=1, off at STARTATLOGON=0, and without
# it as the older version had it (its Run value, found by the RegistrySearch).
# The programs' file versions, which wixl leaves out: without them Windows
# Installer takes the programs for unversioned files.
condition='STARTATLOGON="1" OR (PREVIOUSSTARTATLOGON AND NOT STARTATLOGON)'
msibuild "$output" \
  -q "UPDATE \`Component\` SET \`Condition\` = '$condition' WHERE \`Component\` = 'StartAtLogon'" \
  -q "UPDATE \`File\` SET \`Version\` = '$version.0'
      WHERE \`File\` = 'KaptorixExe' OR \`File\` = 'KaptorixKeyExe'"

# The whole summary: code page, title, subject, author, keywords, comments,
# template, package code, created, saved, schema 500, word count 10
# (compressed, no elevation: per-user), security 2 (read-only recommended).
date=$(date -u -d "@$epoch" '+%Y/%m/%d %H:%M:%S')
{
  printf 'PropertyId\tValue\r\ni2\tl255\r\n_SummaryInformation\tPropertyId\r\n'
  printf '%s\t%s\r\n' 1 1252 2 "Installation Database" 3 "Kaptorix $version" \
    4 "The Kaptorix authors" 5 Installer 6 "Kaptorix: screen capture on the Print Screen key" \
    7 "Intel;1041" 9 "{$package_code}" 12 "$date" 13 "$date" 14 500 15 10 19 2
} >"$work/_SummaryInformation.idt"
msibuild "$output" -i "$work/_SummaryInformation.idt"
