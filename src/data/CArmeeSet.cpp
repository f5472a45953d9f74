// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmeeSet.h"

#include "CUnitType.h"

QString CArmeeSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM Armees");
}

void CArmeeSet::CopyTo(CUnitType& record) const {
    record.ArmyTypeId = Long("ArmyTypeId");
    record.ArmyTypeIdParent = Long("ArmyTypeIdParent");
    record.NomFR = Text("NomFR");
    record.NomGB = Text("NomGB");
    CopyStats(record);
}
