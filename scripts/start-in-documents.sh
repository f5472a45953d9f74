#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts SkarnholtDB in the player's documents folder for it ($(xdg-user-dir DOCUMENTS)/
# SkarnholtDB, made when missing), where its exports are written: never among the sources or
# in whatever folder a desktop starts programs in.
#   start-in-documents.sh [--program PROGRAM] [ARGUMENTS...]
# Installed as skarnholtdb-start, it starts the skarnholtdb beside it; the desktop gives it the
# .skarmy file opened. Arguments naming files are made absolute first, since the folder changes.
set -euo pipefail
program=$(dirname "$(readlink -f "$0")")/skarnholtdb
if [[ ${1:-} == --program ]]; then
    program=$(realpath "$2")
    shift 2
fi
arguments=()
for argument in "$@"; do
    if [[ $argument != -* && -e $argument ]]; then
        argument=$(realpath "$argument")
    fi
    arguments+=("$argument")
done
documents=$(xdg-user-dir DOCUMENTS 2>/dev/null || true)
[[ -n $documents ]] || documents=$HOME/Documents
folder=$documents/SkarnholtDB
mkdir -p "$folder" || { echo "start-in-documents: cannot create $folder" >&2; exit 1; }
cd "$folder"
exec "$program" ${arguments[@]+"${arguments[@]}"}
