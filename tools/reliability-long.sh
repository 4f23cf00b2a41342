#!/usr/bin/env bash
# The reliability suite in its long mode (about 16 minutes): every payload of
# tests/reliability/payloads.json through every window against a throw-away
# server, the server killed before every statement of the paper changes four
# times over (more than 100 trials), ten minutes of randomised input. The
# figures go to build-test/reliability-long.log (one "name = value" line each),
# the whole output to build-test/reliability-long.out.
#
#   bash tools/reliability-long.sh [gtest filter]
#
# PAPER_FUZZ_SECONDS, PAPER_KILL_ROUNDS and PAPER_FUZZ_SEED override the long
# mode's defaults (150 s per fuzz target, 4 rounds, seed 40617395).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash tools/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPython3_EXECUTABLE=/usr/bin/python3 "${launcher[@]}" >/dev/null
cmake --build build-test -j2 --target test_reliability

trap 'tools/testdb.sh stop build-test/testdb' EXIT
tools/testdb.sh start build-test/testdb

log="$ROOT/build-test/reliability-long.log"
out="$ROOT/build-test/reliability-long.out"
rm -f "$log"
status=0
if ! (
  cd build-test/tests
  PAPER_LONG=1 PAPER_RESULTS_LOG="$log" QT_QPA_PLATFORM=offscreen \
    ./test_reliability --gtest_filter="${1:-*}"
) 2>&1 | grep --line-buffered -v 'does not support propagateSizeHints' | tee "$out"; then
  status=1
fi

echo
echo "== figures (build-test/reliability-long.log) =="
sort "$log" | sed 's/^\[reliability\] //'
grep -E '^\[  (PASSED|FAILED)  \]' "$out" || true
exit "$status"
