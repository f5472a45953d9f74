#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from this build (nothing is built again): Debian's own
# checker finds neither an error nor a warning in it, its files are where the desktop entry
# says, it depends on what runs it, and every place that says the version says the project's.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/check.sh"
id=org.skarnholtdb.SkarnholtDB

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/package/skarnholtdb_*.deb)

# Every tag of level warning or above fails, each one shown.
lint() { lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>&1 | tee "$work/lintian.log"; }
check "lintian: no error, no warning" lint

root=$work/root
dpkg-deb -x "$package" "$root"
entry=$root/usr/share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
check "the desktop entry's command is installed" test -x "$root/usr/bin/$(key Exec | cut -d' ' -f1)"
check "the program it tries is installed" test -x "$root/usr/bin/$(key TryExec)"
check "the icon it names is installed" test -f "$root/usr/share/icons/hicolor/48x48/apps/$(key Icon).png"
check "the English module is installed" test -f "$root/usr/share/skarnholtdb/translations/SkarnholtDB_GB.qm"
check "the army file's type is installed" test -f "$root/usr/share/mime/packages/$id.xml"
check "the importer is installed" test -x "$root/usr/bin/skarnholtdb-import"
description=$(dpkg-deb -f "$package" Description)
no_entity() { ! grep -q '&[a-z]*;' <<< "$1"; }
check "the description reads as written" no_entity "$description"
depends=$(dpkg-deb -f "$package" Depends)
check "it depends on the libraries it links" grep -q "libc6 (>=" <<< "$depends"
check "and on the drivers it loads by name" grep -q "libqt6sql6-odbc.*libsqliteodbc" <<< "$depends"
check "and on nothing to build it" bash -c "! grep -q -- '-dev' <<< '$depends'"

# One version, the project's: the package's, AppStream's newest release, the changelog's
# newest entry and every manual page's (each command's --version: the install test).
check "the package's version" test "$(dpkg-deb -f "$package" Version)" = "$version"
newest_release=$(grep -o -m 1 '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml")
check "AppStream's newest release" test "$newest_release" = "<release version=\"$version\""
newest_entry=$(zcat "$root/usr/share/doc/skarnholtdb/changelog.gz" | head -n 1)
check "the changelog's newest entry" test "${newest_entry%%)*}" = "skarnholtdb ($version"
says_version() { zcat "$1" | grep -q "^\.TH .*\"SkarnholtDB $version\""; }
for page in "$root"/usr/share/man/man1/*.1.gz; do
    check "$(basename "$page")'s version" says_version "$page"
done

finish
