// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The statistics block that ends both a catalogue unit type and an army unit, in stored order.
struct CUnitStats {
    int IdRace = 0;
    int IdQualiteMin = 0;
    int IdQualiteMax = 0;
    int IdQualite = 0;
    int IdType = 0;
    int Force = 0;
    int Resistance = 0;
    int Valeur = 0;
    int IdArmure = 0;
    int IdArmePrincipale = 0;
    int IdArmeSecondaire = 0;
    int Bouclier = 0;
    float Mouvement = 0.0f;
    int JetSauvegarde = 0;
    int Terrible = 0;
    int IdEclairage = 0;
    int Points = 0;
    int UPG = 0;
    int Min = 0;
    int Max = 0;
    int CombatantType = 0;
};

// The stored columns of the statistics block: one place for their names and fields. In the
// order the insert of an army unit writes them (the chosen quality before its range); rows
// are read by name, whatever their order.
struct CStatField {
    const char* column;
    int CUnitStats::*integer; // null for the one real column
    float CUnitStats::*real;
    bool yesNo;
};
inline constexpr CStatField kStatFields[] = {
    {"IdRace", &CUnitStats::IdRace, nullptr, false},
    {"IdQualite", &CUnitStats::IdQualite, nullptr, false},
    {"IdQualiteMin", &CUnitStats::IdQualiteMin, nullptr, false},
    {"IdQualiteMax", &CUnitStats::IdQualiteMax, nullptr, false},
    {"IdType", &CUnitStats::IdType, nullptr, false},
    {"Force", &CUnitStats::Force, nullptr, false},
    {"Resistance", &CUnitStats::Resistance, nullptr, false},
    {"Valeur", &CUnitStats::Valeur, nullptr, false},
    {"IdArmure", &CUnitStats::IdArmure, nullptr, false},
    {"IdArmePrincipale", &CUnitStats::IdArmePrincipale, nullptr, false},
    {"IdArmeSecondaire", &CUnitStats::IdArmeSecondaire, nullptr, false},
    {"Bouclier", &CUnitStats::Bouclier, nullptr, true},
    {"Mouvement", nullptr, &CUnitStats::Mouvement, false},
    {"JetSauvegarde", &CUnitStats::JetSauvegarde, nullptr, false},
    {"Terrible", &CUnitStats::Terrible, nullptr, true},
    {"IdEclairage", &CUnitStats::IdEclairage, nullptr, false},
    {"Points", &CUnitStats::Points, nullptr, false},
    {"UPG", &CUnitStats::UPG, nullptr, false},
    {"Min", &CUnitStats::Min, nullptr, false},
    {"Max", &CUnitStats::Max, nullptr, false},
    {"CombatantType", &CUnitStats::CombatantType, nullptr, false},
};

// Codes of CombatantType (catalogue) and Hierarchie (army member).
enum CombatantKind {
    kLeaderType = 1,
    kCombatUnitType = 2,
    kIndividualType = 3,
    kUncountedType = 4,
    kCrewType = 5,
    kMachineType = 6,
};

enum HierarchyLevel {
    kWarchief = 1,
    kGroupLeader = 2,
    kCombatUnit = 3,
    kIndividual = 4,
    kUncounted = 5,
    kCrew = 6,
    kMachine = 7,
};
