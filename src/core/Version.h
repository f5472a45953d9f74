// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The program's version: CMake's project version, the one the About box, every command's
// --version, the manual pages and the package say.
QString ProgramVersion();

// What --version prints for a command: "skarnholtdb-export (SkarnholtDB) 1.0".
QString VersionLine(const QString& command);

// The option a command answers before anything else, in the terminal: --help or --version,
// wherever it stands (the first one given wins).
enum class InfoOption { None, Help, Version };
InfoOption FindInfoOption(const QStringList& arguments);
