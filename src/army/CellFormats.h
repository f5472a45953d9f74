// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

struct CUnitStats;
class CArmyUnit;

// The texts of the cells of an army list row and of its line in the text report.

// Columns of UnitStatCells, in order.
enum UnitStatColumn {
    kQualityColumn,
    kTypeColumn,
    kForceColumn,
    kResistanceColumn,
    kValeurColumn,
    kShieldColumn,
    kArmourColumn,
    kWeaponsColumn,
    kMovementColumn,
    kSaveColumn,
    kTerribleColumn,
    kLightingColumn,
    kPointsColumn,
    kUpgColumn,
    kMinColumn,
    kMaxColumn,
    kStatColumnCount
};

// A statistic of 0 is left blank.
QString FormatStatValue(int v);
// Points, UPG, Min, Max and the save: "''" for a mount, blank for a machine.
QString FormatPointsText(int v, int combatantType);
QString FormatSaveText(int v, int combatantType);
QString FormatTerribleText(int terrible);
QString FormatArmourText(const CUnitStats& stats);
QString FormatWeaponsText(const CUnitStats& stats);
// Movement is stored in game units and shown in centimetres.
QString FormatMovementText(const CUnitStats& stats);

// The notes cell of the army list: price and command points or figures.
QString FormatNotesText(const CArmyUnit& unit);
// The notes of the report line; a leader shows its command points even as a mount.
QString FormatReportNotesText(const CArmyUnit& unit);

// One statistic column: its title, the full name behind an abbreviated title (0 when the
// title says it all), its width in the lists, its text, and whether the army export and the
// battle report print it (they leave out the shield, which the armour text names, and the
// prices). A new statistic is one more line of StatColumns().
struct CStatColumn {
    int titleId;
    int fullNameId;
    int listWidth;
    QString (*text)(const CUnitStats& stats);
    bool printed;
};
// The statistic block, in the order of UnitStatColumn.
const CStatColumn (&StatColumns())[kStatColumnCount];

QStringList UnitStatCells(const CUnitStats& stats);
// The picture of each of those cells, by image id: the weapon, the armour and the shield
// (mounts and machines have neither armour nor shield of their own); -1 where none.
QList<int> UnitStatImages(const CUnitStats& stats);

// The text report: a header, then one tab-separated line per unit, indented under its leader.
QString UnitTextHeaderLine();
QString UnitTextLine(const CArmyUnit& unit, int warchiefId);
