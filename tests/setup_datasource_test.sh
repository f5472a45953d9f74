#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The data-source set-up, run twice in a fresh home: one database, one data source, and the
# second run changes nothing. Also checks that the sample catalogue is one players can use.
# The fresh home is not the login home (unixODBC's own choice): the program finds the data
# source all the same, and nothing lands in the login home.
#   setup_datasource_test.sh EXPORTER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exporter=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME= ODBCINI=
unset XDG_DATA_HOME ODBCINI
login=$(getent passwd "$(id -u)" | cut -d: -f6)
login_files() { ls -A "$login" 2>/dev/null; md5sum "$login/.odbc.ini" 2>/dev/null || true; }
login_before=$(login_files)

source "$(dirname "$0")/check.sh"

# As ./run.sh runs it.
first=$("$root/scripts/setup-datasource.sh" --if-missing)
echo "$first"
db="$home/.local/share/SkarnholtDB/skarnholt.db"
check "database created" test -s "$db"
check "data source registered in ~/.odbc.ini" grep -q '^\[Skarnholt\]' "$home/.odbc.ini"
check "data source points at the database" grep -q "Database *= *$db" "$home/.odbc.ini"
check "the program finds it" bash -c "cd '$home' && '$exporter' catalogue >/dev/null && grep -q Orc SkarnholtArmyList.txt"
check "run again as ./run.sh does, it says nothing" test -z "$("$root/scripts/setup-datasource.sh" --if-missing)"
check "the login home is left as it was" test "$login_before" = "$(login_files)"

ini_before=$(md5sum < "$home/.odbc.ini")
db_before=$(md5sum < "$db")
second=$("$root/scripts/setup-datasource.sh")
echo "$second"
check "second run says it changed nothing" grep -q "already exists" <<< "$second"
check "odbc.ini unchanged" test "$ini_before" = "$(md5sum < "$home/.odbc.ini")"
check "database unchanged" test "$db_before" = "$(md5sum < "$db")"
check "one data source" test "$(grep -c '^\[Skarnholt\]' "$home/.odbc.ini")" = 1
check "one database file" test "$(find "$home" -name '*.db*' | wc -l)" = 1

# Another path, through ODBCINI, beside an existing database file that must be kept.
export ODBCINI="$home/other.ini"
other="$home/elsewhere/mine.db"
mkdir -p "$home/elsewhere"
sqlite3 "$other" "CREATE TABLE Keep (x INTEGER); INSERT INTO Keep VALUES (7);"
third=$("$root/scripts/setup-datasource.sh" --database "$other")
echo "$third"
check "ODBCINI honoured" grep -q "Database *= *$other" "$home/other.ini"
check "existing database kept" test "$(sqlite3 "$other" 'SELECT x FROM Keep')" = 7
check "tables added beside what it held" test "$(sqlite3 "$other" 'SELECT COUNT(*) FROM Races')" = 17

# The data source's file went missing and the driver left an empty one: the script fills it.
: > "$other.empty"
rm "$other" && mv "$other.empty" "$other"
fourth=$("$root/scripts/setup-datasource.sh")
echo "$fourth"
check "an empty database of the data source gets the tables" test "$(sqlite3 "$other" 'SELECT COUNT(*) FROM Armees')" -ge 80
check "and the data source stays" test "$(grep -c '^\[Skarnholt\]' "$home/other.ini")" = 1
sqlite3 "$other" "DROP TABLE BattleCompo"
check "a database with only some tables is refused" bash -c "! '$root/scripts/setup-datasource.sh' 2>/dev/null"
check "bad option refused" bash -c "! '$root/scripts/setup-datasource.sh' --bogus 2>/dev/null"

q() { sqlite3 "$db" "$1"; }
check "17 races, codes 0 to 16" test "$(q 'SELECT COUNT(DISTINCT IdRace) || "/" || MIN(IdRace) || "/" || MAX(IdRace) FROM Races')" = "17/0/16"
check "at least 12 races with unit types" test "$(q 'SELECT COUNT(DISTINCT IdRace) FROM Armees')" -ge 12
check "a race without unit types" test "$(q 'SELECT COUNT(*) FROM Races WHERE IdRace NOT IN (SELECT IdRace FROM Armees)')" -ge 1
check "every combatant type" test "$(q 'SELECT COUNT(DISTINCT CombatantType) FROM Armees')" = 6
check "every armour code" test "$(q 'SELECT COUNT(DISTINCT IdArmure) FROM Armees WHERE IdArmure BETWEEN 0 AND 5')" = 6
check "every weapon code" test "$(q 'SELECT COUNT(DISTINCT w) FROM (SELECT IdArmePrincipale w FROM Armees UNION SELECT IdArmeSecondaire FROM Armees) WHERE w BETWEEN 0 AND 14')" = 15
check "mounts attached to riders" test "$(q 'SELECT COUNT(*) FROM Armees m JOIN Armees r ON m.ArmyTypeIdParent = r.ArmyTypeId WHERE m.CombatantType = 4')" -ge 1
check "crews attached to machines" test "$(q 'SELECT COUNT(*) FROM Armees c JOIN Armees m ON c.ArmyTypeIdParent = m.ArmyTypeId WHERE c.CombatantType = 5 AND m.CombatantType = 6')" -ge 1
check "no attached type points at a missing type" test "$(q 'SELECT COUNT(*) FROM Armees WHERE ArmyTypeIdParent <> -1 AND ArmyTypeIdParent NOT IN (SELECT ArmyTypeId FROM Armees)')" = 0
check "qualities within their ranges" test "$(q 'SELECT COUNT(*) FROM Armees WHERE IdQualite < IdQualiteMin OR IdQualite > IdQualiteMax')" = 0
check "single and double quality ranges" test "$(q 'SELECT COUNT(DISTINCT IdQualiteMax - IdQualiteMin) FROM Armees')" -ge 2
check "a type with only a secondary weapon" test "$(q 'SELECT COUNT(*) FROM Armees WHERE IdArmePrincipale = 0 AND IdArmeSecondaire <> 0')" -ge 1
check "a type without points" test "$(q 'SELECT COUNT(*) FROM Armees WHERE Points = 0')" -ge 1
check "half and odd movements" test "$(q 'SELECT COUNT(*) FROM Armees WHERE Mouvement <> CAST(Mouvement AS INTEGER) OR CAST(Mouvement AS INTEGER) % 2 = 1')" -ge 1
check "every race with units has a leader" test "$(q 'SELECT COUNT(*) FROM (SELECT IdRace FROM Armees GROUP BY IdRace HAVING SUM(CombatantType = 1) = 0)')" = 0

finish
