#!/usr/bin/env bash
# Maintainer check: builds the libFuzzer targets (clang) into build-fuzz/ and
# runs each named target (default: all) for SECONDS (default 600), starting
# from its corpus in fuzz/corpus/. New inputs go to build-fuzz/corpus/, any
# finding to build-fuzz/findings/<target>/, and a summary line per target
# (executions, coverage, findings) to build-fuzz/fuzz-summary.txt.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. scripts/fuzz.sh 600 emf wmf
# FUZZ_NICE sets the priority (default 19, the lowest).
set -euo pipefail
# File names of the content hold umlauts: read them in a UTF-8 locale even
# where none is set (C.UTF-8 is always there on Debian).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do n=${f#fuzz/fuzz_}; targets+=("${n%.cpp}"); done
fi
# FUZZ_NO_BUILD=1 skips the build, so several runs can share build-fuzz/.
if [ -z "${FUZZ_NO_BUILD:-}" ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLIRABO_FUZZ=ON -DLIRABO_CONTENT=OFF >/dev/null
  cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"
fi
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t"
  log="build-fuzz/findings/$t/fuzz.log"
  status=0
  nice -n "${FUZZ_NICE:-19}" "build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=20 \
    -artifact_prefix="build-fuzz/findings/$t/" -print_final_stats=1 \
    "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1 || status=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
  echo "$t: exit $status, $execs executions, coverage $cov, findings $(find "build-fuzz/findings/$t" -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' | wc -l)" |
    tee -a build-fuzz/fuzz-summary.txt
done
