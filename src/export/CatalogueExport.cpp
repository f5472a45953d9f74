// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueExport.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CUnitType.h"

namespace {

constexpr int kRaceTitleId = 145;
constexpr int kNameTitleId = 144;
const QString kRule = QStringLiteral("-------------------------------------\n");

QStringList Titles() {
    QStringList titles{LoadResString(kRaceTitleId), LoadResString(kNameTitleId)};
    for (const CStatColumn& column : StatColumns())
        titles << LoadResString(column.titleId);
    return titles;
}

} // namespace

QString CatalogueExportText(const CItemList<CUnitType>& types, int raceId) {
    const QStringList titles = Titles();
    QString text;
    bool first = true;
    int lastRace = 0;
    for (const CUnitType* type : types) {
        if (raceId != kAllRaces && type->IdRace != raceId)
            continue;
        if (raceId == kAllRaces && (first || type->IdRace != lastRace)) {
            // The race's line has its name in the first column and the others empty.
            QStringList raceLine(titles.size());
            raceLine[0] = GetRaceName(type->IdRace);
            text +=
                QStringLiteral("\n\n") + kRule + TabbedLine(raceLine) + kRule + TabbedLine(titles);
            first = false;
            lastRace = type->IdRace;
        }
        text +=
            TabbedLine(QStringList{GetRaceName(type->IdRace), type->NomGB} + UnitStatCells(*type));
    }
    return text;
}
