#!/usr/bin/env bash
# Every text of the sources has its English: lupdate on a copy of the .ts file
# finds no new text, and no translation is left unfinished.
#   translations-test.sh SOURCE_DIR WORK_DIR
set -uo pipefail
src="$1" work="$2"
lupdate=/usr/lib/qt6/bin/lupdate lrelease=/usr/lib/qt6/bin/lrelease
[[ -x $lupdate ]] || lupdate="$(command -v lupdate)"
[[ -x $lrelease ]] || lrelease="$(command -v lrelease)"
[[ -n $lupdate && -n $lrelease ]] || { echo "lupdate/lrelease not installed (qt6-l10n-tools)"; exit 1; }
rm -rf "$work"; mkdir -p "$work"
status=0
for ts in "$src"/translations/paper_catalogue_*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -no-obsolete -locations none -source-language zh_CN -extensions cpp,h "$src/src" -ts "$copy" >"$work/lupdate.log" 2>&1
  cat "$work/lupdate.log"
  grep -q "(0 new and" "$work/lupdate.log" || { echo "FAIL $(basename "$ts"): texts in the sources that the file lacks"; status=1; }
  if grep -q 'type="unfinished"' "$copy"; then
    echo "FAIL $(basename "$ts"): unfinished translations:"
    grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -20
    status=1
  fi
  "$lrelease" "$copy" -qm "$work/out.qm" >"$work/lrelease.log" 2>&1
  cat "$work/lrelease.log"
  grep -q " 0 unfinished" "$work/lrelease.log" || { echo "FAIL lrelease counts unfinished texts"; status=1; }
done
[[ $status -eq 0 ]] && echo "all translations complete"
exit $status
