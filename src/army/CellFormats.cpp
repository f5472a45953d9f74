#include "CellFormats.h"

#include "ValueNames.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"

namespace {

constexpr int kShieldId = 177;
constexpr int kNotesHeaderId = 149;
// Column titles of the report, from the name to the lighting.
constexpr int kHeaderIds[] = {144, 143, 142, 141, 140, 139, 138, 137, 136, 135, 134, 133};
constexpr double kCentimetresPerUnit = 2.5;

constexpr QChar kTab = u'\t';

QString CountedText(int v, int combatantType) {
    if (combatantType == kUncountedType)
        return QStringLiteral("''");
    if (combatantType == kMachineType)
        return QString();
    return FormatStatValue(v);
}

QString LeaderNotes(const CArmyUnit& unit) {
    return QStringLiteral("%1 pts - %2 Pc").arg(unit.CoutTotal).arg(unit.Pc);
}

QString FigureNotes(const CArmyUnit& unit) {
    QString text = QStringLiteral("%1 pts - %2 fig").arg(unit.CoutTotal).arg(unit.NombreFig);
    if (unit.Musicien != 0)
        text += QStringLiteral(", %1 Mus").arg(unit.Musicien);
    if (unit.Etendard == 1)
        text += QStringLiteral(", 1 étendard");
    return text;
}

QString Indent(const CArmyUnit& unit, int warchiefId) {
    if (unit.IsWarchief())
        return QString();
    if (unit.IdLeader == warchiefId || unit.IsGroupLeader())
        return QString(4, QLatin1Char(' '));
    return QString(8, QLatin1Char(' '));
}

} // namespace

QString FormatStatValue(int v) {
    return v == 0 ? QString() : QString::number(v);
}

QString FormatPointsText(int v, int combatantType) {
    return CountedText(v, combatantType);
}

QString FormatSaveText(int v, int combatantType) {
    return CountedText(v, combatantType);
}

QString FormatTerribleText(int terrible) {
    return terrible == 1 ? QStringLiteral("*") : QString();
}

QString FormatArmourText(const CUnitStats& stats) {
    const QString name = GetArmourName(stats.IdArmure);
    if (stats.Bouclier != 1)
        return name;
    return QStringLiteral("%1 / %2").arg(name, LoadResString(kShieldId));
}

QString FormatWeaponsText(const CUnitStats& stats) {
    QString text;
    if (stats.IdArmePrincipale != 0)
        text = GetWeaponName(stats.IdArmePrincipale);
    if (stats.IdArmeSecondaire != 0)
        text += QStringLiteral(" / ") + GetWeaponName(stats.IdArmeSecondaire);
    return text;
}

QString FormatMovementText(const CUnitStats& stats) {
    if (stats.CombatantType == kUncountedType)
        return QStringLiteral("''");
    if (stats.CombatantType == kMachineType || stats.Mouvement == 0.0f)
        return QString();
    // Only an odd whole movement gets the half; a fraction of the movement only reaches the
    // truncated product.
    const int whole = static_cast<int>(stats.Mouvement);
    const int centimetres = static_cast<int>(stats.Mouvement * kCentimetresPerUnit);
    if (whole % 2 == 0)
        return QString::number(centimetres);
    return QStringLiteral("%1.5").arg(centimetres);
}

QString FormatNotesText(const CArmyUnit& unit) {
    if (unit.CombatantType == kUncountedType)
        return QString();
    return unit.IsLeader() ? LeaderNotes(unit) : FigureNotes(unit);
}

QString FormatReportNotesText(const CArmyUnit& unit) {
    if (unit.IsLeader())
        return LeaderNotes(unit);
    if (unit.CombatantType == kUncountedType)
        return QString();
    return FigureNotes(unit);
}

QStringList UnitStatCells(const CUnitStats& stats) {
    const int type = stats.CombatantType;
    QStringList cells;
    cells.reserve(kStatColumnCount);
    cells << GetQualityName(stats.IdQualite, type) << GetDisciplineName(stats.IdType, type)
          << FormatStatValue(stats.Force) << FormatStatValue(stats.Resistance)
          << FormatStatValue(stats.Valeur) << QString() // the shield column shows a picture only
          << FormatArmourText(stats) << FormatWeaponsText(stats) << FormatMovementText(stats)
          << FormatSaveText(stats.JetSauvegarde, type) << FormatTerribleText(stats.Terrible)
          << GetLightingName(stats.IdEclairage, type) << FormatPointsText(stats.Points, type)
          << FormatPointsText(stats.UPG, type) << FormatPointsText(stats.Min, type)
          << FormatPointsText(stats.Max, type);
    return cells;
}

QString UnitTextHeaderLine() {
    QString line;
    for (int id : kHeaderIds)
        line += LoadResString(id) + kTab;
    return line + LoadResString(kNotesHeaderId) + QStringLiteral("\n");
}

QString UnitTextLine(const CArmyUnit& unit, int warchiefId) {
    const QStringList cells = UnitStatCells(unit);
    QString line = Indent(unit, warchiefId) + unit.Nom + kTab;
    // The report has no shield column (the armour text names the shield) and no prices.
    for (int column = kQualityColumn; column <= kLightingColumn; ++column) {
        if (column != kShieldColumn)
            line += cells.at(column) + kTab;
    }
    return line + FormatReportNotesText(unit) + QStringLiteral("\n");
}
