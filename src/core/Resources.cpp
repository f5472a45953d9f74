// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resources.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>

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

// An icon whose file is read and parsed the first time it is drawn or measured: a window
// names many icons it does not draw at once (menus, disabled lists, dialogs not open yet).
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(const QString& path) : m_path(path) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Loaded().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    DeferredIconEngine(const DeferredIconEngine& other) = default;

    const QIcon& Loaded() {
        if (!m_loaded)
            m_icon = QIcon(m_path);
        m_loaded = true;
        return m_icon;
    }

    QString m_path;
    QIcon m_icon;
    bool m_loaded = false;
};
} // namespace

QIcon LoadIconResource(int id) {
    // One icon per id for the whole run, so that each is parsed, and drawn at a size, once
    // whatever the windows and lists that show it. Left alive at exit: pixmaps must not be
    // freed once the application is gone.
    static auto* const icons = new QHash<int, QIcon>;
    const auto cached = icons->constFind(id);
    if (cached != icons->constEnd())
        return *cached;
    const QString path = Find("icons", id);
    const QIcon icon = path.isEmpty() ? QIcon() : QIcon(new DeferredIconEngine(path));
    icons->insert(id, icon);
    return icon;
}

QPixmap LoadBitmapResource(int id) {
    const QString path = Find("bitmaps", id);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}
