// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CArmy;
class CArmyDatabase;
struct CBattleContents;

// The army as a sheet to print or keep as PDF, in HTML for a text document: its name, race
// picture, budget, cost and rest, then its members as a table of statistics indented as in
// the tree, each group leader's subtotal (mounts and crews included) after his units. The
// table's header row repeats on every page. Pictures are named "bitmap:<id>".
QString ArmySheetHtml(const CArmy& army);
// Every army of a battle one after another, each from a new page, after the battle's
// heading; the armies are those of the connection given.
QString BattleSheetHtml(CArmyDatabase& db, const CBattleContents& battle);
// The PDF file an army or battle of that name is written to.
QString SheetFileName(const QString& name);
