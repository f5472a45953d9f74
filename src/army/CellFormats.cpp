// SPDX-License-Identifier: GPL-3.0-or-later

#include "CellFormats.h"

#include "ValueNames.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"

namespace {

constexpr int kShieldId = 177;
constexpr int kNameHeaderId = 144;
constexpr int kNotesHeaderId = 149;
constexpr int kStatWidth = 50;
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
    // The warchief's mount has no leader either: it stands with him.
    if (unit.IsWarchief() || unit.IdLeader == -1)
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

const CStatColumn (&StatColumns())[kStatColumnCount] {
    // clang-format off
    static const CStatColumn columns[kStatColumnCount] = {
        {143, 246, kStatWidth, [](const CUnitStats& s) { return GetQualityName(s.IdQualite, s.CombatantType); }, true},
        {142, 0, kStatWidth, [](const CUnitStats& s) { return GetDisciplineName(s.IdType, s.CombatantType); }, true},
        {141, 247, kStatWidth, [](const CUnitStats& s) { return FormatStatValue(s.Force); }, true},
        {140, 248, kStatWidth, [](const CUnitStats& s) { return FormatStatValue(s.Resistance); }, true},
        {139, 249, kStatWidth, [](const CUnitStats& s) { return FormatStatValue(s.Valeur); }, true},
        // The shield shows as a picture only.
        {232, 0, kStatWidth, [](const CUnitStats&) { return QString(); }, false},
        {138, 0, kStatWidth, FormatArmourText, true},
        {137, 0, kStatWidth, FormatWeaponsText, true},
        {136, 253, kStatWidth, FormatMovementText, true},
        {135, 250, kStatWidth, [](const CUnitStats& s) { return FormatSaveText(s.JetSauvegarde, s.CombatantType); }, true},
        {134, 251, kStatWidth, [](const CUnitStats& s) { return FormatTerribleText(s.Terrible); }, true},
        {133, 252, kStatWidth, [](const CUnitStats& s) { return GetLightingName(s.IdEclairage, s.CombatantType); }, true},
        {132, 0, kStatWidth, [](const CUnitStats& s) { return FormatPointsText(s.Points, s.CombatantType); }, false},
        {131, 0, kStatWidth, [](const CUnitStats& s) { return FormatPointsText(s.UPG, s.CombatantType); }, false},
        {130, 0, kStatWidth, [](const CUnitStats& s) { return FormatPointsText(s.Min, s.CombatantType); }, false},
        {129, 0, kStatWidth, [](const CUnitStats& s) { return FormatPointsText(s.Max, s.CombatantType); }, false},
    };
    // clang-format on
    return columns;
}

QStringList UnitStatCells(const CUnitStats& stats) {
    QStringList cells;
    cells.reserve(kStatColumnCount);
    for (const CStatColumn& column : StatColumns())
        cells << column.text(stats);
    return cells;
}

QString UnitTextHeaderLine() {
    QString line = LoadResString(kNameHeaderId) + kTab;
    for (const CStatColumn& column : StatColumns()) {
        if (column.printed)
            line += LoadResString(column.titleId) + kTab;
    }
    return line + LoadResString(kNotesHeaderId) + QStringLiteral("\n");
}

QString UnitTextLine(const CArmyUnit& unit, int warchiefId) {
    QString line = Indent(unit, warchiefId) + unit.Nom + kTab;
    for (const CStatColumn& column : StatColumns()) {
        if (column.printed)
            line += column.text(unit) + kTab;
    }
    return line + FormatReportNotesText(unit) + QStringLiteral("\n");
}

QList<int> UnitStatImages(const CUnitStats& stats) {
    QList<int> images(UnitStatCells(stats).size(), -1);
    images[kWeaponsColumn] = GetWeaponImage(stats.IdArmePrincipale);
    if (stats.CombatantType != kUncountedType && stats.CombatantType != kMachineType) {
        images[kArmourColumn] = GetArmourImage(stats.IdArmure);
        if (stats.Bouclier == 1)
            images[kShieldColumn] = kShieldImage;
    }
    return images;
}
