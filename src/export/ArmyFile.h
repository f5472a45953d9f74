// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/SharedArmy.h"

#include <QByteArray>
#include <QString>

// The .skarmy file: one army as JSON text, to send to another player (docs/army-format.md
// describes it, docs/skarmy.schema.json too).
namespace ArmyFile {
inline constexpr char kFormat[] = "skarnholtdb-army";
inline constexpr int kVersion = 1;
inline constexpr char kExtension[] = ".skarmy";
inline constexpr char kMimeType[] = "application/x-skarnholtdb-army";
// Limits, checked before the file is parsed (size, bytes, nesting) or stored (the rest).
inline constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
inline constexpr int kMaxMembers = 10000; // attached members counted
inline constexpr int kMaxDepth = 16;      // objects and lists within one another
inline constexpr int kMaxNameLength = 255;
inline constexpr int kMinBudget = 1;
inline constexpr int kMaxBudget = 20000;
inline constexpr int kMaxFigures = 32767;
inline constexpr int kMaxQuality = 32767;
inline constexpr int kMaxMusicians = 999;
inline constexpr int kMaxCommandPoints = 5;
inline constexpr int kMaxRaceKey = 32767;
} // namespace ArmyFile

// The army as the file's text: its members in display order, one a line, each main member with
// its attached ones; the same army always gives the same text.
QString ArmyFileText(const CSharedArmy& army);
// The file an army of that name is shared as: named as its exports are, ".skarmy".
QString ArmyFileName(const QString& armyName);

// The army a file's bytes describe, checked against the format and its limits (not against a
// catalogue: see CArmyImport); false and why, a sentence in the program's language, when the
// bytes are no such file.
bool ParseArmyFile(const QByteArray& bytes, CSharedArmy* army, QString* problem);
// The same from a file, of which no more than the largest size allowed is ever read.
bool ReadArmyFile(const QString& path, CSharedArmy* army, QString* problem);
