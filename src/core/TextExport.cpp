#include "TextExport.h"

#include "FileViewer.h"
#include "MessageBox.h"
#include "StringTable.h"

#include <QDir>
#include <QSaveFile>

QString ExportFileName(const QString& name) {
    QString file = name;
    for (QChar& c : file) {
        if (c == u'\'' || c == u' ' || c == u'/' || c == u'\\' || c == QChar(0))
            c = u'_';
    }
    return file + QStringLiteral(".txt");
}

QString TabbedLine(const QStringList& cells) {
    QString line;
    for (const QString& cell : cells)
        line += cell + QLatin1Char('\t');
    return line + QLatin1Char('\n');
}

QString WriteExport(const QString& directory, const QString& fileName, const QString& text) {
    const QString path = directory.isEmpty() ? fileName : QDir(directory).filePath(fileName);
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QString();
    return path;
}

bool WriteExportAndView(const QString& fileName, const QString& text) {
    if (WriteExport(QString(), fileName, text).isEmpty()) {
        ShowWarningMessage(kCannotWriteFileId, LoadResString(kCannotWriteFileId).arg(fileName));
        return false;
    }
    OpenInViewer(fileName);
    return true;
}
