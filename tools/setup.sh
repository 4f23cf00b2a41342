#!/usr/bin/env bash
# First run: install packages, build the program, start a private database server with
# sample data in .local/, write the ODBC files, then launch the program.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
DB="$ROOT/.local/mariadb"

bash tools/install-deps.sh

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPython3_EXECUTABLE=/usr/bin/python3 "${launcher[@]}"
cmake --build build -j2 --target paper_catalogue

# Port: the one remembered in .local/mariadb/port, else 3399, else any free one.
port_busy() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
server_up() { [[ -f $DB/my.cnf ]] && mariadb-admin --defaults-file="$DB/my.cnf" -uroot ping >/dev/null 2>&1; }
mkdir -p "$DB"
port="$(cat "$DB/port" 2>/dev/null || echo 3399)"
if ! server_up && port_busy "$port"; then port="$(tools/dbserver.sh free-port)"; fi
echo "$port" >"$DB/port"

tools/dbserver.sh init "$DB" "$port"
tools/dbserver.sh start "$DB"
tools/dbserver.sh load "$DB"
tools/dbserver.sh sample "$DB"
tools/odbc.sh write "$ROOT/.local/odbc" "$port" paperdb

if [[ ! -f build/DBS_KT40617395.ini ]]; then
  printf '[database_info]\nprovider=MSDASQL.1\ndata source=paperdb\n' >build/DBS_KT40617395.ini
fi

echo "setup: database server on 127.0.0.1:$port (data in .local/mariadb); starting the program"
exec bash tools/run.sh "$@"
