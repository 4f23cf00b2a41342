#!/usr/bin/env bash
# Runs the program against the private database server of .local/ (starting it when needed).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DB="$ROOT/.local/mariadb"

[[ -f $DB/my.cnf && -x $ROOT/build/paper_catalogue ]] || { echo "run tools/setup.sh first" >&2; exit 1; }
export ODBCSYSINI="$ROOT/.local/odbc" ODBCINI="$ROOT/.local/odbc/odbc.ini"
"$ROOT/tools/dbserver.sh" start "$DB"

# No screen: a virtual one on :99.
if [[ -z ${DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  if ! kill -0 "$(tr -d ' ' 2>/dev/null </tmp/.X99-lock)" 2>/dev/null; then
    setsid nohup Xvfb :99 -screen 0 1280x800x24 -nolisten tcp </dev/null >/tmp/xvfb-99.log 2>&1 &
    for _ in $(seq 100); do [[ -S /tmp/.X11-unix/X99 ]] && break; sleep 0.1; done
  fi
  export DISPLAY=:99
  echo "run: no display, using Xvfb on :99 (screenshot: DISPLAY=:99 import -window root shot.png)"
fi

cd "$ROOT/build"
exec ./paper_catalogue "$@"
