// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CUnitStats.h"

#include <QList>
#include <QString>

class CUnitType;

// One member of an army (a row of ArmeeCompo), with its links to the unit it was added with.
class CArmyUnit : public CUnitStats {
public:
    CArmyUnit() = default;
    explicit CArmyUnit(const CUnitType& type);

    // Copies the stored fields only; the links of this unit stay as they are.
    CArmyUnit(const CArmyUnit& other);
    CArmyUnit& operator=(const CArmyUnit& other);

    CArmyUnit* m_pMainUnit = nullptr;
    QList<CArmyUnit*> m_attached;

    int IdUnite = -1;
    int IdParentUnit = -1;
    int IdLeader = -1;
    int IdArmee = -1;
    int IdVisual = 0;
    int NombreFig = 0;
    QString Nom;
    int Etendard = 0;
    int Musicien = 0;
    int Pc = 0;
    int CoutTotal = 0;
    int Hierarchie = 0;
    QString NomUnitType;

    bool IsWarchief() const { return Hierarchie == kWarchief; }
    bool IsGroupLeader() const { return Hierarchie == kGroupLeader; }
    bool IsLeader() const { return IsWarchief() || IsGroupLeader(); }

private:
    void CopyStoredFields(const CArmyUnit& other);
};
