// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyStatsList.h"

#include "army/CellFormats.h"
#include "model/CArmyModel.h"
#include "model/CArmyStatsModel.h"
#include "widgets/CUnitStatsList.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kImageSize = 32;
constexpr int kNameWidth = 50;
constexpr int kNotesWidth = 200;
// Room left beside the widest cell, so that columns do not stand cramped.
constexpr int kColumnPadding = 16;

} // namespace

// Has the style draw the first column shifted by its indent, while the selection still covers
// the whole cell.
class CArmyStatsList::CIndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int shift = Shift(index);
        if (shift == 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
        opt.rect.setLeft(opt.rect.left() + shift);
        painter->save();
        painter->setClipRect(option.rect);
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Shift(index), 0);
    }

private:
    static int Shift(const QModelIndex& index) {
        return index.data(CArmyModel::DepthRole).toInt() * kIndentStep;
    }
};

CArmyStatsList::CArmyStatsList(QWidget* parent) : QTreeView(parent) {
    ShowAsStatsList(*this);
    setIconSize(QSize(kImageSize, kImageSize));
    header()->setSectionsMovable(true);
    setItemDelegateForColumn(0, new CIndentDelegate(this));
}

void CArmyStatsList::SetStatsModel(CArmyStatsModel* model) {
    m_pModel = model;
    setModel(model);
    const int columns = model->columnCount();
    setColumnWidth(0, kNameWidth);
    for (int column = 0; column < kStatColumnCount; ++column)
        setColumnWidth(1 + column, StatColumns()[column].listWidth);
    setColumnWidth(columns - 1, kNotesWidth);
    connect(model, &QAbstractItemModel::modelReset, this,
            [this] { WidenColumns(0, m_pModel->rowCount() - 1); });
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { WidenColumns(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                WidenColumns(topLeft.row(), bottomRight.row());
            });
}

// Cells of a column repeat few values: each value is measured once, with the widest indent
// or icon it comes with.
void CArmyStatsList::WidenColumns(int first, int last) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int column = 0; column < m_pModel->columnCount(); ++column) {
        QHash<QString, QModelIndex> measured;
        for (int row = first; row <= last; ++row) {
            const QModelIndex index = m_pModel->index(row, column);
            QModelIndex& kept = measured[index.data().toString()];
            if (!kept.isValid() ||
                index.data(CArmyModel::DepthRole).toInt() >
                    kept.data(CArmyModel::DepthRole).toInt() ||
                (!kept.data(Qt::DecorationRole).isValid() &&
                 index.data(Qt::DecorationRole).isValid()))
                kept = index;
        }
        int needed = 0;
        QAbstractItemDelegate* delegate = itemDelegateForIndex(m_pModel->index(first, column));
        for (const QModelIndex& index : std::as_const(measured))
            needed = std::max(needed, delegate->sizeHint(option, index).width() + kColumnPadding);
        if (columnWidth(column) < needed)
            setColumnWidth(column, needed);
    }
}

CArmyUnit* CArmyStatsList::CurrentUnit() const {
    return m_pModel->UnitAt(CurrentRow());
}

void CArmyStatsList::SelectRow(int row) {
    const QModelIndex index = m_pModel->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    m_scroll.Request(index);
}
