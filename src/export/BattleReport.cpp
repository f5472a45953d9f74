// SPDX-License-Identifier: GPL-3.0-or-later

#include "BattleReport.h"

#include "ExportLabels.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CBattleContents.h"

#include <QHash>

namespace {

const QString kRule = QString(44, QLatin1Char('-')) + QLatin1Char('\n');

QString Line(int label, const QString& value) {
    return QStringLiteral("%1:\t\t%2\n").arg(LoadResString(label), value);
}

QString ArmyBlock(const CArmyHeader& army, const QList<const CArmyUnit*>& units) {
    QString text = QStringLiteral("\n\n") + kRule + Line(kArmyLabel, army.Nom) + kRule +
                   Line(kRaceLabel, GetRaceName(army.IdRace)) +
                   Line(kBudgetLabel, QString::number(army.NombrePointMax)) +
                   Line(kCostLabel, QString::number(army.CoutTotal)) + QLatin1Char('\n') +
                   UnitTextHeaderLine();
    // The first unit stored is the warchief; the others are indented under it.
    const int warchiefId = units.isEmpty() ? -1 : units.first()->IdUnite;
    for (const CArmyUnit* unit : units)
        text += UnitTextLine(*unit, warchiefId);
    return text;
}

} // namespace

QString BattleReportFileName(const QString& battleName) {
    return ExportFileName(battleName);
}

QString BattleReportText(const CBattleContents& contents) {
    const CBattle& battle = contents.battle;
    QHash<int, QList<const CArmyUnit*>> unitsOf;
    for (const CArmyUnit* unit : contents.units)
        unitsOf[unit->IdArmee] << unit;
    int budget = 0;
    int cost = 0;
    for (const CArmyHeader* army : contents.armies) {
        budget += army->NombrePointMax;
        cost += army->CoutTotal;
    }
    QString text = kRule + Line(kBattleLabel, battle.Nom) +
                   QStringLiteral("%1 Id:\t\t%2\n")
                       .arg(LoadResString(kBattleLabel))
                       .arg(static_cast<unsigned>(battle.IdBattle)) +
                   Line(kTotalBudgetLabel, QString::number(budget)) +
                   Line(kTotalCostLabel, QString::number(cost)) + QStringLiteral("\n\n") +
                   QStringLiteral("Description\n") + QString(11, QLatin1Char('-')) +
                   QLatin1Char('\n') + battle.Description;
    for (const CArmyHeader* army : contents.armies)
        text += ArmyBlock(*army, unitsOf.value(army->IdArmee));
    return text;
}

void WriteBattleReport(const CBattleContents& battle) {
    WriteExportAndView(BattleReportFileName(battle.battle.Nom), BattleReportText(battle));
}
