#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j "$(nproc)"
