#include "TextExport.h"

#include "FileViewer.h"
#include "MessageBox.h"
#include "StringTable.h"

#include <QSaveFile>

QString ExportFileName(const QString& name) {
    QString file = name;
    for (QChar& c : file) {
        if (c == u'\'' || c == u' ' || c == u'/' || c == u'\\' || c == QChar(0))
            c = u'_';
    }
    return file + QStringLiteral(".txt");
}

bool WriteExportAndView(const QString& fileName, const QString& text) {
    QSaveFile file(fileName);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MessageBox::Show(MessageBox::Kind::Warning, kCannotWriteFileId,
                         LoadResString(kCannotWriteFileId).arg(fileName));
        return false;
    }
    OpenInViewer(fileName);
    return true;
}
