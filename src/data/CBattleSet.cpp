// SPDX-License-Identifier: GPL-3.0-or-later

#include "CBattleSet.h"

#include "CBattle.h"

QString CBattleSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM Battle");
}

void CBattleSet::CopyTo(CBattle& record) const {
    record.IdBattle = Long("IdBattle");
    record.Description = Text("Description");
    record.Nom = Text("Nom");
    record.Proprietaire = Text("Proprietaire");
}
