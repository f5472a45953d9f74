// SPDX-License-Identifier: GPL-3.0-or-later

#include "CBattleCompoSet.h"

#include "CBattleEntry.h"

QString CBattleCompoSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM BattleCompo");
}

void CBattleCompoSet::CopyTo(CBattleEntry& record) const {
    record.IdAuto = Long("IdAuto");
    record.IdBattle = Long("IdBattle");
    record.IdArmy = Long("IdArmy");
}
