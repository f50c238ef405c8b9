#!/usr/bin/env bash
# release.sh [--version X.Y.Z] [--build-dir DIR] [--dist DIR]
# Builds the shipped i686 programs in Release (the two programs only, in
# build/release) and writes the downloads into dist/:
#   Kaptorix-<version>-win32.zip  the programs, README.txt, LICENSE.txt
#   Kaptorix-<version>.msi        the per-user installer (packaging/Kaptorix.wxs)
#   SHA256SUMS                    of both
# The version is the CMake project's; --version builds another one in a build
# folder of its own (tests make an upgrade with it). Reproducible: every date
# in the archives is the commit's (SOURCE_DATE_EPOCH overrides it), and two
# builds of one commit give the same bytes. Signs when a certificate is given
# (packaging/sign.sh), and says so when not.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

version="" build="" dist=$root/dist
usage="release.sh [--version X.Y.Z] [--build-dir DIR] [--dist DIR]"
while [ $# -gt 0 ]; do
  case $1 in
    --version | --build-dir | --dist) [ $# -ge 2 ] || { echo "release: $1 needs a value ($usage)" >&2; exit 1; } ;;
    *) echo "release: unknown argument '$1' ($usage)" >&2; exit 1 ;;
  esac
  case $1 in
    --version) version=$2 ;;
    --build-dir) build=$2 ;;
    --dist) dist=$2 ;;
  esac
  shift 2
done
[ -n "$build" ] || build=$root/build/release${version:+-$version}
mkdir -p "$build" "$dist"
build=$(cd "$build" && pwd) dist=$(cd "$dist" && pwd)
cd "$root"

for tool in cmake ninja i686-w64-mingw32-g++-posix wixl msibuild zip sha256sum; do
  command -v "$tool" >/dev/null || { echo "release: $tool is missing; run scripts/setup.sh" >&2; exit 1; }
done
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
if [ -z "$epoch" ]; then
  echo "release: no commit to take the date from; set SOURCE_DATE_EPOCH" >&2
  exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DKX_BUILD_TESTS=OFF \
  -DKX_VERSION_OVERRIDE="$version" >/dev/null
cmake --build "$build" --target Kaptorix Kaptorix_Key
version=$(sed -n 's/^#define KX_VERSION_STRING "\(.*\)"$/\1/p' "$build/generated/KaptorixVersion.h")

stage=$build/stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$build/bin/Kaptorix.exe" "$build/bin/Kaptorix_Key.exe" "$stage/"
packaging/sign.sh "$epoch" "$stage/Kaptorix.exe" "$stage/Kaptorix_Key.exe"
# Texts for Windows: CRLF lines, and the read-me in UTF-8 with a byte order mark.
{ printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/g; s/\$/\r/" packaging/README.txt; } \
  >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
chmod 644 "$stage"/*
touch -d "@$epoch" "$stage"/*

# dist/ holds the downloads of one build: older ones go.
rm -f "$dist"/Kaptorix-*-win32.zip "$dist"/Kaptorix-*.msi "$dist/SHA256SUMS"
zip=$dist/Kaptorix-$version-win32.zip msi=$dist/Kaptorix-$version.msi
(cd "$stage" && TZ=UTC zip -X -D -9 -q "$zip" Kaptorix.exe Kaptorix_Key.exe README.txt LICENSE.txt)
packaging/build-msi.sh "$stage" "$root/resources/Kaptorix.ico" "$version" "$epoch" "$msi"
packaging/sign.sh "$epoch" "$msi"
(cd "$dist" && sha256sum "${zip##*/}" "${msi##*/}" >SHA256SUMS)
for file in "$zip" "$msi"; do
  echo "release: $file ($(stat -c %s "$file") bytes)"
done
