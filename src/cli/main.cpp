#include "ExportTool.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same language as the program beside it: English when its module stands here.
    QTranslator english;
    if (english.load(QDir(QCoreApplication::applicationDirPath())
                         .filePath(QStringLiteral("SkarnholtDB_GB.qm"))))
        QCoreApplication::installTranslator(&english);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunExportTool(QCoreApplication::arguments().mid(1), out, err);
}
