// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyTree.h"

#include "widgets/KeyboardMenu.h"

#include "model/CArmyModel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kImageSize = 32;
constexpr int kTreeIndent = 5;

} // namespace

CArmyTree::CArmyTree(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setIconSize(QSize(kImageSize, kImageSize));
    setIndentation(kImageSize / 2 + kTreeIndent);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    // Every row is as high as its icon: the tree need not measure each one to lay them out.
    setUniformRowHeights(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A drop falls on the member under it, never between two.
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::MoveAction);
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        m_collapsedKeys.insert(index.data(CArmyModel::KeyRole).toInt());
    });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        m_collapsedKeys.remove(index.data(CArmyModel::KeyRole).toInt());
    });
}

void CArmyTree::SetArmyModel(CArmyModel* model) {
    m_pModel = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_selectedKey = current.data(CArmyModel::KeyRole).toInt();
            });
    // Rows put back or moved open as a fill would have them.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        ExpandAsFilled({});
        const QModelIndex kept = m_pModel->IndexOfKey(m_selectedKey);
        SelectIndex(kept.isValid() ? kept : m_pModel->WarchiefIndex());
    });
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    ExpandAsFilled(m_pModel->index(row, 0, parent));
                ExpandAsFilled(parent.isValid() ? parent : QModelIndex());
            });
    connect(model, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int, int, const QModelIndex& destination, int row) {
                ExpandAsFilled(destination);
                ExpandAsFilled(m_pModel->index(row, 0, destination));
            });
}

void CArmyTree::ExpandAsFilled(const QModelIndex& parent) {
    if (parent.isValid() && m_pModel->rowCount(parent) > 0 && !isExpanded(parent) &&
        !m_collapsedKeys.contains(parent.data(CArmyModel::KeyRole).toInt()))
        expand(parent);
    for (int row = 0; row < m_pModel->rowCount(parent); ++row) {
        const QModelIndex child = m_pModel->index(row, 0, parent);
        if (m_pModel->rowCount(child) > 0)
            ExpandAsFilled(child);
    }
}

void CArmyTree::Forget() {
    m_collapsedKeys.clear();
    m_selectedKey = -1;
    ExpandAsFilled({});
    SelectIndex(m_pModel->WarchiefIndex());
}

CArmyUnit* CArmyTree::SelectedUnit() const {
    const QModelIndexList selected =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return selected.isEmpty() ? nullptr : m_pModel->UnitAt(selected.first());
}

void CArmyTree::SelectIndex(const QModelIndex& index) {
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void CArmyTree::SelectUnit(const CArmyUnit& unit) {
    const QModelIndex index = m_pModel->IndexOf(&unit);
    if (!index.isValid())
        return;
    SelectIndex(index);
    scrollTo(index);
}

void CArmyTree::Settle(const CArmyUnit* focus, bool select) {
    QModelIndex selected = focus && select ? m_pModel->IndexOf(focus) : QModelIndex();
    if (!selected.isValid()) {
        const QModelIndexList kept = selectionModel()->selectedRows();
        selected = kept.isEmpty() ? m_pModel->WarchiefIndex() : kept.first();
    }
    if (selected.isValid() &&
        (selected != currentIndex() || !selectionModel()->isSelected(selected)))
        SelectIndex(selected);
    if (const QModelIndex shown = focus ? m_pModel->IndexOf(focus) : QModelIndex(); shown.isValid())
        m_scroll.Request(shown);
}

void CArmyTree::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The row under the mouse becomes the selection, or nothing is selected.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            SelectIndex(index);
        } else {
            selectionModel()->clearSelection();
            selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        }
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void CArmyTree::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex current = currentIndex();
    emit contextMenuRequested(
        event->reason() != QContextMenuEvent::Keyboard
            ? event->globalPos()
            : KeyboardMenuPoint(*this, current.isValid() ? visualRect(current) : QRect()));
    event->accept();
}

void CArmyTree::keyPressEvent(QKeyEvent* event) {
    if (IsMenuKey(*event)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
