// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportTool.h"
#include "core/LanguageModule.h"
#include "data/CArmyDatabase.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The program's language, chosen the program's way: English when its module stands here,
    // or is installed and the desktop does not speak French.
    QTranslator english;
    InstallEnglishModule(english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The tool's one connection, opened by the command that needs it.
    CArmyDatabase db;
    return RunExportTool(db, QCoreApplication::arguments().mid(1), out, err);
}
