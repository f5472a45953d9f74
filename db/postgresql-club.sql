-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL only: a club's database where each player's armies and battles are his own.
-- Load after db/schema.sql and db/postgresql-keys.sql, as the tables' owner; loading it again
-- changes nothing. A database made before gets the owner columns, its rows owned by the role
-- loading this file, and nothing else of it changes.
--
-- Roles: skarnholt_player may read everything and change his own armies, their members and his
-- own battles; skarnholt_admin changes everything. The administrator grants one of them to
-- each player's login role. The tables' owner is not held by the rules.

SET client_min_messages = warning;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'skarnholt_player') THEN
        CREATE ROLE skarnholt_player NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'skarnholt_admin') THEN
        CREATE ROLE skarnholt_admin NOLOGIN;
    END IF;
EXCEPTION WHEN insufficient_privilege THEN
    RAISE EXCEPTION 'the roles skarnholt_player and skarnholt_admin do not exist and % may not create them: create them as the server''s superuser (createuser --no-login skarnholt_player; createuser --no-login skarnholt_admin)', current_user;
END
$$;

-- Who made each army and battle; a player's rows carry his role.
ALTER TABLE ArmeeDef ADD COLUMN IF NOT EXISTS Proprietaire VARCHAR(255);
ALTER TABLE Battle ADD COLUMN IF NOT EXISTS Proprietaire VARCHAR(255);
UPDATE ArmeeDef SET Proprietaire = current_user WHERE Proprietaire IS NULL;
UPDATE Battle SET Proprietaire = current_user WHERE Proprietaire IS NULL;
ALTER TABLE ArmeeDef ALTER COLUMN Proprietaire SET DEFAULT current_user;
ALTER TABLE ArmeeDef ALTER COLUMN Proprietaire SET NOT NULL;
ALTER TABLE Battle ALTER COLUMN Proprietaire SET DEFAULT current_user;
ALTER TABLE Battle ALTER COLUMN Proprietaire SET NOT NULL;

-- What a player may do at all; the rules below narrow it row by row.
DO $$
BEGIN
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO skarnholt_player, skarnholt_admin',
                   current_database());
    EXECUTE format('GRANT USAGE ON SCHEMA %I TO skarnholt_player, skarnholt_admin',
                   current_schema());
    EXECUTE format('GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA %I TO skarnholt_player, '
                   'skarnholt_admin', current_schema());
END
$$;
GRANT SELECT ON Races, Armees TO skarnholt_player, skarnholt_admin;
GRANT SELECT, INSERT, UPDATE, DELETE ON ArmeeDef, ArmeeCompo, Battle, BattleCompo
    TO skarnholt_player, skarnholt_admin;

-- Whether the row's army (or battle) is the player's to change.
CREATE OR REPLACE FUNCTION skarnholt_may_change(maker VARCHAR) RETURNS BOOLEAN
    LANGUAGE sql STABLE
    AS $$ SELECT maker = current_user::text OR pg_has_role('skarnholt_admin', 'MEMBER') $$;
CREATE OR REPLACE FUNCTION skarnholt_may_change_army(army INTEGER) RETURNS BOOLEAN
    LANGUAGE sql STABLE
    AS $$ SELECT EXISTS (SELECT 1 FROM ArmeeDef d WHERE d.IdArmee = army
                         AND skarnholt_may_change(d.Proprietaire)) $$;
CREATE OR REPLACE FUNCTION skarnholt_may_change_battle(battle INTEGER) RETURNS BOOLEAN
    LANGUAGE sql STABLE
    AS $$ SELECT EXISTS (SELECT 1 FROM Battle b WHERE b.IdBattle = battle
                         AND skarnholt_may_change(b.Proprietaire)) $$;

ALTER TABLE ArmeeDef ENABLE ROW LEVEL SECURITY;
ALTER TABLE ArmeeCompo ENABLE ROW LEVEL SECURITY;
ALTER TABLE Battle ENABLE ROW LEVEL SECURITY;
ALTER TABLE BattleCompo ENABLE ROW LEVEL SECURITY;

