#!/usr/bin/env bash
# Configures and builds Lirabo into build/: everything (program, sample
# content, tests, tools), or only the targets named in LIRABO_BUILD_TARGETS.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
# shellcheck disable=SC2086
cmake --build build ${LIRABO_BUILD_TARGETS:+--target $LIRABO_BUILD_TARGETS}
