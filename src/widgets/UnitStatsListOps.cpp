// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitStatsListOps.h"

#include "CImageList.h"
#include "CUnitStatsList.h"
#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kColumnWidth = 50;
constexpr int kNotesWidth = 200;
constexpr int kNameId = 144;
constexpr int kRaceId = 145;
constexpr int kNotesId = 149;

// Where the statistic block starts in each layout.
constexpr int kUnitStatsOffset = 1;
constexpr int kTypeStatsOffset = 2;

// The first column leaves room for its icon and indent, the others for their margins.
constexpr int kFirstColumnMargin = 96;
constexpr int kColumnMargin = 24;

void AppendColumn(CUnitStatsList& list, int titleId, int width, int fullNameId = 0) {
    const int column = list.columnCount();
    list.setColumnCount(column + 1);
    QTreeWidgetItem* header = list.headerItem();
    header->setText(column, LoadResString(titleId));
    if (fullNameId != 0)
        header->setToolTip(column, LoadResString(fullNameId));
    header->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    list.setColumnWidth(column, width);
}

void AppendStatBlock(CUnitStatsList& list) {
    for (const CStatColumn& column : StatColumns())
        AppendColumn(list, column.titleId, column.listWidth, column.fullNameId);
}

QIcon ImageOf(const CUnitStatsList& list, int image) {
    return list.ImageList() ? list.ImageList()->Icon(image) : QIcon();
}

// A cell without an image holds no icon at all rather than a null one.
void SetCellIcon(QTreeWidgetItem* item, int column, const QIcon& icon) {
    item->setData(column, Qt::DecorationRole, icon.isNull() ? QVariant() : QVariant(icon));
}

void SetStatCells(const CUnitStatsList& list, QTreeWidgetItem* item, const CUnitStats& stats,
                  int offset) {
    const QStringList cells = UnitStatCells(stats);
    for (int i = 0; i < cells.size(); ++i)
        item->setText(offset + i, cells.at(i));

    const QList<int> images = UnitStatImages(stats);
    for (int i = 0; i < images.size(); ++i)
        SetCellIcon(item, offset + i, images.at(i) < 0 ? QIcon() : ImageOf(list, images.at(i)));
}

void SetUnitCells(const CUnitStatsList& list, QTreeWidgetItem* item, const CArmyUnit& unit) {
    item->setText(0, unit.Nom);
    SetStatCells(list, item, unit, kUnitStatsOffset);
    item->setText(kUnitStatsOffset + kStatColumnCount, FormatNotesText(unit));
}

QTreeWidgetItem* NewUnitItem(const CUnitStatsList& list, CArmyUnit* unit, int image) {
    auto* item = new QTreeWidgetItem;
    SetCellIcon(item, 0, ImageOf(list, image));
    SetUnitCells(list, item, *unit);
    CUnitStatsList::SetItemData(item, unit);
    return item;
}

// Raises needed to the width each column needs for the item's texts and icons.
void AddNeededWidths(const CUnitStatsList& list, const QTreeWidgetItem& item, QList<int>& needed) {
    const QFontMetrics metrics(list.font());
    const int iconWidth = list.iconSize().width() + kColumnMargin / 4;
    for (int column = 0; column < needed.size(); ++column) {
        const int margin = column == 0 ? kFirstColumnMargin : kColumnMargin;
        // A cell's own icon takes room beside its text (the first column's is in its margin).
        const bool icon = column > 0 && !item.icon(column).isNull();
        needed[column] = std::max(needed.at(column), metrics.horizontalAdvance(item.text(column)) +
                                                         margin + (icon ? iconWidth : 0));
    }
}

// Widens the columns narrower than needed; a column is never narrowed.
void Widen(CUnitStatsList& list, const QList<int>& needed) {
    for (int column = 0; column < needed.size(); ++column) {
        if (list.columnWidth(column) < needed.at(column))
            list.setColumnWidth(column, needed.at(column));
    }
}

} // namespace

void InsertUnitColumns(CUnitStatsList& list) {
    AppendColumn(list, kNameId, kColumnWidth);
    AppendStatBlock(list);
    AppendColumn(list, kNotesId, kNotesWidth);
}

void InsertStatColumns(CUnitStatsList& list, bool withRaceAndName) {
    if (withRaceAndName) {
        AppendColumn(list, kRaceId, kColumnWidth);
        AppendColumn(list, kNameId, kColumnWidth);
    }
    AppendStatBlock(list);
}

int AddUnitRow(CUnitStatsList& list, CArmyUnit* unit, int image, int position) {
    const int count = list.topLevelItemCount();
    const int row = position < 0 || position > count ? count : position;
    list.insertTopLevelItem(row, NewUnitItem(list, unit, image));
    FitColumnsToRow(list, row);
    return row;
}

void UpdateUnitRow(CUnitStatsList& list, CArmyUnit* unit, int row) {
    QTreeWidgetItem* item = list.topLevelItem(row);
    if (!item)
        return;
    SetUnitCells(list, item, *unit);
    FitColumnsToRow(list, row);
}

int AddUnitTypeRow(CUnitStatsList& list, CUnitType* type, int image) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, GetRaceName(type->IdRace));
    SetCellIcon(item, 0, ImageOf(list, image));
    item->setText(1, type->NomGB);
    SetStatCells(list, item, *type, kTypeStatsOffset);
    CUnitStatsList::SetItemData(item, type);
    list.addTopLevelItem(item);
    return list.indexOfTopLevelItem(item);
}

void FitColumnsToRow(CUnitStatsList& list, int row) {
    const QTreeWidgetItem* item = list.topLevelItem(row);
    if (!item)
        return;
    QList<int> needed(list.columnCount(), 0);
    AddNeededWidths(list, *item, needed);
    Widen(list, needed);
}
