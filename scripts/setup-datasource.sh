#!/usr/bin/env bash
# Creates the SkarnholtDB database (schema and sample catalogue) and registers the user ODBC
# data source "Skarnholt" on the SQLite3 driver. Never overwrites an existing database or an
# existing "Skarnholt" data source; a database without the program's tables (one the driver
# made empty, say) gets them.
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

tables="'Armees','Races','ArmeeDef','ArmeeCompo','Battle','BattleCompo'"

# Makes the database at $1 ready: created when missing, completed when it has none of the
# program's tables (an empty file, say), used as it is when it has them all.
prepare_database() {
    local db=$1 present
    if [[ ! -e $db ]]; then
        mkdir -p "$(dirname "$db")" || fail "cannot create the folder of $db"
        # Built beside its final place and moved in whole, so a failure leaves no half database.
        partial="$db.partial.$$"
        trap 'rm -f "$partial"' EXIT
        sqlite3 -bail "$partial" < "$here/db/schema.sql" || fail "cannot load db/schema.sql into $db"
        sqlite3 -bail "$partial" < "$here/db/catalogue.sql" || fail "cannot load db/catalogue.sql into $db"
        mv -n "$partial" "$db" || fail "cannot create $db"
        [[ ! -e $partial ]] || fail "$db appeared meanwhile; left it as it is"
        trap - EXIT
        echo "Created the database $db with the sample catalogue."
        return
    fi
    present=$(sqlite3 "$db" "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ($tables)") ||
        fail "cannot read $db as an SQLite database; left it as it is"
    case $present in
        6) echo "Using the existing database $db (left as it is)." ;;
        0)
            # One transaction: the tables and the catalogue come in whole or not at all.
            { echo "BEGIN;"; cat "$here/db/schema.sql" "$here/db/catalogue.sql"; echo "COMMIT;"; } |
                sqlite3 -bail "$db" || fail "cannot load the tables into $db; left it as it was"
            echo "Added the tables and the sample catalogue to the existing database $db (nothing in it was changed)." ;;
        *) fail "$db has only some of the tables of SkarnholtDB; left it as it is" ;;
    esac
}

if odbcinst -q -s -n Skarnholt >/dev/null 2>&1; then
    echo "The data source \"Skarnholt\" already exists; it stays as it is."
    odbcinst -q -s -n Skarnholt | sed 's/^/    /'
    existing=$(odbcinst -q -s -n Skarnholt | sed -n 's/^Database *= *//p' | head -n 1)
    driver_line=$(odbcinst -q -s -n Skarnholt | sed -n 's/^Driver *= *//p' | head -n 1)
    # Its SQLite database is made ready; another back end is the administrator's.
    if [[ -n $existing && ${driver_line,,} == *sqlite* ]]; then
        prepare_database "$(realpath -m "$existing")"
    fi
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
prepare_database "$database"

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
