-- SPDX-License-Identifier: GPL-3.0-or-later
-- A small catalogue for the tests: Orcs with one type of each kind in a mixed order, Dwarves
-- with a machine that has two attached types and a lord with his mount, Trolls without any type.
INSERT INTO Races (IdAuto, RaceFR, RaceGB, IdRace) VALUES (1, 'Orc', 'Orc', 13);
INSERT INTO Races (IdAuto, RaceFR, RaceGB, IdRace) VALUES (2, 'Nain', 'Dwarf', 11);
INSERT INTO Races (IdAuto, RaceFR, RaceGB, IdRace) VALUES (3, 'Troll', 'Troll', 15);

INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (1, -1, 'Loup-garou monté', 'T1 Wolf riders', 13, 1, 2, 1, 1, 3, 3, 4, 2, 13, 0, '1', 4, 5, '0', 1, 9, 2, 5, 10, 2);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (2, -1, 'Géant borgne', 'T2 One-eyed brute', 13, 2, 2, 2, 2, 6, 6, 7, 0, 2, 0, '0', 5, 0, '1', 2, 35, 0, 1, 1, 3);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (3, -1, 'Chef d''orcs', 'T3 Orc warlord', 13, 3, 3, 3, 1, 5, 5, 8, 3, 1, 0, '1', 5, 4, '0', 0, 60, 0, 1, 1, 1);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (4, 1, 'Loup', 'T4 Wolf', 13, 1, 1, 1, 1, 3, 2, 3, 0, 12, 0, '0', 9, 0, '0', 1, 0, 0, 5, 10, 4);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (5, -1, 'Guerriers', 'T5 Warriors', 13, 0, 1, 0, 1, 3, 3, 3, 1, 1, 5, '1', 4, 6, '0', 0, 5, 1, 10, 30, 2);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (6, -1, 'Lance-pierres', 'T6 Rock lobber', 13, 5, 5, 5, 5, 0, 7, 0, 0, 9, 0, '0', 0, 0, '0', 0, 40, 0, 1, 1, 6);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (7, 5, 'Esprit', 'Kindless spirit', 13, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, '0', 4, 0, '0', 0, 5, 0, 1, 1, 0);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (20, -1, 'Canon de fer', 'Iron cannon', 11, 5, 5, 5, 5, 0, 8, 0, 0, 10, 0, '0', 0, 0, '0', 0, 60, 0, 1, 1, 6);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (21, 20, 'Canonniers', 'Gunners', 11, 1, 2, 1, 0, 3, 4, 4, 2, 1, 0, '1', 3, 5, '0', 0, 8, 2, 2, 4, 5);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (22, 20, 'Mule de trait', 'Draught mule', 11, 0, 0, 0, 0, 2, 3, 1, 0, 11, 0, '0', 6, 0, '0', 0, 0, 0, 1, 1, 4);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (23, -1, 'Seigneur nain', 'Dwarf lord', 11, 3, 3, 3, 0, 5, 6, 8, 4, 2, 0, '1', 3, 3, '0', 0, 70, 0, 1, 1, 1);
INSERT INTO Armees (ArmyTypeId, ArmyTypeIdParent, NomFR, NomGB, IdRace, IdQualiteMin, IdQualiteMax, IdQualite, IdType, Force, Resistance, Valeur, IdArmure, IdArmePrincipale, IdArmeSecondaire, Bouclier, Mouvement, JetSauvegarde, Terrible, IdEclairage, Points, UPG, Min, Max, CombatantType)
VALUES (24, 23, 'Sanglier de guerre', 'War boar', 11, 0, 0, 0, 0, 3, 4, 2, 0, 11, 0, '0', 7, 0, '0', 0, 8, 0, 1, 1, 4);
