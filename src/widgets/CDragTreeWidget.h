#pragma once

#include <QTreeWidget>

// A tree that reports, instead of handling them itself, the start of a drag, a right-click
// (after selecting what is under the mouse) and a request for its context menu.
class CDragTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit CDragTreeWidget(QWidget* parent = nullptr);

signals:
    void beginDrag(const QPoint& viewportPosition);
    void rightClicked(QTreeWidgetItem* item);
    // globalPosition is (-1, -1) when the menu was asked for from the keyboard.
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    // Drops are decided by the tree's drop target alone; the view itself never moves items.
    void dragEnterEvent(QDragEnterEvent*) override {}
    void dragMoveEvent(QDragMoveEvent*) override {}
    void dragLeaveEvent(QDragLeaveEvent*) override {}
    void dropEvent(QDropEvent*) override {}

private:
    QPoint m_pressPosition;
};
