#!/usr/bin/env bash
# Maintainer check: builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang) into build-san/ and runs the whole test
# suite there. Slow; not part of CI. Extra arguments go to ctest.
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIRABO_SANITIZE=ON
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The content generator runs during the build; its leaks at exit do not matter.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-san ${LIRABO_JOBS:+-j "$LIRABO_JOBS"}
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build-san --output-on-failure -j "$(nproc)" --timeout 900 "$@"
