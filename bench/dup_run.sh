#!/usr/bin/env bash
# The duplicate finder's benchmarks (see bench/README.md, "Duplicate finder"):
#   bash bench/dup_run.sh                 labelled pairs (tuning part), then 1,000,000 papers
#   bash bench/dup_run.sh --size 100000   a smaller catalogue
#   bash bench/dup_run.sh --heldout       also score the held-out part of the labelled pairs
#   bash bench/dup_run.sh --no-pairs      the catalogue only
#   bash bench/dup_run.sh --keep          leave the server running (build-bench/dupdb) for more runs
#   bash bench/dup_run.sh --reuse         measure on the server a --keep run left, without filling it
#   bash bench/dup_run.sh --busy          measure with a competing busy process (one core kept busy)
# Builds dup_bench in Release (build-bench), builds the labelled set from the TeX Live
# bibliographies (texlive-bibtex-extra, installed when missing), starts a private
# server of its own in build-bench/dupdb, fills it with LOAD DATA, measures and stops the server.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
size=1000000
heldout=()
pairs=1
keep=0
reuse=0
busy=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --size) size="$2"; shift 2 ;;
    --heldout) heldout=(--heldout); shift ;;
    --no-pairs) pairs=0; shift ;;
    --keep) keep=1; shift ;;
    --reuse) reuse=1; shift ;;
    --busy) busy=1; shift ;;
    *) echo "usage: $0 [--size N] [--heldout] [--no-pairs] [--keep] [--reuse] [--busy]" >&2; exit 2 ;;
  esac
done

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPython3_EXECUTABLE=/usr/bin/python3 \
  -DPAPER_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-bench -j2 --target dup_bench
work="$ROOT/build-bench/dup-work"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen

if [[ $pairs == 1 ]]; then
  if [[ ! -d /usr/share/texlive/texmf-dist/bibtex/bib/beebe ]]; then
    apt-get install -y --no-install-recommends texlive-bibtex-extra >/dev/null
  fi
  echo "== labelled pairs"
  /usr/bin/python3 bench/dupset/build_pairs.py "$work/pairs.tsv"
  build-bench/dup_bench eval "$work/pairs.tsv" "${heldout[@]}" --errors "$work/errors.tsv"
fi

[[ "$size" -gt 0 ]] || exit 0
db="$ROOT/build-bench/dupdb"
stop_server() { bash tools/testdb.sh stop "$db" >/dev/null 2>&1 || true; }
[[ $keep == 1 ]] || trap stop_server EXIT
sql() { mariadb --defaults-file="$db/my.cnf" -uroot "$@"; }
now() { date +%s.%N; }

if [[ $reuse == 0 ]]; then
  echo "== $size papers"
  bash tools/testdb.sh start "$db" >/dev/null
  # a server sized for a catalogue of this size: the index of the finder and the paper
  # keys fit in memory; the log is flushed once a second as on a busy single server
  sed -i '/^\[mariadbd\]/a innodb_buffer_pool_size=2G\ninnodb_log_file_size=512M\ninnodb_flush_log_at_trx_commit=2' "$db/my.cnf"
  bash tools/dbserver.sh stop "$db"
  bash tools/dbserver.sh start "$db"
  t0=$(now)
  build-bench/dup_bench fill "$size" "$work/data"
  t1=$(now)
  for t in main author_all kword_all address type_in paper_match; do
    # in key order, so that the clustered index grows at its end
    LC_ALL=C sort -t $'\t' -k1,1 -S 25% -o "$work/data/$t.sorted" "$work/data/$t.tsv"
    sql --local-infile=1 paperdb -e "SET unique_checks=0; SET foreign_key_checks=0;
      LOAD DATA LOCAL INFILE '$work/data/$t.sorted' INTO TABLE $t CHARACTER SET utf8mb4"
    rm -f "$work/data/$t.sorted"
  done
  sql paperdb -e "ANALYZE TABLE main, paper_match" >/dev/null
  t2=$(now)
  printf 'generated in %.0f s, loaded in %.0f s\n' "$(echo "$t1 - $t0" | bc)" "$(echo "$t2 - $t1" | bc)"
else
  bash tools/dbserver.sh start "$db"
fi
sql -N paperdb -e "select count(*) from main"
source "$db/env"
export ODBCINI ODBCSYSINI

busy_pid=""
stop_busy() { [[ -z $busy_pid ]] || kill "$busy_pid" 2>/dev/null || true; }
if [[ $busy == 1 ]]; then
  sha1sum /dev/zero &
  busy_pid=$!
  trap 'stop_busy; [[ $keep == 1 ]] || stop_server' EXIT
  echo "competing busy process: $busy_pid (sha1sum /dev/zero)"
fi
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== check before saving"
build-bench/dup_bench check --runs 400 --statements "$work/check.sql"
# the client's floor: the same selects through the mariadb client over TCP with the
# paper account, one client for all of them (no start-up cost in the figure)
client_cnf="$work/client.cnf"
password="$(sed -n 's/^[[:space:]]*inline constexpr char kOpenShelf\[\] = "\(.*\)";.*/\1/p' src/db/Credentials.h)"
printf '[client]\nhost=127.0.0.1\nport=%s\nprotocol=TCP\nuser=paper_user\npassword=%s\ndefault-character-set=utf8mb4\n' \
  "$PORT" "$password" >"$client_cnf"
chmod 600 "$client_cnf"
count=$(wc -l <"$work/check.sql")
t0=$(now)
mariadb --defaults-file="$client_cnf" --batch paperdb <"$work/check.sql" >/dev/null
t1=$(now)
printf 'client: %d selects in %.2f s, %.2f ms each on average\n' "$count" "$(echo "$t1 - $t0" | bc)" \
  "$(echo "($t1 - $t0) * 1000 / $count" | bc -l)"

echo "== whole-catalogue scan"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
build-bench/dup_bench scan --planted "$work/data/planted.tsv"
stop_busy
