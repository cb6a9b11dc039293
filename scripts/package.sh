#!/usr/bin/env bash
# Builds the Debian package build/package/lirabo_<version>_<arch>.deb from the
# build in build/ (run scripts/build.sh first).
set -euo pipefail
cd "$(dirname "$0")/../build"
rm -f package/lirabo_*.deb
cpack -G DEB
ls package/lirabo_*.deb
