#include "BattleReport.h"

#include "ExportLabels.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CBattle.h"

namespace {

const QString kRule = QString(44, QLatin1Char('-')) + QLatin1Char('\n');

QString Line(int label, const QString& value) {
    return QStringLiteral("%1:\t\t%2\n").arg(LoadResString(label), value);
}

bool ArmyBlock(const CArmyHeader& army, QString* block) {
    QString text = QStringLiteral("\n\n") + kRule + Line(kArmyLabel, army.Nom) + kRule +
                   Line(kRaceLabel, GetRaceName(army.IdRace)) +
                   Line(kBudgetLabel, QString::number(army.NombrePointMax)) +
                   Line(kCostLabel, QString::number(army.CoutTotal)) + QLatin1Char('\n') +
                   UnitTextHeaderLine();
    CItemList<CArmyUnit*> units;
    if (!CArmyDatabase::Instance().LoadArmyUnits(army.IdArmee, units))
        return false;
    // The first unit stored is the warchief; the others are indented under it.
    const int warchiefId = units.IsEmpty() ? -1 : units.GetHead()->IdUnite;
    for (const CArmyUnit* unit : units)
        text += UnitTextLine(*unit, warchiefId);
    *block += text;
    return true;
}

} // namespace

QString BattleReportFileName(const QString& battleName) {
    return ExportFileName(battleName);
}

bool BattleReportText(int battleId, QString* report) {
    report->clear();
    CArmyDatabase& db = CArmyDatabase::Instance();
    CBattle battle;
    CItemList<CArmyHeader*> armies;
    if (db.FindBattleById(battleId, &battle) != CArmyDatabase::kFound ||
        !db.LoadBattleArmies(battleId, armies))
        return false;
    int budget = 0;
    int cost = 0;
    for (const CArmyHeader* army : armies) {
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
    for (const CArmyHeader* army : armies) {
        if (!ArmyBlock(*army, &text))
            return false;
    }
    *report = text;
    return true;
}

void WriteBattleReport(int battleId) {
    CBattle battle;
    const int found = CArmyDatabase::Instance().FindBattleById(battleId, &battle);
    if (found == CArmyDatabase::kNotFound)
        ShowWarningMessage(kNoBattleId);
    QString text;
    // A report that cannot be read whole is not written at all; the reason was shown.
    if (found != CArmyDatabase::kFound || !BattleReportText(battleId, &text))
        return;
    WriteExportAndView(BattleReportFileName(battle.Nom), text);
}
