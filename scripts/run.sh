#!/usr/bin/env bash
# Builds the program with its sample content (not the tests and tools) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
LIRABO_BUILD_TARGETS=lirabo_program bash scripts/build.sh
exec ./build/program/lirabo "$@"
