// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoredArmy.h"

#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"

#include <QHash>

QStringList ArmyLines(const CArmyHeader& header, const CItemList<CArmyUnit>& units, bool linked) {
    QHash<int, int> place;
    for (const CArmyUnit* unit : units)
        place.insert(unit->IdUnite, unit->IdVisual);
    const auto placeOf = [&](int key) {
        return key == -1             ? QStringLiteral("-")
               : place.contains(key) ? QString::number(place.value(key))
                                     : QStringLiteral("gone");
    };
    QStringList lines{QStringLiteral("%1 %2 %3")
                          .arg(header.Nom)
                          .arg(header.NombrePointMax)
                          .arg(header.CoutTotal)};
    for (const CArmyUnit* unit : units) {
        const int main = !linked             ? unit->IdParentUnit
                         : unit->m_pMainUnit ? unit->m_pMainUnit->IdUnite
                                             : -1;
        lines << QStringLiteral("%1 %2 h%3 leader %4 main %5 fig %6 mus %7 pc %8 cost %9")
                     .arg(QString::number(unit->IdVisual), unit->Nom,
                          QString::number(unit->Hierarchie), placeOf(unit->IdLeader), placeOf(main),
                          QString::number(unit->NombreFig), QString::number(unit->Musicien),
                          QString::number(unit->Pc), QString::number(unit->CoutTotal));
    }
    return lines;
}

namespace {
bool Load(CArmyDatabase& db, int armyId, CArmyHeader& header, CItemList<CArmyUnit>& units) {
    return db.FindArmyById(armyId, header) == CArmyDatabase::kFound &&
           db.LoadArmyUnits(armyId, units);
}
} // namespace

QStringList StoredArmyLines(CArmyDatabase& db, int armyId) {
    CArmyHeader header;
    CItemList<CArmyUnit> units;
    return Load(db, armyId, header, units) ? ArmyLines(header, units)
                                           : QStringList{QStringLiteral("unreadable")};
}

QString StoredArmyFault(CArmyDatabase& db, int armyId) {
    CArmyHeader header;
    CItemList<CArmyUnit> units;
    if (!Load(db, armyId, header, units))
        return QStringLiteral("army %1 unreadable").arg(armyId);
    QHash<int, const CArmyUnit*> byKey;
    int sum = 0;
    for (const CArmyUnit* unit : units) {
        if (unit->IdVisual != byKey.size())
            return QStringLiteral("%1 at position %2, not %3")
                .arg(unit->Nom)
                .arg(unit->IdVisual)
                .arg(byKey.size());
        byKey.insert(unit->IdUnite, unit);
        sum += unit->CoutTotal;
    }
    if (header.CoutTotal != sum)
        return QStringLiteral("total %1, members %2").arg(header.CoutTotal).arg(sum);
    for (const CArmyUnit* unit : units) {
        const CArmyUnit* leader = byKey.value(unit->IdLeader);
        if (unit->IdLeader != -1 && (!leader || !leader->IsLeader()))
            return QStringLiteral("%1 under no leader").arg(unit->Nom);
    }
    return QString();
}
