// SPDX-License-Identifier: GPL-3.0-or-later

#include "CControlBarCloseButton.h"

#include "core/StringTable.h"

#include <QPainter>

namespace {
constexpr int kButtonSide = 11;

void DrawEdge(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}
} // namespace

CControlBarCloseButton::CControlBarCloseButton(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(kButtonSide, kButtonSide);
    // Clicking it must not pull the keyboard focus away from whatever the user was editing.
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tr("Masquer"));
    // A picture alone says nothing to a screen reader.
    setAccessibleName(LoadResString(kHideBarId));
}

QSize CControlBarCloseButton::sizeHint() const {
    return QSize(kButtonSide, kButtonSide);
}

void CControlBarCloseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect r = rect();
    if (isDown())
        DrawEdge(painter, r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    else if (m_hovered)
        DrawEdge(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Dark));

    // A pressed button shows its glyph one pixel down and right, as if pushed in.
    const int shift = isDown() ? 1 : 0;
    const QPoint centre(r.width() / 2 + shift, r.height() / 2 + shift);
    painter.setPen(pal.color(QPalette::ButtonText));
    // Each diagonal is drawn with a neighbour on either side so the cross reads two pixels thick.
    const int c = 2;
    painter.drawLine(centre + QPoint(-c, -c), centre + QPoint(c, c));
    painter.drawLine(centre + QPoint(-c + 1, -c), centre + QPoint(c, c - 1));
    painter.drawLine(centre + QPoint(-c, -c + 1), centre + QPoint(c - 1, c));
    painter.drawLine(centre + QPoint(c, -c), centre + QPoint(-c, c));
    painter.drawLine(centre + QPoint(c - 1, -c), centre + QPoint(-c, c - 1));
    painter.drawLine(centre + QPoint(c, -c + 1), centre + QPoint(-c + 1, c));
}

void CControlBarCloseButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void CControlBarCloseButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}
