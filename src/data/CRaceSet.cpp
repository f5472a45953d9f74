// SPDX-License-Identifier: GPL-3.0-or-later

#include "CRaceSet.h"

#include "CRace.h"

QString CRaceSet::GetDefaultSQL() const {
    return QStringLiteral("SELECT * FROM Races ORDER BY RaceGB");
}

void CRaceSet::CopyTo(CRace& record) const {
    record.IdAuto = Long("IdAuto");
    record.RaceFR = Text("RaceFR");
    record.RaceGB = Text("RaceGB");
    record.IdRace = Long("IdRace");
}
