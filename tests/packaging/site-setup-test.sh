#!/usr/bin/env bash
# paper-catalogue-db on the test server: a bare database set up, the first
# administrator asked for (never a default), the accounts usable, an older
# database upgraded, a second run harmless.
#   site-setup-test.sh SCRIPT SQL_DIR TESTDB_DIR
set -uo pipefail
script="$1" sql_dir="$2" testdb="$3"
source "$testdb/env"
export ODBCINI ODBCSYSINI
db=site_setup_test
client=(--defaults-file="$CNF" --user=root)
sql() { mariadb "${client[@]}" --batch --raw --skip-column-names -e "$1"; }
failures=0
check() {  # name, condition status
  if [[ $2 -eq 0 ]]; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); sed 's/^/  | /' "$out"; fi
}
out="$(mktemp)"
trap 'rm -f "$out"; sql "DROP DATABASE IF EXISTS $db"' EXIT
sql "DROP DATABASE IF EXISTS $db"
run() { bash "$script" "${client[@]}" --port="$PORT" --database "$db" --sql-dir "$sql_dir" --client-host localhost \
          --client-host 127.0.0.1 "$@"; }

# No name given, or no password: nothing is added, and it says why.
printf '\n' | run >"$out" 2>&1
check "without an administrator name it stops" $([[ $? -ne 0 ]] && grep -q "no administrator name" "$out"; echo $?)
printf 'boss\n\n\n' | run >"$out" 2>&1
check "an empty password is refused" $([[ $? -ne 0 ]] && grep -q "empty password" "$out"; echo $?)
printf 'boss\nSecret 1\nSecret 2\n' | run >"$out" 2>&1
check "two different passwords are refused" $([[ $? -ne 0 ]] && grep -q "differ" "$out"; echo $?)
check "and no account was made" $([[ "$(sql "SELECT COUNT(*) FROM $db.username_password")" == 0 ]]; echo $?)

printf "bo'ss\nSe'cret \\\\1\nSe'cret \\\\1\n" | run >"$out" 2>&1
check "a bare database is set up" $?
check "every table of the schema" $([[ "$(sql "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema='$db'")" == "$(grep -c '^CREATE TABLE' "$sql_dir/schema.sql")" ]]; echo $?)
check "the administrator is stored exactly as typed" \
  $([[ "$(sql "SELECT CONCAT(p.password, '|', r.rightid) FROM $db.username_password p JOIN $db.username_rightid r USING (username) WHERE username='bo''ss'")" == "Se'cret \\1|4" ]]; echo $?)
check "the data source entry is printed" $(grep -q "^\[$db\]" "$out" && grep -q "^Port = $PORT" "$out" && grep -q "^data source=$db" "$out"; echo $?)
check "the sign-in account reads the account tables and nothing else" \
  $(mariadb --defaults-file="$CNF" --user=login_user --password="$(sed -n 's/.*kDoorCode\[\] = "\(.*\)";/\1/p' "$sql_dir/../src/db/Credentials.h")" \
      --batch --skip-column-names -e "SELECT COUNT(*) FROM $db.username_password" >/dev/null 2>&1 &&
    ! mariadb --defaults-file="$CNF" --user=login_user --password="$(sed -n 's/.*kDoorCode\[\] = "\(.*\)";/\1/p' "$sql_dir/../src/db/Credentials.h")" \
      -e "SELECT * FROM $db.main" >/dev/null 2>&1; echo $?)

# A second run asks nothing and changes nothing.
sql "INSERT INTO $db.main VALUES ('k', 't', 'a', '2020')"
run </dev/null >"$out" 2>&1
check "a second run is harmless" $([[ $? -eq 0 ]] && grep -q "administrators: 1 already" "$out" &&
  [[ "$(sql "SELECT COUNT(*) FROM $db.main")" == 1 ]]; echo $?)

# A database made with the earlier schema gets the upgrade.
sql "ALTER TABLE $db.author_info DROP COLUMN author_info_id"
PAPER_ADMIN_NAME=x PAPER_ADMIN_PASSWORD=y run >"$out" 2>&1
check "an older database is upgraded" $([[ $? -eq 0 ]] &&
  [[ "$(sql "SELECT COUNT(*) FROM information_schema.columns WHERE table_schema='$db' AND table_name='author_info' AND column_name='author_info_id'")" == 1 ]]; echo $?)
check "the name guest is refused" \
  $(sql "DELETE FROM $db.username_rightid"; printf 'guest\n' | run >"$out" 2>&1; [[ $? -ne 0 ]] && grep -q "built-in guest" "$out"; echo $?)

[[ $failures -eq 0 ]] || { echo "$failures failed"; exit 1; }
echo "all passed"
