// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct CBattleContents;

// The text of a battle's report: heading, description, then each army with its units.
QString BattleReportText(const CBattleContents& battle);
// The file the report of a battle of that name is written to.
QString BattleReportFileName(const QString& battleName);
// Writes the report into the current directory and opens it; says so when the file cannot be
// written.
void WriteBattleReport(const CBattleContents& battle);
