// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTreeWidget>

// A tree that reports, instead of handling them itself, the start of a drag, a right-click
// (after selecting what is under the mouse) and a request for its context menu. Nothing is
// dropped on it.
class CDragTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit CDragTreeWidget(QWidget* parent = nullptr);

signals:
    void beginDrag(const QPoint& viewportPosition);
    void rightClicked(QTreeWidgetItem* item);
    // At the selected item when asked for from the keyboard; (-1, -1) when none is selected.
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QPoint m_pressPosition;
};
