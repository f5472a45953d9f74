#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Creates the SkarnholtDB database (schema and sample catalogue) and registers the user ODBC
# data source "Skarnholt". Never overwrites an existing database or an existing "Skarnholt"
# data source; a database without the program's tables (one the driver made empty, say) gets
# them.
#   setup-datasource.sh [--database PATH]     an SQLite file (the default)
#   setup-datasource.sh --if-missing ...      nothing, and nothing said, when "Skarnholt" exists
#   setup-datasource.sh --postgresql [--host HOST] [--port PORT] [--dbname NAME] [--user USER]
#                       [--sslmode MODE] [--sslrootcert FILE]
#                                             a club's existing PostgreSQL database; the password
#                                             comes from PGPASSWORD or ~/.pgpass, never from here.
#                                             The connection is encrypted and the server checked
#                                             against the club's CA certificate (FILE, copied for
#                                             the data source): --sslmode verify-full unless the
#                                             server is this machine; require only encrypts;
#                                             disable only for this machine.
# The data source goes into $ODBCINI, else $HOME/.odbc.ini, where the program reads it.
# Run again with --postgresql by the tables' owner, it brings a club's database made before up
# to date (each player's armies his own) and leaves the data source as it is.
set -euo pipefail

here=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
database="${XDG_DATA_HOME:-$HOME/.local/share}/SkarnholtDB/skarnholt.db"
postgresql=false if_missing=false
host=localhost port=5432 dbname=skarnholt user=${USER:-$(id -un)} sslmode="" sslrootcert=""

fail() { echo "setup-datasource: $*" >&2; exit 1; }

while (($#)); do
    case $1 in
        --database|--host|--port|--dbname|--user|--sslmode|--sslrootcert)
            [[ $# -ge 2 ]] || fail "$1 needs a value"
            declare "${1#--}=$2"; shift 2 ;;
        --database=*|--host=*|--port=*|--dbname=*|--user=*|--sslmode=*|--sslrootcert=*)
            option=${1%%=*}; declare "${option#--}=${1#*=}"; shift ;;
        --postgresql) postgresql=true; shift ;;
        --password*) fail "no password here: use PGPASSWORD or ~/.pgpass" ;;
        --if-missing) if_missing=true; shift ;;
        -h|--help) sed -n '3,/^[^#]/s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) fail "unknown option $1 (see --help)" ;;
    esac
done

# unixODBC itself looks in the passwd entry's home, and makes an empty file there when it
# looks: naming the file keeps HOME meaningful and leaves the login home alone.
export ODBCINI="${ODBCINI:-$HOME/.odbc.ini}"

command -v odbcinst >/dev/null || fail "odbcinst is not installed (package odbcinst)."

tables="'Armees','Races','ArmeeDef','ArmeeCompo','Battle','BattleCompo'"

