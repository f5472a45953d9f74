// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmeeDefSet.h"

#include "CArmyHeader.h"

QString CArmeeDefSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM ArmeeDef ORDER BY Nom");
}

void CArmeeDefSet::CopyTo(CArmyHeader& record) const {
    record.IdArmee = Long("IdArmee");
    record.Nom = Text("Nom");
    record.NombrePointMax = Long("NombrePointMax");
    record.CoutTotal = Long("CoutTotal");
    record.IdRace = Long("IdRace");
    record.Version = Long("Version");
    record.Proprietaire = Text("Proprietaire");
}