-- Everyone reads everything: battles mix the players' armies.
DROP POLICY IF EXISTS everyone_reads ON ArmeeDef;
DROP POLICY IF EXISTS everyone_reads ON ArmeeCompo;
DROP POLICY IF EXISTS everyone_reads ON Battle;
DROP POLICY IF EXISTS everyone_reads ON BattleCompo;
CREATE POLICY everyone_reads ON ArmeeDef FOR SELECT USING (true);
CREATE POLICY everyone_reads ON ArmeeCompo FOR SELECT USING (true);
CREATE POLICY everyone_reads ON Battle FOR SELECT USING (true);
CREATE POLICY everyone_reads ON BattleCompo FOR SELECT USING (true);

-- A player's own armies, and their members.
DROP POLICY IF EXISTS owner_inserts ON ArmeeDef;
DROP POLICY IF EXISTS owner_updates ON ArmeeDef;
DROP POLICY IF EXISTS owner_deletes ON ArmeeDef;
CREATE POLICY owner_inserts ON ArmeeDef FOR INSERT
    WITH CHECK (skarnholt_may_change(Proprietaire));
CREATE POLICY owner_updates ON ArmeeDef FOR UPDATE
    USING (skarnholt_may_change(Proprietaire)) WITH CHECK (skarnholt_may_change(Proprietaire));
CREATE POLICY owner_deletes ON ArmeeDef FOR DELETE USING (skarnholt_may_change(Proprietaire));

DROP POLICY IF EXISTS army_owner_inserts ON ArmeeCompo;
DROP POLICY IF EXISTS army_owner_updates ON ArmeeCompo;
DROP POLICY IF EXISTS army_owner_deletes ON ArmeeCompo;
CREATE POLICY army_owner_inserts ON ArmeeCompo FOR INSERT
    WITH CHECK (skarnholt_may_change_army(IdArmee));
CREATE POLICY army_owner_updates ON ArmeeCompo FOR UPDATE
    USING (skarnholt_may_change_army(IdArmee)) WITH CHECK (skarnholt_may_change_army(IdArmee));
CREATE POLICY army_owner_deletes ON ArmeeCompo FOR DELETE
    USING (skarnholt_may_change_army(IdArmee));

-- A player's own battles; and his own army may leave any battle, as it does when deleted.
DROP POLICY IF EXISTS owner_inserts ON Battle;
DROP POLICY IF EXISTS owner_updates ON Battle;
DROP POLICY IF EXISTS owner_deletes ON Battle;
CREATE POLICY owner_inserts ON Battle FOR INSERT WITH CHECK (skarnholt_may_change(Proprietaire));
CREATE POLICY owner_updates ON Battle FOR UPDATE
    USING (skarnholt_may_change(Proprietaire)) WITH CHECK (skarnholt_may_change(Proprietaire));
CREATE POLICY owner_deletes ON Battle FOR DELETE USING (skarnholt_may_change(Proprietaire));

DROP POLICY IF EXISTS battle_owner_inserts ON BattleCompo;
DROP POLICY IF EXISTS battle_owner_updates ON BattleCompo;
DROP POLICY IF EXISTS battle_or_army_owner_deletes ON BattleCompo;
CREATE POLICY battle_owner_inserts ON BattleCompo FOR INSERT
    WITH CHECK (skarnholt_may_change_battle(IdBattle));
CREATE POLICY battle_owner_updates ON BattleCompo FOR UPDATE
    USING (skarnholt_may_change_battle(IdBattle))
    WITH CHECK (skarnholt_may_change_battle(IdBattle));
CREATE POLICY battle_or_army_owner_deletes ON BattleCompo FOR DELETE
    USING (skarnholt_may_change_battle(IdBattle) OR skarnholt_may_change_army(IdArmy));
