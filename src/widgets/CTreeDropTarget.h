#pragma once

#include <QObject>
#include <Qt>

class QMimeData;
class QPoint;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The drop side of a tree: the catalogue tree refuses drops, the army tree takes them. Where a
// drag fell is written to CDragRecord; the tree's drop highlight marks the item under the drag.
class CTreeDropTarget : public QObject {
    Q_OBJECT

public:
    enum Mode { kRefuseDrops = 1, kAcceptDrops = 2 };

    // The drags of this program carry this format only, with no data.
    static constexpr const char* kMimeType = "application/x-skarnholtdb-drag";

    CTreeDropTarget(QTreeWidget* tree, int mode, QObject* parent = nullptr);

    QTreeWidget* Tree() const { return m_pTree; }

    static QMimeData* CreateDragData();
    // Runs a drag from source until it is released and returns the action taken.
    static Qt::DropAction RunDrag(QTreeWidget* source);

    Qt::DropAction OnDragEnter(QWidget* window, const QMimeData* data, Qt::MouseButtons buttons,
                               const QPoint& point);
    Qt::DropAction OnDragOver(QWidget* window, const QMimeData* data, Qt::MouseButtons buttons,
                              const QPoint& point);
    bool OnDrop(QWidget* window, const QMimeData* data, Qt::DropAction action, const QPoint& point);
    void OnDragLeave();

    // The item drawn as the place a drag would fall; null when none.
    static QTreeWidgetItem* DropHighlight(const QTreeWidget* tree);
    static void SetDropHighlight(QTreeWidget* tree, QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HighlightItemAt(const QPoint& point);
    static Qt::DropAction ActionFor(Qt::MouseButtons buttons);

    QTreeWidget* m_pTree;
    // Kept apart: while the tree is being destroyed it can no longer be asked for it.
    QWidget* m_pViewport;
    int m_nMode;
};
