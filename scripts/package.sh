#!/usr/bin/env bash
# Builds the Debian package build/package/lirabo_<version>_<arch>.deb from the
# build in build/ (run scripts/build.sh first).
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/../build"
rm -f package/lirabo_*.deb
cpack -G DEB
ls package/lirabo_*.deb
