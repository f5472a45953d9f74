#pragma once

#include <QString>

// The text of a battle's report: heading, description, then each army with its units.
// False, with the text left empty, when the battle does not exist or cannot be read whole.
bool BattleReportText(int battleId, QString* text);
// The file the report of a battle of that name is written to.
QString BattleReportFileName(const QString& battleName);
// Writes the report into the current directory and opens it; says so when the battle cannot
// be loaded or the file cannot be written.
void WriteBattleReport(int battleId);
