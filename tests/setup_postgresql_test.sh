#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up of a player's data source on a club's PostgreSQL database, on the test cluster
# (state file as first argument): tables loaded once, left alone the second time, the password
# never asked on the command line; then the exporter reads the catalogue through it as a player
# whose own role alone may connect. The connection encrypted and the server checked against
# the club's CA; a wrong CA, a missing one, a server without TLS refused, nothing written. A
# club database made before players owned their armies brought up to date by its owner.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
state=$1
exporter=$2
port=$(sed -n 2p "$state")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home ODBCINI=$home/.odbc.ini
unset XDG_DATA_HOME XDG_CONFIG_HOME PGSSLMODE PGSSLROOTCERT
certs=$(head -n 1 "$state")

source "$(dirname "$0")/check.sh"
as_postgres() { PGPASSWORD=postgres psql -X -q -h 127.0.0.1 -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 "$@"; }

# The administrator's part: the club's roles, a database of the club, and a role of the
# player's that alone may connect to it.
club=club_$$
as_postgres -c "DROP DATABASE IF EXISTS $club WITH (FORCE)" -c "DROP ROLE IF EXISTS alice_$$" \
    -c "DROP DATABASE IF EXISTS old_$$ WITH (FORCE)" -c "DROP ROLE IF EXISTS bob_$$"
for role in skarnholt_player skarnholt_admin; do
    as_postgres -c "DO \$\$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = '$role') THEN CREATE ROLE $role NOLOGIN; END IF; END \$\$"
done
as_postgres -c "CREATE ROLE alice_$$ LOGIN PASSWORD 'dragon'"
as_postgres -c "CREATE ROLE bob_$$ LOGIN PASSWORD 'wyvern' IN ROLE skarnholt_player"
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
check "each player's armies his own" test "$(psql -X -At -h 127.0.0.1 -p "$port" -U "alice_$$" -d "$club" -c "SELECT relrowsecurity FROM pg_class WHERE oid = to_regclass('armeedef')")" = t
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
check "and writes it, named after the race" grep -q "Orc" "$home/Orc.txt"

# TLS: the server checked against the club's CA, whose certificate is kept for the data source.
setup() { "$root/scripts/setup-datasource.sh" --postgresql --port "$port" --dbname "$club" --user "alice_$$" "$@" 2>&1; }
export ODBCINI=$home/tls.ini
tls=$(setup --host localhost --sslmode verify-full --sslrootcert "$certs/ca.crt")
echo "$tls"
kept=$home/.config/SkarnholtDB/localhost-$port-root.crt
check "verify-full with the club's CA registers the data source" grep -q "^SSLmode *= *verify-full" "$ODBCINI"
check "with the CA kept beside it" bash -c "cmp -s '$certs/ca.crt' '$kept' && grep -q \"sslrootcert='$kept'\" '$ODBCINI'"
check "never the password" bash -c "! grep -qi -e password -e dragon '$ODBCINI'"
check "the exporter reads the catalogue over the checked connection" bash -c "cd '$home' && '$exporter' catalogue Orc >/dev/null"

refused() { # what, expected text, then the set-up's options: refused, saying why, nothing written
    local what=$1 why=$2; shift 2
    export ODBCINI=$home/refused.ini
    rm -f "$ODBCINI"
    local out
    out=$(setup "$@") && { check "$what" false; return; }
    echo "$out"
    check "$what" grep -q -- "$why" <<< "$out"
    check "$what: nothing registered" test ! -s "$ODBCINI"
}
refused "another CA is refused" "certificate verify failed" --host localhost --sslmode verify-full --sslrootcert "$certs/other-ca.crt"
refused "a CA certificate that is not there" "does not exist" --host localhost --sslmode verify-full --sslrootcert "$home/none.crt"
refused "a server elsewhere is checked by default" "sslrootcert" --host 127.0.0.2
refused "nothing unencrypted over the network" "unencrypted" --host 127.0.0.2 --sslmode disable
PGPASSWORD=wrong refused "a wrong password" "password authentication failed" --host localhost --sslrootcert "$certs/ca.crt"
"$(dirname "$0")/postgres_cluster.sh" start "$home/plain" --no-tls >/dev/null
plain=$(sed -n 2p "$home/plain")
export ODBCINI=$home/plain.ini
out=$("$root/scripts/setup-datasource.sh" --postgresql --host localhost --port "$plain" --dbname postgres --user postgres --sslmode require 2>&1) || true
echo "$out"
check "require warns that the server is not checked" grep -q "does not check that the server" <<< "$out"
check "require refuses a server without TLS" grep -q "server does not support SSL" <<< "$out"
"$(dirname "$0")/postgres_cluster.sh" stop "$home/plain"

# The program with a data source whose CA is not the club's: ends, saying why.
mkdir -p "$home/wrong" && cp "$certs/other-ca.crt" "$home/wrong/root.crt"
sed "s#$kept#$home/wrong/root.crt#" "$home/tls.ini" > "$home/wrong.ini"
status=0
message=$(cd "$home" && ODBCINI=$home/wrong.ini "$exporter" catalogue Orc 2>&1) || status=$?
echo "$message"
check "the exporter refused by the server's certificate ends with status 3" test "$status" = 3
check "and says why" grep -q "certificate verify failed" <<< "$message"

# A club database made before players owned their armies: a player is told to ask the
# tables' owner; the owner brings it up to date, its armies his, nothing lost.
as_postgres -c "CREATE DATABASE old_$$ OWNER alice_$$"
psql -X -q -h 127.0.0.1 -p "$port" -U "alice_$$" -d "old_$$" -v ON_ERROR_STOP=1 --single-transaction \
    -f "$root/db/schema.sql" -f "$root/db/postgresql-keys.sql" -f "$root/db/catalogue.sql" \
    -c "ALTER TABLE ArmeeDef DROP COLUMN Proprietaire" -c "ALTER TABLE Battle DROP COLUMN Proprietaire" \
    -c "INSERT INTO ArmeeDef (Nom, NombrePointMax, CoutTotal, IdRace) VALUES ('Vieille horde', 500, 0, 13)" \
    -c "GRANT SELECT ON ALL TABLES IN SCHEMA public TO skarnholt_player" >/dev/null
export ODBCINI=$home/old.ini
out=$(PGPASSWORD=wyvern "$root/scripts/setup-datasource.sh" --postgresql --host 127.0.0.1 --port "$port" --dbname "old_$$" --user "bob_$$" 2>&1)
echo "$out"
check "a player is told the owner must bring the database up to date" grep -q "tables' owner should run" <<< "$out"
out=$(setup --host 127.0.0.1 --dbname "old_$$")
echo "$out"
old() { psql -X -At -h 127.0.0.1 -p "$port" -U "alice_$$" -d "old_$$" -c "$1"; }
check "the owner brings it up to date" grep -q "now his own" <<< "$out"
check "the army made before is the owner's" test "$(old "SELECT Proprietaire FROM ArmeeDef WHERE Nom = 'Vieille horde'")" = "alice_$$"
check "nothing lost" test "$(old "SELECT COUNT(*) FROM Armees")" -ge 80

as_postgres -c "DROP DATABASE IF EXISTS $club WITH (FORCE)" -c "DROP DATABASE IF EXISTS old_$$ WITH (FORCE)" \
    -c "DROP ROLE IF EXISTS alice_$$" -c "DROP ROLE IF EXISTS bob_$$"
finish
