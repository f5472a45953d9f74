// SPDX-License-Identifier: GPL-3.0-or-later

#include "CDragTreeWidget.h"

#include "KeyboardMenu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CDragTreeWidget::CDragTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void CDragTreeWidget::mousePressEvent(QMouseEvent* event) {
    m_pressPosition = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // The item under the mouse becomes the selection, or nothing is selected.
        QTreeWidgetItem* item = itemAt(m_pressPosition);
        if (item) {
            setCurrentItem(item);
        } else {
            clearSelection();
            setCurrentItem(nullptr);
        }
        emit rightClicked(item);
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CDragTreeWidget::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = currentItem();
    emit contextMenuRequested(
        event->reason() != QContextMenuEvent::Keyboard
            ? event->globalPos()
            : KeyboardMenuPoint(*this, item ? visualItemRect(item) : QRect()));
    event->accept();
}

void CDragTreeWidget::keyPressEvent(QKeyEvent* event) {
    if (IsMenuKey(*event)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CDragTreeWidget::startDrag(Qt::DropActions) {
    emit beginDrag(m_pressPosition);
}
