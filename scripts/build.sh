#!/usr/bin/env bash
# Configures and builds Lirabo into build/: everything (program, sample
# content, tests, tools), or only the targets named in LIRABO_BUILD_TARGETS.
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
# shellcheck disable=SC2086
cmake --build build ${LIRABO_BUILD_TARGETS:+--target $LIRABO_BUILD_TARGETS}
