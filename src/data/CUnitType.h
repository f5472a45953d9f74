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

    bool IsLeaderType() const { return CombatantType == kLeaderType; }
    bool IsUncountedType() const { return CombatantType == kUncountedType || Points == 0; }
};
