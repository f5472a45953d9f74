#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installed like any desktop program: into a temporary prefix, validated, then used from there
# (every command's help, version and manual page, the set-up with its db/, the exporter in the
# desktop's language, the start-up in the documents folder). The Debian package: package_test.sh.
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work ODBCINI=$work/odbc.ini
unset XDG_DATA_HOME MANPATH

source "$(dirname "$0")/check.sh"
id=org.skarnholtdb.SkarnholtDB

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check "desktop entry valid" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "AppStream description valid" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "icon in every size" test "$(ls "$prefix"/share/icons/hicolor/*/apps/$id.* | wc -l)" -ge 9

# Every command answers --help and --version before any data source exists, and its manual
# page, found by man from the prefix's bin/ on the PATH, names every option its help names.
names() { zcat "$1" | sed 's/\\-/-/g' | grep -q -- "$2"; }
for command in "$prefix"/bin/*; do
    name=$(basename "$command")
    help=$("$command" --help) || help=""
    check "$name --help" test -n "$help"
    check "$name --version" test "$("$command" --version)" = "$name (SkarnholtDB) $version"
    page=$(PATH="$prefix/bin:$PATH" man -w "$name" 2>/dev/null || true)
    check "man $name finds its page in the prefix" test "$page" = "$prefix/share/man/man1/$name.1.gz"
    if [[ -f $page ]]; then
        for option in $(grep -o -- '--[a-z][a-z-]*' <<< "$help" | sort -u); do
            check "man $name names $option" names "$page" "$option"
        done
    fi
done
check "man shows the exporter's page" bash -c \
    "PATH='$prefix/bin:$PATH' man skarnholtdb-export 2>&1 | grep -q 'skarnholtdb-export *- *export SkarnholtDB'"
# Army files: their type known by extension and contents, opened by the desktop entry, and the
# importer there for clubs.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || true
check "the army file's type is registered" test -f "$prefix/share/mime/application/x-skarnholtdb-army.xml"
check "by its extension" grep -q "application/x-skarnholtdb-army:\*\.skarmy" "$prefix/share/mime/globs2"
check "and by its contents" grep -q "skarnholtdb-army" "$prefix/share/mime/magic"
check "the desktop entry opens it" grep -q "^MimeType=application/x-skarnholtdb-army;" "$prefix/share/applications/$id.desktop"
check "the importer answers --help" bash -c "'$prefix/bin/skarnholtdb-import' --help | grep -q -- --skip-unknown"

# The installed set-up finds its db/; the installed exporter its English module, unless the
# desktop speaks French.
"$prefix/bin/skarnholtdb-setup-datasource" --database "$work/armies.db" >/dev/null
check "set up from the installed script" test -s "$work/armies.db"
check "with every file a club's server needs" bash -c "ls '$prefix/share/skarnholtdb/db/' | grep -q postgresql-club.sql"
cd "$work"
titles() { LANG=$1 LC_ALL=$1 "$prefix/bin/skarnholtdb-export" catalogue >/dev/null && sed -n 6p SkarnholtArmyList.txt | cut -f2; }
check "English where the desktop speaks English" test "$(titles C.UTF-8)" = Name
check "French where the desktop speaks French" test "$(titles fr_FR.UTF-8)" = Nom

# Started as the desktop entry and ./run.sh start it, a program works in the player's documents
# folder for it, made when missing: exports land there, whatever folder it was started from.
mkdir -p "$HOME/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Mes documents"' > "$HOME/.config/user-dirs.dirs"
rm -f SkarnholtArmyList.txt
"$prefix/bin/skarnholtdb-start" --program "$prefix/bin/skarnholtdb-export" catalogue >/dev/null
check "exports land in the documents folder" test -s "$work/Mes documents/SkarnholtDB/SkarnholtArmyList.txt"
check "and not where it was started" test ! -e SkarnholtArmyList.txt
echo '{}' > shared.skarmy
check "a file it is given reaches the program by its whole path" \
    test "$("$prefix/bin/skarnholtdb-start" --program /usr/bin/printf '%s' shared.skarmy)" = "$work/shared.skarmy"

finish
