#!/usr/bin/env bash
# Stops the private database server of .local/mariadb (tools/run.sh starts it again).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/tools/dbserver.sh" stop "$ROOT/.local/mariadb"
