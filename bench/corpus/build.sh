#!/bin/bash
# Rebuild the labelled PDF corpus from the installed packages: bash bench/corpus/build.sh OUTDIR
# (run install.sh first). Extra arguments go to build.py (e.g. --per-template 10).
set -euo pipefail
HERE="$(cd "$(dirname "$0")" && pwd)"
OUT="${1:?usage: build.sh OUTDIR [build.py options]}"
shift
# Debian's python3: the corpus tools use the Debian modules (python3-docx, python3-pylatexenc)
exec /usr/bin/python3 "$HERE/build.py" "$OUT" "$@"
