#!/usr/bin/env bash
# ODBC files of our own, so nothing under /etc is touched.
#   write DIR PORT DSN  ->  DIR/odbcinst.ini and DIR/odbc.ini (use ODBCSYSINI=DIR ODBCINI=DIR/odbc.ini)
#   add DIR PORT DSN    ->  one more data source in DIR/odbc.ini
set -euo pipefail

[[ $# -eq 4 && ($1 == write || $1 == add) ]] || { echo "usage: $0 write|add DIR PORT DSN" >&2; exit 2; }
mkdir -p "$2"
dir="$(cd "$2" && pwd)" port="$3" dsn="$4"

source_entry() {
  cat <<INI
[$dsn]
Driver = MariaDB
Server = 127.0.0.1
Port = $port
Database = paperdb
Charset = utf8mb4
Option = 2
INI
}

if [[ $1 == add ]]; then
  { echo; source_entry; } >>"$dir/odbc.ini"
  exit 0
fi

driver=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so
if [[ ! -f $driver ]]; then
  driver="$(dpkg -L odbc-mariadb 2>/dev/null | grep -m1 'libmaodbc\.so$' || true)"
  [[ -n $driver ]] || { echo "libmaodbc.so not found: is odbc-mariadb installed?" >&2; exit 1; }
fi

cat >"$dir/odbcinst.ini" <<INI
[MariaDB]
Driver = $driver
Threading = 0
INI

source_entry >"$dir/odbc.ini"
