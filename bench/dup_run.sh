#!/usr/bin/env bash
# The duplicate finder's benchmarks (see bench/README.md, "Duplicate finder"):
#   bash bench/dup_run.sh                 labelled pairs (tuning part), then 1,000,000 papers
#   bash bench/dup_run.sh --size 100000   a smaller catalogue
#   bash bench/dup_run.sh --heldout       also score the held-out part of the labelled pairs
# Builds dup_bench in Release (build-bench), builds the labelled set from the TeX Live
# bibliographies (texlive-bibtex-extra, installed when missing), starts a private
# server of its own in build-bench/dupdb, fills it, measures and stops the server.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
size=1000000
heldout=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --size) size="$2"; shift 2 ;;
    --heldout) heldout=(--heldout); shift ;;
    *) echo "usage: $0 [--size N] [--heldout]" >&2; exit 2 ;;
  esac
done

if [[ ! -d /usr/share/texlive/texmf-dist/bibtex/bib/beebe ]]; then
  apt-get install -y --no-install-recommends texlive-bibtex-extra >/dev/null
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPython3_EXECUTABLE=/usr/bin/python3 \
  -DPAPER_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-bench -j2 --target dup_bench
work="$ROOT/build-bench/dup-work"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen

echo "== labelled pairs"
/usr/bin/python3 bench/dupset/build_pairs.py "$work/pairs.tsv"
build-bench/dup_bench eval "$work/pairs.tsv" "${heldout[@]}" --errors "$work/errors.tsv"

[[ "$size" -gt 0 ]] || exit 0
echo "== $size papers"
db="$ROOT/build-bench/dupdb"
trap 'bash tools/testdb.sh stop "$db" >/dev/null 2>&1 || true' EXIT
bash tools/testdb.sh start "$db" >/dev/null
build-bench/dup_bench fill "$size" "$work/data"
for t in main author_all kword_all address type_in paper_match; do
  mariadb --defaults-file="$db/my.cnf" -uroot --local-infile=1 paperdb \
    -e "SET unique_checks=0; LOAD DATA LOCAL INFILE '$work/data/$t.tsv' INTO TABLE $t CHARACTER SET utf8mb4"
done
mariadb --defaults-file="$db/my.cnf" -uroot paperdb -e "ANALYZE TABLE paper_match" >/dev/null
source "$db/env"
export ODBCINI ODBCSYSINI
build-bench/dup_bench check --runs 200
build-bench/dup_bench scan
