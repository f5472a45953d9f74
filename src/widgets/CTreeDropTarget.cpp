#include "CTreeDropTarget.h"

#include "CDragRecord.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPalette>
#include <QPointer>
#include <QTreeWidget>

namespace {

// The highlight lives on the tree itself, so that it goes away with it.
constexpr char kItemProperty[] = "skarnholtDropHighlight";
constexpr char kBrushesProperty[] = "skarnholtDropHighlightBrushes";
constexpr char kGuardProperty[] = "skarnholtDropHighlightGuard";

QTreeWidgetItem* StoredItem(const QTreeWidget* tree) {
    return reinterpret_cast<QTreeWidgetItem*>(tree->property(kItemProperty).value<quintptr>());
}

void Forget(QTreeWidget* tree) {
    tree->setProperty(kItemProperty, QVariant());
    tree->setProperty(kBrushesProperty, QVariant());
}

// Whether removing rows first..last under parent takes item (or one of its ancestors) away.
bool IsRemoved(const QTreeWidget* tree, const QTreeWidgetItem* item, const QModelIndex& parent,
               int first, int last) {
    const QTreeWidgetItem* removedParent = tree->itemFromIndex(parent);
    for (const QTreeWidgetItem* it = item; it; it = it->parent()) {
        const QTreeWidgetItem* up = it->parent();
        if (up != removedParent)
            continue;
        const int row = up ? up->indexOfChild(const_cast<QTreeWidgetItem*>(it))
                           : tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(it));
        return row >= first && row <= last;
    }
    return false;
}

// Forgets the highlighted item before it is deleted, so that no dangling pointer is ever touched.
void GuardRemovals(QTreeWidget* tree) {
    if (tree->property(kGuardProperty).toBool())
        return;
    tree->setProperty(kGuardProperty, true);
    QAbstractItemModel* model = tree->model();
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, tree,
                     [tree] { Forget(tree); });
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, tree,
                     [tree](const QModelIndex& parent, int first, int last) {
                         const QTreeWidgetItem* item = StoredItem(tree);
                         if (item && IsRemoved(tree, item, parent, first, last))
                             Forget(tree);
                     });
}

void RestoreBrushes(QTreeWidget* tree, QTreeWidgetItem* item) {
    const QVariantList saved = tree->property(kBrushesProperty).toList();
    for (int column = 0; 2 * column + 1 < saved.size(); ++column) {
        item->setData(column, Qt::BackgroundRole, saved.at(2 * column));
        item->setData(column, Qt::ForegroundRole, saved.at(2 * column + 1));
    }
}

void ApplyHighlight(QTreeWidget* tree, QTreeWidgetItem* item) {
    QVariantList saved;
    const QBrush background = tree->palette().brush(QPalette::Highlight);
    const QBrush foreground = tree->palette().brush(QPalette::HighlightedText);
    for (int column = 0; column < tree->columnCount(); ++column) {
        saved << item->data(column, Qt::BackgroundRole) << item->data(column, Qt::ForegroundRole);
        item->setBackground(column, background);
        item->setForeground(column, foreground);
    }
    tree->setProperty(kBrushesProperty, saved);
    tree->setProperty(kItemProperty, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
}

bool CarriesOurFormat(const QMimeData* data) {
    return data && data->hasFormat(QString::fromLatin1(CTreeDropTarget::kMimeType));
}

} // namespace

CTreeDropTarget::CTreeDropTarget(QTreeWidget* tree, int mode, QObject* parent)
    : QObject(parent), m_pTree(tree), m_pViewport(tree->viewport()), m_nMode(mode) {
    tree->setAcceptDrops(true);
    m_pViewport->setAcceptDrops(true);
    m_pViewport->installEventFilter(this);
}

QMimeData* CTreeDropTarget::CreateDragData() {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMimeType), QByteArray());
    return data;
}

Qt::DropAction CTreeDropTarget::RunDrag(QTreeWidget* source) {
    QPointer<QDrag> drag = new QDrag(source);
    drag->setMimeData(CreateDragData());
    const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
    if (drag)
        drag->deleteLater();
    return result;
}

Qt::DropAction CTreeDropTarget::OnDragEnter(QWidget* window, const QMimeData*,
                                            Qt::MouseButtons buttons, const QPoint& point) {
    if (window == m_pTree || window == m_pTree->viewport())
        HighlightItemAt(point);
    return ActionFor(buttons);
}

Qt::DropAction CTreeDropTarget::OnDragOver(QWidget*, const QMimeData*, Qt::MouseButtons buttons,
                                           const QPoint& point) {
    if (m_nMode == kRefuseDrops)
        return Qt::IgnoreAction;
    HighlightItemAt(point);
    return ActionFor(buttons);
}

bool CTreeDropTarget::OnDrop(QWidget* window, const QMimeData*, Qt::DropAction, const QPoint&) {
    CDragRecord& record = CDragRecord::Instance();
    if (m_nMode == kRefuseDrops) {
        record.m_nDropState = CDragRecord::kDroppedOnRefusingTree;
        return false;
    }
    record.m_pTargetItem = DropHighlight(m_pTree);
    record.m_pTargetWindow = window;
    record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
    return true;
}

void CTreeDropTarget::OnDragLeave() {
    // The highlight stays: the source side clears it once it has read where the drag fell.
}

QTreeWidgetItem* CTreeDropTarget::DropHighlight(const QTreeWidget* tree) {
    QTreeWidgetItem* item = tree ? StoredItem(tree) : nullptr;
    return item && item->treeWidget() == tree ? item : nullptr;
}

void CTreeDropTarget::SetDropHighlight(QTreeWidget* tree, QTreeWidgetItem* item) {
    if (!tree)
        return;
    QTreeWidgetItem* current = DropHighlight(tree);
    if (item == current)
        return;
    if (current)
        RestoreBrushes(tree, current);
    Forget(tree);
    if (!item || item->treeWidget() != tree)
        return;
    GuardRemovals(tree);
    ApplyHighlight(tree, item);
}

bool CTreeDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pViewport)
        return QObject::eventFilter(watched, event);

    // Drags are reported with the tree as their window, whatever part of it they are over.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        Qt::DropAction action = Qt::IgnoreAction;
        if (CarriesOurFormat(drag->mimeData())) {
            const QPoint point = drag->position().toPoint();
            action = event->type() == QEvent::DragEnter
                         ? OnDragEnter(m_pTree, drag->mimeData(), drag->buttons(), point)
                         : OnDragOver(m_pTree, drag->mimeData(), drag->buttons(), point);
        }
        drag->setDropAction(action);
        drag->setAccepted(action != Qt::IgnoreAction);
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const bool taken =
            CarriesOurFormat(drop->mimeData()) &&
            OnDrop(m_pTree, drop->mimeData(), drop->dropAction(), drop->position().toPoint());
        if (!taken)
            drop->setDropAction(Qt::IgnoreAction);
        drop->setAccepted(taken);
        return true;
    }
    case QEvent::DragLeave:
        OnDragLeave();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

// Over empty space nothing is highlighted, so that a release there has no target item.
void CTreeDropTarget::HighlightItemAt(const QPoint& point) {
    SetDropHighlight(m_pTree, m_pTree->itemAt(point));
}

Qt::DropAction CTreeDropTarget::ActionFor(Qt::MouseButtons buttons) {
    return buttons.testFlag(Qt::LeftButton) ? Qt::CopyAction : Qt::MoveAction;
}
