#include "Resources.h"

#include <QFile>

namespace {
QString Find(const char* folder, int id) {
    for (const char* extension : {"svg", "png"}) {
        const QString path = QStringLiteral(":/%1/%2.%3")
                                 .arg(QLatin1String(folder))
                                 .arg(id)
                                 .arg(QLatin1String(extension));
        if (QFile::exists(path))
            return path;
    }
    return QString();
}
} // namespace

QIcon LoadIconResource(int id) {
    const QString path = Find("icons", id);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap LoadBitmapResource(int id) {
    const QString path = Find("bitmaps", id);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}
