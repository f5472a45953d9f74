// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// The English module's file name, and where the installed one lies from the program's folder.
inline constexpr const char* kLanguageModule = "SkarnholtDB_GB.qm";
inline constexpr const char* kInstalledModuleFolder = "../share/skarnholtdb/translations";

// The English module to load, or an empty path for French. A copy beside the program is the
// player's choice and always wins; else an installed program speaks English where the
// desktop does not speak French.
QString EnglishModulePath(const QString& programDirectory, const QLocale& desktop);

// Loads the English module into module and installs it when the program's way chooses it, from
// the running program's folder and the desktop's language; false for French.
bool InstallEnglishModule(QTranslator& module);
