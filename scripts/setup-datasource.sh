#!/usr/bin/env bash
# Creates the SkarnholtDB database (schema and sample catalogue) and registers the user ODBC
# data source "Skarnholt" on the SQLite3 driver. Never overwrites an existing database or an
# existing "Skarnholt" data source.
#   setup-datasource.sh [--database PATH]
# The data source goes into the odbc.ini unixODBC reads for the user: $ODBCINI, else ~/.odbc.ini.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
database="${XDG_DATA_HOME:-$HOME/.local/share}/SkarnholtDB/skarnholt.db"

fail() { echo "setup-datasource: $*" >&2; exit 1; }

while (($#)); do
    case $1 in
        --database) [[ $# -ge 2 ]] || fail "--database needs a path"; database=$2; shift 2 ;;
        --database=*) database=${1#--database=}; shift ;;
        -h|--help) sed -n 2,6p "$0"; exit 0 ;;
        *) fail "unknown option $1 (see --help)" ;;
    esac
done

# unixODBC itself looks in the passwd entry's home; naming the file keeps HOME meaningful.
export ODBCINI="${ODBCINI:-$HOME/.odbc.ini}"

command -v sqlite3 >/dev/null || fail "sqlite3 is not installed (package sqlite3)."
command -v odbcinst >/dev/null || fail "odbcinst is not installed (package odbcinst)."

if odbcinst -q -s -n Skarnholt >/dev/null 2>&1; then
    echo "The data source \"Skarnholt\" already exists; nothing changed."
    odbcinst -q -s -n Skarnholt | sed 's/^/    /'
    exit 0
fi

# The driver by its registered name when the package registered it, else by its file.
if odbcinst -q -d -n SQLite3 >/dev/null 2>&1; then
    driver=SQLite3
else
    driver=$(ls /usr/lib/*/odbc/libsqlite3odbc.so /usr/lib/odbc/libsqlite3odbc.so 2>/dev/null | head -n 1 || true)
    [[ -n $driver ]] || fail "the SQLite3 ODBC driver is not installed (package libsqliteodbc)."
fi

database=$(realpath -m "$database")
if [[ -e $database ]]; then
    echo "Using the existing database $database (left as it is)."
else
    mkdir -p "$(dirname "$database")" || fail "cannot create the folder of $database"
    # Built beside its final place and moved in whole, so a failure leaves no half database.
    partial="$database.partial.$$"
    trap 'rm -f "$partial"' EXIT
    sqlite3 -bail "$partial" < "$here/db/schema.sql" || fail "cannot load db/schema.sql into $database"
    sqlite3 -bail "$partial" < "$here/db/catalogue.sql" || fail "cannot load db/catalogue.sql into $database"
    mv -n "$partial" "$database" || fail "cannot create $database"
    [[ ! -e $partial ]] || fail "$database appeared meanwhile; left it as it is"
    trap - EXIT
    echo "Created the database $database with the sample catalogue."
fi

template=$(mktemp)
trap 'rm -f "$template"' EXIT
cat > "$template" <<INI
[Skarnholt]
Description = SkarnholtDB army lists
Driver = $driver
Database = $database
Timeout = 5000
INI
odbcinst -i -s -h -f "$template" >/dev/null || fail "cannot register the data source \"Skarnholt\"."
odbcinst -q -s -n Skarnholt >/dev/null 2>&1 || fail "the data source \"Skarnholt\" was not registered."
echo "Registered the user data source \"Skarnholt\" in $ODBCINI."
