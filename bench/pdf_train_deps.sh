#!/usr/bin/env bash
# Packages the trainer of the PDF reader's line classifier needs (Debian 12), and the
# documentation packages whose typeset papers the hand-labelled lists point into.
set -euo pipefail
packages=(python3-xgboost python3-sklearn python3-numpy libxgboost-dev
  texlive-publishers-doc texlive-lang-chinese texlive-lang-cjk)
missing=()
for p in "${packages[@]}"; do
  [[ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" == installed ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
as_root=()
if [[ $(id -u) -ne 0 ]] && command -v sudo >/dev/null; then as_root=(sudo); fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
