#!/usr/bin/env bash
# Builds the full-text benchmark program (Release, in build-bench) and runs bench/fulltext_run.py
# with the options given (--help lists them).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPython3_EXECUTABLE=/usr/bin/python3 \
  -DPAPER_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-bench -j2 --target paper_fulltext_bench paper_pdf_reader
exec /usr/bin/python3 bench/fulltext_run.py "$@"
