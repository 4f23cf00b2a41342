#!/bin/bash
# Debian packages the labelled PDF corpus is built from (documentation PDFs with their TeX
# sources, LibreOffice to print generated pages, fonts, python3-docx, poppler-utils).
set -euo pipefail
PKGS=(
  texlive-publishers-doc texlive-latex-extra-doc texlive-science-doc texlive-humanities-doc
  texlive-latex-recommended-doc texlive-lang-chinese texlive-lang-cjk
  texlive-fonts-recommended-doc texlive-latex-base-doc texlive-metapost-doc texlive-pictures-doc
  texlive-pstricks-doc texlive-fonts-extra-doc
  libreoffice-writer-nogui python3-docx python3-pylatexenc poppler-utils
  fonts-noto-cjk fonts-wqy-zenhei fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-dejavu-core fonts-linuxlibertine
)
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${PKGS[@]}"
