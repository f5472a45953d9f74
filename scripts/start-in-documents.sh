#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts SkarnholtDB in the player's documents folder for it ($(xdg-user-dir DOCUMENTS)/
# SkarnholtDB, made when missing), where its exports are written: never among the sources or
# in whatever folder a desktop starts programs in.
#   start-in-documents.sh [PROGRAM [ARGUMENTS...]]
# Installed as skarnholtdb-start, it starts the skarnholtdb beside it.
set -euo pipefail
if (($#)); then
    program=$(realpath "$1")
    shift
else
    program=$(dirname "$(readlink -f "$0")")/skarnholtdb
fi
documents=$(xdg-user-dir DOCUMENTS 2>/dev/null || true)
[[ -n $documents ]] || documents=$HOME/Documents
folder=$documents/SkarnholtDB
mkdir -p "$folder" || { echo "start-in-documents: cannot create $folder" >&2; exit 1; }
cd "$folder"
exec "$program" "$@"
