#!/usr/bin/env bash
# The throw-away database server of a test run.
#   start DIR: fresh server on a free port with the schema and accounts (no sample data),
#              ODBC files (DSN paperdb) and DIR/env (PORT, ODBCINI, ODBCSYSINI, CNF, DSN)
#   stop DIR:  stop that server, keep the folder
set -euo pipefail

TOOLS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[[ $# -eq 2 ]] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

case "$1" in
  start)
    "$TOOLS/dbserver.sh" stop "$2"   # a server left over from an earlier run
    rm -rf "$2"
    mkdir -p "$2"
    dir="$(cd "$2" && pwd)"
    port="$("$TOOLS/dbserver.sh" free-port)"
    "$TOOLS/dbserver.sh" init "$dir" "$port"
    "$TOOLS/dbserver.sh" start "$dir"
    "$TOOLS/dbserver.sh" load "$dir"
    "$TOOLS/odbc.sh" write "$dir" "$port" paperdb
    printf 'PORT=%s\nODBCINI=%s\nODBCSYSINI=%s\nCNF=%s\nDSN=paperdb\n' \
      "$port" "$dir/odbc.ini" "$dir" "$dir/my.cnf" >"$dir/env"
    ;;
  stop) "$TOOLS/dbserver.sh" stop "$2" ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
