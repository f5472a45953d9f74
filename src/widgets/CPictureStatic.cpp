// SPDX-License-Identifier: GPL-3.0-or-later

#include "CPictureStatic.h"

#include "core/Resources.h"

#include <QPainter>
#include <algorithm>

CPictureStatic::CPictureStatic(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CPictureStatic::SetBitmap(int resourceId) {
    m_bitmapId = resourceId;
    m_bitmap = resourceId < 0 ? QPixmap() : LoadBitmapResource(resourceId);
    update();
}

QPoint CPictureStatic::PictureOrigin(const QRect& area, const QSize& picture) {
    return QPoint(area.left() + std::max(0, (area.width() - picture.width()) / 2),
                  area.top() + std::max(0, (area.height() - picture.height()) / 2));
}

QSize CPictureStatic::sizeHint() const {
    return QSize(230, 230);
}

void CPictureStatic::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, QColor(255, 255, 255));
    if (!m_bitmap.isNull()) {
        // Device-independent size, so a high-density pixmap is not drawn twice as large.
        const QSize size = (QSizeF(m_bitmap.size()) / m_bitmap.devicePixelRatio()).toSize();
        painter.save();
        painter.setClipRect(area);
        painter.drawPixmap(PictureOrigin(area, size), m_bitmap);
        painter.restore();
    }
    drawFrame(&painter);
}
