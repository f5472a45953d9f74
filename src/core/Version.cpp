// SPDX-License-Identifier: GPL-3.0-or-later

#include "Version.h"

// Given by CMake to this file alone, so that a new version rebuilds nothing else.
#ifndef SKARNHOLT_VERSION
#error "SKARNHOLT_VERSION is defined by CMake from project(VERSION)"
#endif

QString ProgramVersion() {
    return QStringLiteral(SKARNHOLT_VERSION);
}

QString VersionLine(const QString& command) {
    return command + QStringLiteral(" (SkarnholtDB) ") + ProgramVersion();
}

InfoOption FindInfoOption(const QStringList& arguments) {
    for (const QString& word : arguments) {
        if (word == QLatin1String("--help"))
            return InfoOption::Help;
        if (word == QLatin1String("--version"))
            return InfoOption::Version;
    }
    return InfoOption::None;
}
