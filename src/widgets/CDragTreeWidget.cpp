#include "CDragTreeWidget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

CDragTreeWidget::CDragTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);
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
    emit contextMenuRequested(event->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1)
                                                                             : event->globalPos());
    event->accept();
}

void CDragTreeWidget::startDrag(Qt::DropActions) {
    emit beginDrag(m_pressPosition);
}
