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
    const QString module =
        EnglishModulePath(QCoreApplication::applicationDirPath(), QLocale::system());
    if (!module.isEmpty() && english.load(module))
        QCoreApplication::installTranslator(&english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CArmyDatabase db;
    return RunImportTool(db, QCoreApplication::arguments().mid(1), out, err);
}
