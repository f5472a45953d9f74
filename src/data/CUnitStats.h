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
