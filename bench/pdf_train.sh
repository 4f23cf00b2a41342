#!/usr/bin/env bash
# Retrains the PDF reader's line classifier and gives its figures (bench/RESULTS.md):
#   bash bench/pdf_train.sh [CORPUS/truth.json] [more options of pdf_train.py]
# The corpus is rebuilt from the installed packages by its builder; its "hand" part (the
# hand-labelled lists of bench/) is scored beside the development part. Fixed seed, one thread:
# the same corpus gives the same model. The second corpus (the burned second blind part, now
# development data), the third (burned too) and the development corpus of typeset vignettes are added
# when they are there; a blind part is scored once, at the end, with --heldout PART --no-train.
# (a corpus built with every package and template holds them all already).
set -euo pipefail
cd "$(dirname "$0")/.."
bash bench/pdf_train_deps.sh
corpus=${1:-/work/corpus/truth.json}
shift || true
more=()
# the burned blind parts and the development corpus of typeset vignettes, where they are built
if [ $# -eq 0 ]; then
  for extra in /work/corpus2 /work/corpus3 /work/corpus4-dev; do
    if [ -f "$extra/truth.json" ]; then more+=(--corpus "$extra/truth.json"); fi
  done
fi
cmake --build build-test -j2 --target paper_pdf_reader >/dev/null
/usr/bin/python3 bench/pdf_train.py --corpus "$corpus" \
  --reader build-test/paper_pdf_reader --model src/pdf/reader/pdf_line_model.ubj --work build-test/pdf_train "${more[@]}" "$@"
cp src/pdf/reader/pdf_line_model.ubj build-test/pdf_line_model.ubj
