#!/usr/bin/env bash
# Installs what is missing, builds, sets up the data source when none exists, starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/build.sh
odbcinst -q -s -n Skarnholt >/dev/null 2>&1 || scripts/setup-datasource.sh
exec build/skarnholtdb "$@"
