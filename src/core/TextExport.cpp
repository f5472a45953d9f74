// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextExport.h"

#include "FileViewer.h"
#include "MessageBox.h"
#include "StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ExportFileName(const QString& name) {
    // Separators, blanks and what common systems refuse or shells mistake become "_"; a
    // leading dot would hide the file.
    static const QString kAwkward = QStringLiteral("'/\\ *?:\"<>|");
    QString file = name;
    for (QChar& c : file) {
        if (kAwkward.contains(c) || c.category() == QChar::Other_Control)
            c = u'_';
    }
    while (file.startsWith(QLatin1Char('.')))
        file.remove(0, 1);
    return (file.isEmpty() ? QStringLiteral("_") : file) + QStringLiteral(".txt");
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
    const QString path = QFileInfo(fileName).absoluteFilePath();
    ShowStatusMessage(kFileWrittenId, LoadResString(kFileWrittenId).arg(path));
    OpenInViewer(fileName,
                 [path] { ShowInfoMessage(kNoViewerId, LoadResString(kNoViewerId).arg(path)); });
    return true;
}
