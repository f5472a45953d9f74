// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyUnit.h"

#include "CUnitType.h"

CArmyUnit::CArmyUnit(const CUnitType& type)
    : CUnitStats(type), IdVisual(-1), NombreFig(type.Max), Nom(type.NomGB), CoutTotal(type.Points),
      NomUnitType(type.NomGB) {}

CArmyUnit::CArmyUnit(const CArmyUnit& other) : CUnitStats(other) {
    CopyStoredFields(other);
}

CArmyUnit& CArmyUnit::operator=(const CArmyUnit& other) {
    if (this != &other) {
        CUnitStats::operator=(other);
        CopyStoredFields(other);
    }
    return *this;
}

void CArmyUnit::CopyStoredFields(const CArmyUnit& other) {
    IdUnite = other.IdUnite;
    IdParentUnit = other.IdParentUnit;
    IdLeader = other.IdLeader;
    IdArmee = other.IdArmee;
    IdVisual = other.IdVisual;
    NombreFig = other.NombreFig;
    Nom = other.Nom;
    Etendard = other.Etendard;
    Musicien = other.Musicien;
    Pc = other.Pc;
    CoutTotal = other.CoutTotal;
    Hierarchie = other.Hierarchie;
    NomUnitType = other.NomUnitType;
}
