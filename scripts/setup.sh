#!/usr/bin/env bash
# Installs every Debian package the build, the release downloads (wixl and
# msitools for the MSI, zip, osslsigncode) and the tests need, the 32-bit half
# of Wine (the i386 architecture, for the shipped i686 programs' tests) and
# the Japanese locale Wine takes its code page from. Idempotent: quick when
# all is present.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib/apt.sh
. scripts/lib/apt.sh

packages=(
  cmake ninja-build g++ binutils clang clang-format libclang-rt-14-dev libgtest-dev googletest
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine64 xvfb openbox x11-utils libcups2 fonts-vlgothic locales
  wine wine32:i386 libcups2:i386
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  imagemagick xdotool procps
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  wixl msitools zip unzip osslsigncode
)

# 32-bit Wine (wine32:i386) comes from the i386 architecture; printing from it
# needs libcups2:i386, which --no-install-recommends would leave out.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  kx_as_root dpkg --add-architecture i386
fi

mapfile -t missing < <(kx_missing_packages "${packages[@]}")
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  kx_apt_update
  kx_apt_install "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating ja_JP.UTF-8"
  kx_as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  kx_as_root locale-gen >/dev/null
fi
