#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it with dpkg -x into a
# fresh folder and runs the unpacked program against the test server: it finds its
# hook modules, reader helper and translation where the package put them, signs in
# and imports; the validators check the package when they are installed.
#   package-test.sh BUILD_DIR TESTDB_DIR WORK_DIR
set -uo pipefail
build="$1" testdb="$2" work="$3"
source "$testdb/env"
export ODBCINI ODBCSYSINI
rm -rf "$work"
mkdir -p "$work"
failures=0
check() {  # name, status, [output file]
  if [[ $2 -eq 0 ]]; then echo "ok   $1"; else
    echo "FAIL $1"; failures=$((failures + 1)); [[ $# -ge 3 ]] && sed 's/^/  | /' "$3"; fi
}

(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1)
check "cpack builds the package" $? "$work/cpack.log"
deb="$(ls "$work"/cpack/paper-catalogue_*_amd64.deb 2>/dev/null | head -n1)"
[[ -n $deb ]] || { echo "no package"; exit 1; }
echo "package: $(basename "$deb")"
root="$work/root"
dpkg -x "$deb" "$root"
check "unpacks with dpkg -x" $?
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
check "depends on the libraries and the runtime packages" \
  $([[ $depends == *libqt6widgets6* && $depends == *libodbc* && $depends == *odbc-mariadb* &&
       $depends == *python3-pybtex* && $depends == *libpoppler-cpp* ]]; echo $?)
for f in usr/bin/paper_catalogue usr/bin/paper-catalogue-db usr/lib/paper-catalogue/paper_pdf_reader usr/lib/paper-catalogue/pdf_line_model.ubj \
         usr/share/paper-catalogue/hooks/insert_d_a.py usr/share/paper-catalogue/sql/schema.sql \
         usr/share/paper-catalogue/translations/paper_catalogue_en.qm usr/share/man/man1/paper_catalogue.1.gz \
         usr/share/applications/org.papercatalogue.PaperCatalogue.desktop \
         usr/share/metainfo/org.papercatalogue.PaperCatalogue.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/paper-catalogue.png usr/share/icons/hicolor/scalable/apps/paper-catalogue.svg \
         usr/share/doc/paper-catalogue/copyright; do
  [[ -e $root/$f ]] || { echo "FAIL missing $f"; failures=$((failures + 1)); }
done
ldd "$root/usr/bin/paper_catalogue" "$root/usr/lib/paper-catalogue/paper_pdf_reader" >"$work/ldd" 2>&1
check "every library is found" $(! grep -q "not found" "$work/ldd"; echo $?) "$work/ldd"

# The validators, when they are installed.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root"/usr/share/applications/*.desktop >"$work/v" 2>&1
  check "desktop-file-validate reports nothing" $([[ $? -eq 0 && ! -s $work/v ]]; echo $?) "$work/v"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >"$work/v" 2>&1
  check "appstreamcli validate --no-net is clean" $([[ $? -eq 0 ]] && ! grep -qE '^[EWI]:' "$work/v"; echo $?) "$work/v"
fi
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" >"$work/lintian" 2>&1
  cat "$work/lintian"
  check "lintian reports no error" $(! grep -q '^E:' "$work/lintian"; echo $?) "$work/lintian"
fi

# The unpacked program: nothing beside it but itself, the settings in a user folder of its own.
app="$root/usr/bin/paper_catalogue"
export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/xdg"
mkdir -p "$XDG_CONFIG_HOME/paper-catalogue"
printf '[database_info]\nprovider=MSDASQL.1\ndata source=%s\n' "$DSN" >"$XDG_CONFIG_HOME/paper-catalogue/DBS_KT40617395.ini"
unset DISPLAY
LANG=en_US.UTF-8 "$app" --version >"$work/version" 2>&1
check "finds the settings, hooks, reader and English where installed" \
  $(grep -qF "settings file: $XDG_CONFIG_HOME/paper-catalogue/DBS_KT40617395.ini" "$work/version" &&
    grep -qF "$root/usr/share/paper-catalogue/hooks" "$work/version" &&
    grep -qF "pdf reader: $root/usr/lib/paper-catalogue/paper_pdf_reader" "$work/version" &&
    grep -qF "language: en" "$work/version"; echo $?) "$work/version"
echo /no/such.pdf | timeout 20 "$root/usr/lib/paper-catalogue/paper_pdf_reader" >"$work/reader" 2>&1
check "the installed reader helper answers" $(grep -q '"error"' "$work/reader"; echo $?) "$work/reader"

# Sign in against the test server and import through the installed hook modules.
sql() { mariadb --defaults-file="$CNF" -uroot --batch --skip-column-names paperdb -e "$1"; }
sql "REPLACE INTO username_password VALUES ('pkg_senior', 'pkg pass'); REPLACE INTO username_rightid VALUES ('pkg_senior', '3')"
for t in main author_all kword_all address type_in; do sql "DELETE FROM $t WHERE Paperid LIKE 'Package test%'"; done
printf '@article{p, title = {Package test paper}, author = {Ng, Andrew and Li, Fei}, year = {2020}}\n' >"$work/p.bib"
echo 'pkg pass' | "$app" --import "$work/p.bib" --user pkg_senior >"$work/import" 2>&1
check "the unpacked program signs in and imports (exit 0)" $? "$work/import"
check "the further author went through the installed hook module" \
  $([[ "$(sql "SELECT author_2 FROM author_all WHERE Paperid LIKE 'Package test%'")" == "Li, Fei" ]]; echo $?)
echo 'wrong' | "$app" --import "$work/p.bib" --user pkg_senior >"$work/import" 2>&1
check "a wrong password is refused (exit 3)" $([[ $? -eq 3 ]]; echo $?) "$work/import"
for t in main author_all kword_all address type_in; do sql "DELETE FROM $t WHERE Paperid LIKE 'Package test%'"; done
sql "DELETE FROM username_password WHERE username='pkg_senior'; DELETE FROM username_rightid WHERE username='pkg_senior'"

# The window: the sign-in window comes up offscreen and waits.
QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 timeout 5 "$app" >"$work/window" 2>&1
check "the window program starts and waits at the sign-in" $([[ $? -eq 124 ]]; echo $?) "$work/window"

[[ $failures -eq 0 ]] || { echo "$failures failed"; exit 1; }
echo "all passed"
