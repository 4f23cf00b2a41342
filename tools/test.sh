#!/usr/bin/env bash
# Builds everything into build-test and runs the tests. CTest starts and stops the test
# database server itself (tools/testdb.sh); the trap only cleans up after an interruption.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash tools/install-deps.sh

# No layer may include one above it (CMakeLists.txt builds one library per layer).
bash tools/check-layers.sh

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPython3_EXECUTABLE=/usr/bin/python3 "${launcher[@]}"
cmake --build build-test -j2

trap 'tools/testdb.sh stop build-test/testdb' EXIT
status=0
ctest --test-dir build-test --output-on-failure || status=$?
exit "$status"
