#!/usr/bin/env bash
# Builds the program with its sample content and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/program/lirabo "$@"
