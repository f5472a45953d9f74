// SPDX-License-Identifier: GPL-3.0-or-later

#include "LanguageModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

QString EnglishModulePath(const QString& programDirectory, const QLocale& desktop) {
    const QDir program(programDirectory);
    const QString beside = program.filePath(QLatin1String(kLanguageModule));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(program.filePath(
        QLatin1String(kInstalledModuleFolder) + QLatin1Char('/') + QLatin1String(kLanguageModule)));
    if (desktop.language() != QLocale::French && QFileInfo::exists(installed))
        return installed;
    return QString();
}

bool InstallEnglishModule(QTranslator& module) {
    const QString path =
        EnglishModulePath(QCoreApplication::applicationDirPath(), QLocale::system());
    return !path.isEmpty() && module.load(path) && QCoreApplication::installTranslator(&module);
}
