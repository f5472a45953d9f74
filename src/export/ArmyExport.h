// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CArmy;

// The army as a tab-separated text: its heading lines, the titles, then one line per member
// in the army's order, indented as deep as it stands in the hierarchy.
QString ArmyExportText(const CArmy& army);
// The file an army of that name is exported to.
QString ArmyExportFileName(const QString& armyName);
