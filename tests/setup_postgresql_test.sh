#!/usr/bin/env bash
# The set-up of a player's data source on a club's PostgreSQL database, on the test cluster
# (state file as first argument): tables loaded once, left alone the second time, the password
# never asked on the command line; then the exporter reads the catalogue through it as a player
# whose own role alone may connect.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
state=$1
exporter=$2
port=$(sed -n 2p "$state")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home ODBCINI=$home/.odbc.ini
unset XDG_DATA_HOME

source "$(dirname "$0")/check.sh"
as_postgres() { PGPASSWORD=postgres psql -X -q -h 127.0.0.1 -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 "$@"; }

# The administrator's part: a database of the club, and a role of the player's that alone
# may connect to it.
club=club_$$
as_postgres -c "DROP DATABASE IF EXISTS $club WITH (FORCE)" -c "DROP ROLE IF EXISTS alice_$$"
as_postgres -c "CREATE ROLE alice_$$ LOGIN PASSWORD 'dragon'"
as_postgres -c "CREATE DATABASE $club OWNER alice_$$"
as_postgres -c "REVOKE CONNECT ON DATABASE $club FROM PUBLIC"

check "a password on the command line is refused" bash -c "! '$root/scripts/setup-datasource.sh' --postgresql --password=dragon 2>/dev/null"
check "without a password it says it cannot reach the database" bash -c \
    "PGPASSWORD= '$root/scripts/setup-datasource.sh' --postgresql --host 127.0.0.1 --port $port --dbname $club --user alice_$$ 2>&1 | grep -q 'cannot reach'"
export PGPASSWORD=dragon
first=$("$root/scripts/setup-datasource.sh" --postgresql --host 127.0.0.1 --port "$port" --dbname "$club" --user "alice_$$")
echo "$first"
count() { psql -X -At -h 127.0.0.1 -p "$port" -U "alice_$$" -d "$club" -c "SELECT COUNT(*) FROM $1"; }
check "tables and sample catalogue loaded" test "$(count Armees)" -ge 80
check "data source registered" grep -q "^Database *= *$club" "$ODBCINI"
check "with the player's user and no password" bash -c "grep -q '^Username *= *alice_$$' '$ODBCINI' && ! grep -qi password '$ODBCINI'"
check "a round trip a statement" bash -c "grep -q '^Protocol *= *7.4-1' '$ODBCINI' && grep -q '^UseServerSidePrepare *= *0' '$ODBCINI'"

# Another player's machine: the tables are there already and stay as they are.
export ODBCINI=$home/second.ini
second=$("$root/scripts/setup-datasource.sh" --postgresql --host 127.0.0.1 --port "$port" --dbname "$club" --user "alice_$$")
echo "$second"
check "existing tables left as they are" grep -q "existing tables" <<< "$second"
check "one catalogue" test "$(count Races)" = 17

# The program's own login may not connect; the data source's user, with the password from
# the environment, may.
cd "$home"
check "the exporter reads the catalogue through the club's server" "$exporter" catalogue Orc
check "and writes it" grep -q "Orc" "$home/SkarnholtArmyList.txt"

as_postgres -c "DROP DATABASE IF EXISTS $club WITH (FORCE)" -c "DROP ROLE IF EXISTS alice_$$"
finish
