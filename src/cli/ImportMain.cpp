// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImportTool.h"
#include "core/LanguageModule.h"
#include "data/CArmyDatabase.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The program's language, chosen as the exporter chooses it.
    QTranslator english;
    InstallEnglishModule(english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CArmyDatabase db;
    return RunImportTool(db, QCoreApplication::arguments().mid(1), out, err);
}
