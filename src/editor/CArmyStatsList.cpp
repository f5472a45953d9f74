#include "CArmyStatsList.h"

#include "army/CellFormats.h"
#include "model/CArmyModel.h"
#include "model/CArmyStatsModel.h"

#include <QApplication>
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
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setIconSize(QSize(kImageSize, kImageSize));
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setSectionsClickable(false);
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
    connect(model, &QAbstractItemModel::modelReset, this, &CArmyStatsList::WidenColumns);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CArmyStatsList::WidenColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &CArmyStatsList::WidenColumns);
}

void CArmyStatsList::WidenColumns() {
    for (int column = 0; column < m_pModel->columnCount(); ++column) {
        const int needed = sizeHintForColumn(column) + kColumnPadding;
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
