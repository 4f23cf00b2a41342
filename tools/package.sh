#!/usr/bin/env bash
# Builds the Debian package paper-catalogue_<version>_amd64.deb (Release build in
# build-package/, CMake's install rules, CPack's DEB generator) and checks it with
# lintian when that is installed. The package lands in the repository's top folder.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
BUILD="${PAPER_PACKAGE_BUILD:-build-package}"

bash tools/install-deps.sh

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DPAPER_BUILD_TESTS=OFF \
  -DPython3_EXECUTABLE=/usr/bin/python3 "${launcher[@]}"
cmake --build "$BUILD" -j2 --target paper_catalogue paper_pdf_reader paper_package_files \
  $(cmake --build "$BUILD" --target help | grep -q paper_translations && echo paper_translations)
rm -f "$BUILD"/package/paper-catalogue_*.deb
(cd "$BUILD" && cpack -G DEB)
deb="$(ls "$BUILD"/package/paper-catalogue_*_amd64.deb)"
cp "$deb" "$ROOT/"
echo "package: $ROOT/$(basename "$deb")"
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$ROOT/$(basename "$deb")" || true
fi
