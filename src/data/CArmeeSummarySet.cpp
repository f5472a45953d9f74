// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmeeSummarySet.h"

#include "CUnitType.h"

QString CArmeeSummarySet::GetDefaultSQL() const {
    return QStringLiteral("SELECT ArmyTypeId,IdRace,CombatantType,NomGB FROM Armees WHERE "
                          "ArmyTypeIdParent = ? AND CombatantType <> ? ORDER BY ArmyTypeId");
}

QVariantList CArmeeSummarySet::DefaultValues() {
    return {-1, int(kUncountedType)};
}

void CArmeeSummarySet::CopyTo(CUnitType& record) const {
    // Thousands of rows at start-up: the fields are taken in the statement's order.
    record.ArmyTypeId = ValueAt(0).toInt();
    record.ArmyTypeIdParent = -1;
    record.IdRace = ValueAt(1).toInt();
    record.CombatantType = ValueAt(2).toInt();
    record.NomGB = ValueAt(3).toString();
    record.m_bComplete = false;
}
