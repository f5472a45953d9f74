// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyExport.h"

#include "ExportLabels.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "model/CArmy.h"

namespace {

constexpr int kNameTitleId = 144;
constexpr int kNotesTitleId = 149;
constexpr int kIndentPerLevel = 4;

// A heading line: a label and its value.
QString Heading(int label, const QString& value) {
    return LoadResString(label) + QLatin1Char('\t') + value + QLatin1Char('\n');
}

} // namespace

QString ArmyExportText(const CArmy& army) {
    const CArmyHeader& header = army.GetHeader();
    QString text = Heading(kArmyLabel, header.Nom) +
                   Heading(kBudgetLabel, QString::number(header.NombrePointMax)) +
                   Heading(kCostLabel, QString::number(header.CoutTotal)) +
                   Heading(kRaceLabel, GetRaceName(header.IdRace)) + QStringLiteral("\n\n");
    // The shield and the prices are left out, as in the battle report.
    QStringList titles{LoadResString(kNameTitleId)};
    for (const CStatColumn& column : StatColumns()) {
        if (column.printed)
            titles << LoadResString(column.titleId);
    }
    titles << LoadResString(kNotesTitleId);
    text += TabbedLine(titles);
    for (const CArmyUnit* unit : army.Units()) {
        QStringList cells{QString(army.Depth(*unit) * kIndentPerLevel, QLatin1Char(' ')) +
                          unit->Nom};
        for (const CStatColumn& column : StatColumns()) {
            if (column.printed)
                cells << column.text(*unit);
        }
        cells << FormatNotesText(*unit);
        text += TabbedLine(cells);
    }
    return text;
}

QString ArmyExportFileName(const QString& armyName) {
    return ExportFileName(armyName);
}
