#!/usr/bin/env bash
# ODBC files of our own, so nothing under /etc is touched.
#   write DIR PORT DSN  ->  DIR/odbcinst.ini and DIR/odbc.ini (use ODBCSYSINI=DIR ODBCINI=DIR/odbc.ini)
set -euo pipefail

[[ $# -eq 4 && $1 == write ]] || { echo "usage: $0 write DIR PORT DSN" >&2; exit 2; }
mkdir -p "$2"
dir="$(cd "$2" && pwd)" port="$3" dsn="$4"

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

cat >"$dir/odbc.ini" <<INI
[$dsn]
Driver = MariaDB
Server = 127.0.0.1
Port = $port
Database = paperdb
Charset = utf8mb4
Option = 2
INI
