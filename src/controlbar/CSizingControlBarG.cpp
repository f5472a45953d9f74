// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSizingControlBarG.h"

#include "CControlBarCloseButton.h"
#include "CControlBarStrip.h"

#include <QAction>
#include <QPainter>

CSizingControlBarG::CSizingControlBarG(const QString& title, QWidget* parent)
    : CSizingControlBar(title, parent), m_strip(new CControlBarStrip(this)) {
    setTitleBarWidget(m_strip);
    connect(m_strip->CloseButton(), &QAbstractButton::clicked, this,
            &CSizingControlBarG::OnCloseClicked);
    connect(this, &QDockWidget::featuresChanged, m_strip, &CControlBarStrip::UpdateLayout);
    connect(this, &QWidget::windowTitleChanged, m_strip, qOverload<>(&QWidget::update));
}

QWidget* CSizingControlBarG::Strip() const {
    return m_strip;
}

QAbstractButton* CSizingControlBarG::CloseButton() const {
    return m_strip->CloseButton();
}

bool CSizingControlBarG::HasVerticalStrip() const {
    return m_strip->IsVertical();
}

void CSizingControlBarG::PaintStrip(QPainter& painter, const QRect& strip, const QRect& freeArea) {
    const QPalette& pal = palette();
    painter.fillRect(strip, pal.color(QPalette::Window));

    // Two raised grip lines along the free part of the strip, the classic sign of a handle.
    const bool vertical = HasVerticalStrip();
    const QRect area = freeArea.adjusted(2, 2, -2, -2);
    const int middle = vertical ? area.center().x() : area.center().y();
    for (int offset : {-2, 1}) {
        const int at = middle + offset;
        const QLine line = vertical ? QLine(at, area.top(), at, area.bottom())
                                    : QLine(area.left(), at, area.right(), at);
        const QPoint next = vertical ? QPoint(1, 0) : QPoint(0, 1);
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(line);
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(line.translated(next));
    }
}

void CSizingControlBarG::OnCloseClicked() {
    // Going through the toggle action keeps the main window's show/hide check mark in step.
    if (isVisible())
        toggleViewAction()->trigger();
    emit closeRequested();
}
