#!/usr/bin/env bash
# Builds the benchmark program (Release, in build-bench) and runs the benchmarks:
#   bash bench/run.sh                      100,000 and 1,000,000 papers, 5 runs each
#   bash bench/run.sh --sizes 10000 --runs 3
# Options are those of bench/run.py (--help). The table is printed and written to
# build-bench/bench-work/results.md; every figure to results.json beside it.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPython3_EXECUTABLE=/usr/bin/python3 \
  -DPAPER_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-bench -j2 --target paper_bench
exec /usr/bin/python3 bench/run.py "$@"
