#!/usr/bin/env bash
# Installs the Debian packages the project needs; returns at once when all are there.
set -euo pipefail

packages=(qt6-base-dev libqt6sql6-odbc libqt6sql6-mysql mariadb-server odbc-mariadb unixodbc unixodbc-dev
  python3-dev pybind11-dev libgtest-dev cmake g++ make xvfb xauth x11-apps imagemagick fonts-wqy-zenhei ccache
  python3-pybtex python3-latexcodec python3-pylatexenc python3-docx libuchardet-dev libpoppler-cpp-dev libxgboost-dev poppler-utils qpdf galera-4 haproxy rsync
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools desktop-file-utils appstream lintian mariadb-client dpkg-dev)

missing=()
for p in "${packages[@]}"; do
  [[ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" == installed ]] || missing+=("$p")
done
if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all packages already installed"
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]] && command -v sudo >/dev/null; then as_root=(sudo); fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
