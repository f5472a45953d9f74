// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CUnitStats.h"

#include <QString>

// One catalogue unit type (a row of Armees).
class CUnitType : public CUnitStats {
public:
    int ArmyTypeId = -1;
    int ArmyTypeIdParent = -1;
    QString NomFR;
    QString NomGB;
    // False while only the keys, race, kind and English name are read (the catalogue bar's
    // start): the French name and the other statistics are empty then.
    bool m_bComplete = true;

    bool IsLeaderType() const { return CombatantType == kLeaderType; }
    bool IsUncountedType() const { return CombatantType == kUncountedType || Points == 0; }
};
