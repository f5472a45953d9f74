#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, sets up the data source when none exists, starts the program.
#   ./run.sh [--english | --french] [program arguments]
# The language sticks: the English module stays beside the program until --french removes it.
set -euo pipefail
cd "$(dirname "$0")"
language=""
case ${1:-} in
    --english|--french) language=$1; shift ;;
esac
scripts/install-packages.sh
scripts/build.sh
module=build/SkarnholtDB_GB.qm
if [[ $language == --english || ( -z $language && -e $module ) ]]; then
    cp build/translations/SkarnholtDB_GB.qm "$module"
elif [[ $language == --french ]]; then
    rm -f "$module"
fi
scripts/setup-datasource.sh --if-missing
# In the documents folder, so that exports never land among the sources.
exec scripts/start-in-documents.sh --program build/skarnholtdb "$@"
