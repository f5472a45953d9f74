// SPDX-License-Identifier: GPL-3.0-or-later

#include "CControlBarStrip.h"

#include "CControlBarCloseButton.h"
#include "CSizingControlBarG.h"

#include <QPainter>

namespace {
// Room left between the close button and the end of the strip.
constexpr int kButtonMargin = 1;
} // namespace

CControlBarStrip::CControlBarStrip(CSizingControlBarG* bar)
    : QWidget(bar), m_bar(bar), m_closeButton(new CControlBarCloseButton(this)) {
    UpdateLayout();
}

bool CControlBarStrip::IsVertical() const {
    return m_bar->features().testFlag(QDockWidget::DockWidgetVerticalTitleBar);
}

QRect CControlBarStrip::FreeArea() const {
    if (m_closeButton->isHidden())
        return rect();
    const QRect button = m_closeButton->geometry();
    if (IsVertical())
        return QRect(0, button.bottom() + 1, width(), height() - button.bottom() - 1);
    return QRect(0, 0, button.left(), height());
}

void CControlBarStrip::UpdateLayout() {
    m_closeButton->setVisible(m_bar->features().testFlag(QDockWidget::DockWidgetClosable));
    PlaceCloseButton();
    updateGeometry();
    update();
}

QSize CControlBarStrip::sizeHint() const {
    return minimumSizeHint();
}

QSize CControlBarStrip::minimumSizeHint() const {
    const int length = m_closeButton->width() + 2 * kButtonMargin;
    const int thickness = m_bar->StripHeight();
    return IsVertical() ? QSize(thickness, length) : QSize(length, thickness);
}

void CControlBarStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_bar->PaintStrip(painter, rect(), FreeArea());
}

void CControlBarStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceCloseButton();
}

void CControlBarStrip::PlaceCloseButton() {
    const QSize button = m_closeButton->size();
    if (IsVertical())
        m_closeButton->move((width() - button.width()) / 2, kButtonMargin);
    else
        m_closeButton->move(width() - button.width() - kButtonMargin,
                            (height() - button.height()) / 2);
}
