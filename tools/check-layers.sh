#!/usr/bin/env bash
# Fails when a unit under src/ includes a header of a layer above its own.
# The layers, from the bottom (CMakeLists.txt builds one library of each):
#   0 data          db/
#   1 logic         every other folder (catalogue/, admin/, exchange/, pdf/ ...)
#   2 window layer  window/ and grid/
#   3 windows       <folder>/windows/ and the program's main.cpp
# Usage: bash tools/check-layers.sh [repository folder]
set -euo pipefail
ROOT="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$ROOT/src"

layer_of() {
  case "$1" in
    db/*) echo 0 ;;
    window/*|grid/*) echo 2 ;;
    */windows/*|main.cpp) echo 3 ;;
    *) echo 1 ;;
  esac
}
names=(data logic window windows)

status=0
while IFS= read -r hit; do
  file="${hit%%:*}"; file="${file#./}"
  rest="${hit#*:}"; line="${rest%%:*}"
  header="$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<< "${rest#*:}")"
  [ -n "$header" ] || continue
  from=$(layer_of "$file")
  to=$(layer_of "$header")
  if [ "$to" -gt "$from" ]; then
    echo "src/$file:$line: the ${names[$from]} layer includes $header of the ${names[$to]} layer" >&2
    status=1
  fi
done < <(grep -rn --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' .)

# The data layer uses Qt Core alone.
if grep -rn --include='*.cpp' --include='*.h' -E '#[[:space:]]*include[[:space:]]*<(QtWidgets|QtGui|QWidget|QApplication|QGuiApplication|QMessageBox|QDialog|QCursor)' db >&2; then
  echo "src/db: the data layer includes a Qt Gui or Widgets header" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "layers: no include points up"
exit "$status"
