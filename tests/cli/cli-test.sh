#!/usr/bin/env bash
# The command line against the test server: imports, a refused sign-in, an
# account without the right, a file that does not parse, exports; each exit status.
#   cli-test.sh PROGRAM TESTDB_DIR WORK_DIR
set -uo pipefail
program="$1" testdb="$2" work="$3"
source "$testdb/env"
export ODBCINI ODBCSYSINI
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

rm -rf "$work"
mkdir -p "$work/bin"
# A copy of the program with its hook modules, so that its settings file is its own.
cp "$program" "$work/bin/"
cp "$(dirname "$program")"/*.py "$work/bin/"
printf '[database_info]\nprovider=MSDASQL.1\ndata source=%s\n' "$DSN" >"$work/bin/DBS_KT40617395.ini"
app="$work/bin/$(basename "$program")"
unset DISPLAY QT_QPA_PLATFORM PAPER_CATALOGUE_PASSWORD
export LANG=C.UTF-8

sql() { mariadb --defaults-file="$CNF" -uroot --batch --skip-column-names paperdb -e "$1"; }
failures=0
check() {  # name, expected status, actual status, [file that must contain], [text]
  if [[ $3 -ne $2 ]]; then
    echo "FAIL $1: exit status $3, expected $2"; failures=$((failures + 1))
    sed 's/^/  | /' "$work/out" "$work/err"
  elif [[ $# -ge 5 ]] && ! grep -qF -- "$5" "$4"; then
    echo "FAIL $1: \"$5\" not in $(basename "$4")"; failures=$((failures + 1))
    sed 's/^/  | /' "$4"
  else
    echo "ok   $1 (exit $3)"
  fi
}

sql "DELETE FROM username_password WHERE username LIKE 'cli\\_%';
     DELETE FROM username_rightid WHERE username LIKE 'cli\\_%';
     INSERT INTO username_password VALUES ('cli_senior', 'Senior pass 1'), ('cli_reader', 'reader pass');
     INSERT INTO username_rightid VALUES ('cli_senior', '3'), ('cli_reader', '2');"
for t in main author_all kword_all address type_in; do sql "DELETE FROM $t WHERE Paperid LIKE 'CLI test%'"; done

cat >"$work/good.bib" <<'BIB'
@article{one,
  title = {CLI test: reading at night},
  author = {Smith, John and Doe, Jane and 王, 小明},
  year = {2021},
  keywords = {batch, import}
}
@inproceedings{two,
  title = {CLI test: a second paper},
  author = {Roe, Richard},
  year = {2019}
}
BIB

PAPER_CATALOGUE_PASSWORD='Senior pass 1' "$app" --import "$work/good.bib" --user cli_senior >"$work/out" 2>"$work/err"
check "import writes every chosen row" 0 $? "$work/out" "imported: 2"
check "the report names each row" 0 0 "$work/out" "CLI test: a second paper\$Roe, Richard\$2019"
[[ "$(sql "SELECT author_2 FROM author_all WHERE Paperid LIKE 'CLI test: reading%'")" == "Doe, Jane" ]]
check "further authors stored through the hook module" 0 $?
[[ "$(sql "SELECT typist FROM type_in WHERE Paperid LIKE 'CLI test: a second%'")" == cli_senior ]]
check "the typist is the signed-in user" 0 $?

echo 'Senior pass 1' | "$app" --import "$work/good.bib" --user cli_senior >"$work/out" 2>"$work/err"
check "password from standard input; papers already there are skipped" 0 $? "$work/out" "skipped: 2"

echo 'wrong' | "$app" --import "$work/good.bib" --user cli_senior >"$work/out" 2>"$work/err"
check "a wrong password is refused" 3 $? "$work/err" "sign-in refused"

PAPER_CATALOGUE_PASSWORD='reader pass' "$app" --import "$work/good.bib" --user cli_reader >"$work/out" 2>"$work/err"
check "an ordinary user may not import" 3 $? "$work/err" "may not import"

printf 'this is no bibliography\x01\x02 at all\n' >"$work/broken.bib"
PAPER_CATALOGUE_PASSWORD='Senior pass 1' "$app" --import "$work/broken.bib" --user cli_senior >"$work/out" 2>"$work/err"
check "a file that does not parse" 4 $? "$work/out" "not imported"

PAPER_CATALOGUE_PASSWORD='Senior pass 1' "$app" --import "$work/missing.ris" --user cli_senior >"$work/out" 2>"$work/err"
check "a file that is not there" 4 $? "$work/out" "no such file"

PAPER_CATALOGUE_PASSWORD='Senior pass 1' "$app" --import "$work/good.bib" "$work/broken.bib" --update \
  --user cli_senior >"$work/out" 2>"$work/err"
check "several files: the worst status, papers there updated" 4 $? "$work/out" "updated: 2"

"$app" --export "$work/out.bib" --user guest --title "CLI test" >"$work/out" 2>"$work/err"
check "a guest exports BibTeX" 0 $? "$work/out" "exported: 2 papers"
check "the BibTeX has the further authors" 0 0 "$work/out.bib" "Doe, Jane"
PAPER_CATALOGUE_PASSWORD='reader pass' "$app" --export "$work/out.csv" --user cli_reader --author Roe \
  >"$work/out" 2>"$work/err"
check "an ordinary user exports CSV" 0 $? "$work/out.csv" "CLI test: a second paper"
[[ "$(head -c 3 "$work/out.csv" | od -An -tx1 | tr -d ' ')" == efbbbf ]]
check "the CSV starts with a byte order mark" 0 $?
"$app" --export "$work/no/such/folder/out.ris" --user guest >"$work/out" 2>"$work/err"
check "an export that cannot be written" 5 $? "$work/err" "cannot write"

"$app" --import "$work/good.bib" >"$work/out" 2>"$work/err"
check "no user" 2 $? "$work/err" "--user is needed"
"$app" --version >"$work/out" 2>"$work/err"
check "--version" 0 $? "$work/out" "paper_catalogue "

for t in main author_all kword_all address type_in; do sql "DELETE FROM $t WHERE Paperid LIKE 'CLI test%'"; done
sql "DELETE FROM username_password WHERE username LIKE 'cli\\_%'; DELETE FROM username_rightid WHERE username LIKE 'cli\\_%';"
[[ $failures -eq 0 ]] || { echo "$failures failed"; exit 1; }
echo "all passed"
