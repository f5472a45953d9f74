#include "CDragTreeWidget.h"

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
    if (event->reason() != QContextMenuEvent::Keyboard) {
        emit contextMenuRequested(event->globalPos());
    } else if (QTreeWidgetItem* item = currentItem()) {
        // From the keyboard the menu opens at the selected item, as if right-clicked there.
        const QRect rect = visualItemRect(item);
        emit contextMenuRequested(
            viewport()->mapToGlobal(QPoint(rect.left() + rect.height() / 2, rect.center().y())));
    } else {
        emit contextMenuRequested(QPoint(-1, -1));
    }
    event->accept();
}

void CDragTreeWidget::keyPressEvent(QKeyEvent* event) {
    // The menu key and Shift+F10 both ask for the menu, as on every desktop.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
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
