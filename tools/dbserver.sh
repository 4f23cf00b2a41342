#!/usr/bin/env bash
# A private MariaDB server living in one folder (no systemd, nothing under /etc).
#   init DIR PORT | start DIR | stop DIR | load DIR | sample DIR | sql DIR [mariadb args] | free-port
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

usage() {
  echo "usage: $0 init DIR PORT | start DIR | stop DIR | load DIR | sample DIR | sql DIR | free-port" >&2
  exit 2
}

client() { mariadb --defaults-file="$DIR/my.cnf" -uroot "$@"; }

# True when the pid file names a live mariadbd.
running() {
  local pid
  pid="$(cat "$DIR/mysqld.pid" 2>/dev/null)" || return 1
  [[ -n $pid && "$(cat "/proc/$pid/comm" 2>/dev/null)" == mariadbd ]]
}

# Password constant NAME from src/db/Credentials.h, quoted for an SQL string literal.
password_sql() {
  local file="$ROOT/src/db/Credentials.h" value
  [[ -f $file ]] || { echo "missing $file" >&2; exit 1; }
  value="$(sed -n "s/^[[:space:]]*inline constexpr char $1\[\] = \"\(.*\)\";.*/\1/p" "$file")"
  [[ -n $value ]] || { echo "no $1 in $file" >&2; exit 1; }
  printf "'%s'" "$(printf '%s' "$value" | sed "s/\\\\/\\\\\\\\/g; s/'/\\\\'/g")"
}

scalar() { client -N -B -e "$1"; }

cmd_init() {
  local port="$1" sock="$DIR/mysqld.sock"
  # Unix socket paths are limited to 107 bytes; fall back to /tmp for deep folders.
  if (( ${#sock} > 100 )); then sock="/tmp/paperdb-$(printf '%s' "$DIR" | md5sum | cut -c1-12).sock"; fi
  cat >"$DIR/my.cnf" <<CNF
[mariadbd]
user=root
datadir=$DIR/data
socket=$sock
pid-file=$DIR/mysqld.pid
port=$port
bind-address=127.0.0.1
log-error=$DIR/mysqld.err
character-set-server=utf8mb4
collation-server=utf8mb4_unicode_ci
skip-name-resolve
[client]
socket=$sock
default-character-set=utf8mb4
CNF
  if [[ ! -d $DIR/data/mysql ]]; then
    mariadb-install-db --defaults-file="$DIR/my.cnf" --user=root --datadir="$DIR/data" \
      --auth-root-authentication-method=normal --skip-test-db >"$DIR/install.log" 2>&1 \
      || { cat "$DIR/install.log" >&2; exit 1; }
  fi
}

cmd_start() {
  [[ -f $DIR/my.cnf ]] || { echo "no $DIR/my.cnf: run init first" >&2; exit 1; }
  running && return 0
  # setsid: the server outlives the calling shell (and CTest's process group).
  setsid nohup mariadbd --defaults-file="$DIR/my.cnf" </dev/null >>"$DIR/mysqld.out" 2>&1 &
  local pid=$!
  for _ in $(seq 300); do
    if mariadb-admin --defaults-file="$DIR/my.cnf" -uroot ping >/dev/null 2>&1; then return 0; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "mariadbd in $DIR did not start (or answer within 30 s); end of $DIR/mysqld.err:" >&2
  tail -n 30 "$DIR/mysqld.err" >&2 || true
  exit 1
}

cmd_stop() {
  running || return 0
  local pid
  pid="$(cat "$DIR/mysqld.pid")"
  mariadb-admin --defaults-file="$DIR/my.cnf" -uroot shutdown >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "mariadbd $pid did not stop within 30 s: killing it" >&2
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$DIR/mysqld.pid"
}

cmd_load() {
  client -e "CREATE DATABASE IF NOT EXISTS paperdb CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"
  if [[ "$(scalar "SELECT COUNT(*) FROM information_schema.tables
                    WHERE table_schema='paperdb' AND table_name='main'")" == 0 ]]; then
    client paperdb <"$ROOT/sql/schema.sql"
  fi
  # tables added since the first schema; the upgrade leaves what is there alone
  client paperdb <"$ROOT/sql/upgrade-duplicates.sql"
  local door shelf host sql=""
  door="$(password_sql kDoorCode)"
  shelf="$(password_sql kOpenShelf)"
  for host in localhost 127.0.0.1; do
    sql+="CREATE OR REPLACE USER 'login_user'@'$host' IDENTIFIED BY $door;
GRANT SELECT ON paperdb.username_password TO 'login_user'@'$host';
GRANT SELECT ON paperdb.username_rightid TO 'login_user'@'$host';
CREATE OR REPLACE USER 'paper_user'@'$host' IDENTIFIED BY $shelf;
GRANT ALL PRIVILEGES ON paperdb.* TO 'paper_user'@'$host';
"
  done
  client <<<"$sql"
}

cmd_sample() {
  if [[ "$(scalar "SELECT COUNT(*) FROM paperdb.username_password")" == 0 ]]; then
    client paperdb <"$ROOT/sql/sample.sql"
  fi
}

free_port() {
  local py=python3
  [[ -x /usr/bin/python3 ]] && py=/usr/bin/python3
  "$py" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

[[ $# -ge 1 ]] || usage
case "$1" in
  free-port) free_port; exit 0 ;;
  init) [[ $# -eq 3 ]] || usage ;;
  start | stop | load | sample) [[ $# -eq 2 ]] || usage ;;
  sql) [[ $# -ge 2 ]] || usage ;;
  *) usage ;;
esac
[[ $1 == stop && ! -d $2 ]] && exit 0
mkdir -p "$2"
DIR="$(cd "$2" && pwd)"
case "$1" in
  init) cmd_init "$3" ;;
  start) cmd_start ;;
  stop) cmd_stop ;;
  load) cmd_load ;;
  sample) cmd_sample ;;
  sql) shift 2; client "$@" ;;
esac
