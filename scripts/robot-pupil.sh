#!/usr/bin/env bash
# Maintainer check: the robot pupil plays every exercise variant on new seeds
# for MINUTES minutes (default 10) on an existing build and prints the
# events it sent and every fault it found (each fault names its variant and
# seed; keep a failing seed as a regression case in
# tests/robot/robot_pupil_test.cpp). The build folder comes from
# LIRABO_BUILD_DIR (default build; build-san for the sanitizer build of
# scripts/sanitize.sh); LIRABO_ROBOT_SEED sets the first seed.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-10}"
build="${LIRABO_BUILD_DIR:-build}"
binary="$build/tests/lirabo_tests"
if [[ ! -x "$binary" ]]; then
    echo "no test binary at $binary; build first (scripts/build.sh or scripts/sanitize.sh)" >&2
    exit 2
fi
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
export LIRABO_ROBOT_MINUTES="$minutes"
exec "$binary" --gtest_filter='RobotPupil.LongRun'
