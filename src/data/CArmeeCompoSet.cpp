// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmeeCompoSet.h"

#include "CArmyUnit.h"

QString CArmeeCompoSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM ArmeeCompo ORDER BY IdUnite");
}

void CArmeeCompoSet::CopyTo(CArmyUnit& record) const {
    record.IdUnite = Long("IdUnite");
    record.IdParentUnit = Long("IdParentUnit");
    record.IdLeader = Long("IdLeader");
    record.IdArmee = Long("IdArmee");
    record.IdVisual = Long("IdVisual");
    record.NombreFig = Long("NombreFig");
    record.Nom = Text("Nom");
    record.Etendard = Bool("Etendard");
    record.Musicien = Long("Musicien");
    record.Pc = Long("Pc");
    record.CoutTotal = Long("CoutTotal");
    record.Hierarchie = Long("Hierarchie");
    record.NomUnitType = Text("NomUnitType");
    CopyStats(record);
}
