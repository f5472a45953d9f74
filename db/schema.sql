-- SPDX-License-Identifier: GPL-3.0-or-later
-- SkarnholtDB tables. Portable SQL: loads on SQLite and on PostgreSQL.
-- The program never creates or alters tables; scripts/setup-datasource.sh loads this file.
-- Keys of the user tables are INTEGER PRIMARY KEY: SQLite assigns them on insert (rowid);
-- on PostgreSQL, load db/postgresql-keys.sql after this file to give them identity defaults.

CREATE TABLE Races (
    IdAuto INTEGER PRIMARY KEY,
    RaceFR VARCHAR(255),
    RaceGB VARCHAR(255),
    IdRace SMALLINT NOT NULL
);

CREATE TABLE Armees (
    ArmyTypeId INTEGER PRIMARY KEY,
    ArmyTypeIdParent INTEGER NOT NULL DEFAULT -1,
    NomFR VARCHAR(255),
    NomGB VARCHAR(255),
    IdRace SMALLINT NOT NULL,
    IdQualiteMin SMALLINT NOT NULL,
    IdQualiteMax SMALLINT NOT NULL,
    IdQualite SMALLINT NOT NULL,
    IdType SMALLINT NOT NULL,
    Force SMALLINT NOT NULL,
    Resistance SMALLINT NOT NULL,
    Valeur SMALLINT NOT NULL,
    IdArmure SMALLINT NOT NULL,
    IdArmePrincipale SMALLINT NOT NULL,
    IdArmeSecondaire SMALLINT NOT NULL,
    Bouclier BOOLEAN NOT NULL,
    Mouvement REAL NOT NULL,
    JetSauvegarde SMALLINT NOT NULL,
    Terrible BOOLEAN NOT NULL,
    IdEclairage SMALLINT NOT NULL,
    Points SMALLINT NOT NULL,
    UPG SMALLINT NOT NULL,
    Min SMALLINT NOT NULL,
    Max SMALLINT NOT NULL,
    CombatantType SMALLINT NOT NULL
);

CREATE TABLE ArmeeDef (
    IdArmee INTEGER PRIMARY KEY,
    Nom VARCHAR(255),
    NombrePointMax INTEGER NOT NULL,
    CoutTotal INTEGER NOT NULL,
    IdRace SMALLINT NOT NULL,
    -- Counts the edits of the army, so that a program sees another one's since it read it.
    Version INTEGER NOT NULL DEFAULT 0,
    -- The club server's role that made it (db/postgresql-club.sql); empty on SQLite, where
    -- there is one player.
    Proprietaire VARCHAR(255)
);

CREATE TABLE ArmeeCompo (
    IdUnite INTEGER PRIMARY KEY,
    IdParentUnit INTEGER NOT NULL,
    IdLeader INTEGER NOT NULL,
    IdArmee INTEGER NOT NULL,
    IdVisual SMALLINT NOT NULL,
    NombreFig SMALLINT NOT NULL,
    Nom VARCHAR(255),
    Etendard BOOLEAN NOT NULL,
    Musicien SMALLINT NOT NULL,
    Pc SMALLINT NOT NULL,
    CoutTotal SMALLINT NOT NULL,
    Hierarchie SMALLINT NOT NULL,
    NomUnitType VARCHAR(255),
    IdRace SMALLINT NOT NULL,
    IdQualiteMin SMALLINT NOT NULL,
    IdQualiteMax SMALLINT NOT NULL,
    IdQualite SMALLINT NOT NULL,
    IdType SMALLINT NOT NULL,
    Force SMALLINT NOT NULL,
    Resistance SMALLINT NOT NULL,
    Valeur SMALLINT NOT NULL,
    IdArmure SMALLINT NOT NULL,
    IdArmePrincipale SMALLINT NOT NULL,
    IdArmeSecondaire SMALLINT NOT NULL,
    Bouclier BOOLEAN NOT NULL,
    Mouvement REAL NOT NULL,
    JetSauvegarde SMALLINT NOT NULL,
    Terrible BOOLEAN NOT NULL,
    IdEclairage SMALLINT NOT NULL,
    Points SMALLINT NOT NULL,
    UPG SMALLINT NOT NULL,
    Min SMALLINT NOT NULL,
    Max SMALLINT NOT NULL,
    CombatantType SMALLINT NOT NULL
);

CREATE INDEX ArmeeCompoByArmee ON ArmeeCompo (IdArmee, IdVisual);

CREATE TABLE Battle (
    IdBattle INTEGER PRIMARY KEY,
    Description VARCHAR(255),
    Nom VARCHAR(255),
    Proprietaire VARCHAR(255)
);

CREATE TABLE BattleCompo (
    IdAuto INTEGER PRIMARY KEY,
    IdBattle INTEGER NOT NULL,
    IdArmy INTEGER NOT NULL
);

CREATE INDEX BattleCompoByBattle ON BattleCompo (IdBattle);