# Makes the database at $1 ready: created when missing, completed when it has none of the
# program's tables (an empty file, say), used as it is when it has them all.
prepare_database() {
    local db=$1 present
    command -v sqlite3 >/dev/null || fail "sqlite3 is not installed (package sqlite3)."
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

# Registers the user data source "Skarnholt" from the lines given.
register() {
    template=$(mktemp)
    trap 'rm -f "$template"' EXIT
    { echo "[Skarnholt]"; echo "Description = SkarnholtDB army lists"; printf '%s\n' "$@"; } > "$template"
    odbcinst -i -s -h -f "$template" >/dev/null || fail "cannot register the data source \"Skarnholt\"."
    odbcinst -q -s -n Skarnholt >/dev/null 2>&1 || fail "the data source \"Skarnholt\" was not registered."
    echo "Registered the user data source \"Skarnholt\" in $ODBCINI."
}

# How the connection to a club's server is protected: checked before anything is done, so that
# a wrong choice leaves nothing half-written.
choose_tls() {
    local local_server=false
    case $host in localhost|127.0.0.1|::1|/*) local_server=true ;; esac
    if [[ -z $sslmode ]]; then
        if $local_server; then sslmode=prefer; else sslmode=verify-full; fi
    fi
    case $sslmode in
        verify-full|verify-ca|prefer) ;;
        require)
            echo "setup-datasource: warning: --sslmode require encrypts the connection but does not check that the server is the club's; give the club's CA certificate with --sslrootcert and use verify-full." >&2 ;;
        disable|allow)
            $local_server || fail "--sslmode $sslmode would send the password and the armies unencrypted over the network: only for a server on this machine (use verify-full)" ;;
        *) fail "unknown --sslmode $sslmode (verify-full, verify-ca, require, prefer, allow or disable)" ;;
    esac
    if [[ -n $sslrootcert ]]; then
        [[ -f $sslrootcert && -r $sslrootcert ]] || fail "the CA certificate $sslrootcert does not exist or cannot be read"
        if command -v openssl >/dev/null; then
            openssl x509 -noout -in "$sslrootcert" 2>/dev/null || fail "$sslrootcert is not a certificate (PEM) as the club's administrator gives it"
        fi
        sslrootcert=$(realpath "$sslrootcert")
    elif [[ $sslmode == verify-* ]]; then
        [[ -f $HOME/.postgresql/root.crt ]] ||
            fail "--sslmode $sslmode checks the server against the club's CA certificate: give it with --sslrootcert FILE (ask the club's administrator for it)"
    fi
    export PGSSLMODE=$sslmode
    [[ -z $sslrootcert ]] || export PGSSLROOTCERT=$sslrootcert
}

# The club's database made ready: the tables, each player's own armies and the sample
# catalogue when it has none of them, in one transaction; the players' ownership added to one
# made before (its rows then the loading role's), when this role owns its tables.
prepare_club_database() {
    command -v psql >/dev/null || fail "psql is not installed (package postgresql-client)."
    local present secured
    psql=(psql -X -w -q -h "$host" -p "$port" -U "$user" -d "$dbname" -v ON_ERROR_STOP=1)
    present=$("${psql[@]}" -At -c "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() AND lower(table_name) IN (lower('Armees'), lower('Races'), lower('ArmeeDef'), lower('ArmeeCompo'), lower('Battle'), lower('BattleCompo'))" 2>&1) ||
        fail "cannot reach the database $dbname on $host:$port as $user (TLS: $sslmode): ${present//$'\n'/ }"
    case $present in
        6)
            echo "Using the existing tables of $dbname on $host:$port."
            secured=$("${psql[@]}" -At -c "SELECT relrowsecurity FROM pg_class WHERE oid = to_regclass('armeedef')")
            if [[ $secured != t ]]; then
                if "${psql[@]}" --single-transaction -f "$here/db/postgresql-club.sql" >/dev/null 2>&1; then
                    echo "Each player's armies and battles are now his own; those made before are $user's."
                else
                    echo "setup-datasource: warning: $dbname does not keep each player's armies apart yet, and $user may not change that: the tables' owner should run this script once." >&2
                fi
            fi ;;
        0)
            "${psql[@]}" --single-transaction -f "$here/db/schema.sql" -f "$here/db/postgresql-keys.sql" \
                -f "$here/db/postgresql-club.sql" -f "$here/db/catalogue.sql" >/dev/null ||
                fail "cannot load the tables into $dbname; it was left as it was"
            echo "Loaded the tables and the sample catalogue into $dbname on $host:$port." ;;
        *) fail "$dbname has only some of the tables of SkarnholtDB; left it as it is" ;;
    esac
}

# A club's server: its database made ready, then this player's data source points at it.
setup_postgresql() {
    local driver
    if odbcinst -q -d -n "PostgreSQL Unicode" >/dev/null 2>&1; then
        driver="PostgreSQL Unicode"
    else
        driver=$(ls /usr/lib/*/odbc/psqlodbcw.so /usr/lib/odbc/psqlodbcw.so 2>/dev/null | head -n 1 || true)
        [[ -n $driver ]] || fail "the PostgreSQL ODBC driver is not installed (package odbc-postgresql)."
    fi
    prepare_club_database
    local tls=("SSLmode = $sslmode")
    if [[ -n $sslrootcert ]]; then
        # Where the data source finds it, whatever becomes of the file given.
        local kept="${XDG_CONFIG_HOME:-$HOME/.config}/SkarnholtDB/$host-$port-root.crt"
        mkdir -p "$(dirname "$kept")" && cp "$sslrootcert" "$kept" && chmod 644 "$kept" ||
            fail "cannot copy the CA certificate to $kept"
        # Passed to libpq as it stands: quoted, for a folder with a blank in its name.
        tls+=("pqopt = sslrootcert='$kept'")
    fi
    # Each statement is a round trip to the server: the driver rolls back whole transactions
    # (no savepoint per statement) and sends a statement with its values in one message. The
    # program asks for both when it connects, so data sources made before work the same.
    register "Driver = $driver" "Servername = $host" "Port = $port" "Database = $dbname" "Username = $user" \
        "${tls[@]}" "Protocol = 7.4-1" "UseServerSidePrepare = 0"
}

$postgresql && choose_tls

if odbcinst -q -s -n Skarnholt >/dev/null 2>&1; then
    ! $if_missing || exit 0
    echo "The data source \"Skarnholt\" already exists; it stays as it is."
    odbcinst -q -s -n Skarnholt | sed 's/^/    /'
    existing=$(odbcinst -q -s -n Skarnholt | sed -n 's/^Database *= *//p' | head -n 1)
    driver_line=$(odbcinst -q -s -n Skarnholt | sed -n 's/^Driver *= *//p' | head -n 1)
    # Its SQLite database is made ready; another back end is the administrator's.
    if [[ -n $existing && ${driver_line,,} == *sqlite* ]]; then
        prepare_database "$(realpath -m "$existing")"
    fi
    # A club's database named on the command line is made ready all the same.
    ! $postgresql || prepare_club_database
    exit 0
fi

if $postgresql; then
    setup_postgresql
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

register "Driver = $driver" "Database = $database" "Timeout = 5000"
