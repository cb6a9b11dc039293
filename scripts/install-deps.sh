#!/usr/bin/env bash
# Installs every system package the build, the tests and the sample content need.
# Idempotent; runs as root or through sudo.
set -euo pipefail
PKGS=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
  libsdl2-dev libjpeg-dev libpng-dev zlib1g-dev libgif-dev
  xvfb xauth x11-apps imagemagick espeak-ng libespeak-ng-dev sox unrtf
  fonts-noto-color-emoji fonts-sil-andika fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  dpkg-dev file lintian desktop-file-utils appstream
  samba smbclient smbnetfs fuse3 iproute2 util-linux
)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
