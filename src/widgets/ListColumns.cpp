// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListColumns.h"

#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "data/CArmyHeader.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {
constexpr int kFirstNumberColumn = 2;

void AlignNumbers(QTreeWidgetItem* row) {
    for (int column = kFirstNumberColumn; column < row->columnCount(); ++column)
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}
} // namespace

void SetListColumns(QTreeWidget* list, const QList<ListColumn>& columns) {
    QStringList titles;
    for (const ListColumn& column : columns)
        titles << LoadResString(column.titleId);
    list->setHeaderLabels(titles);
    int width = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columns.size(); ++column) {
        list->setColumnWidth(
            column, std::max(columns[column].width, list->header()->sectionSizeHint(column)));
        width += list->columnWidth(column);
    }
    list->setMinimumWidth(width);
}

void SetArmyListColumns(QTreeWidget* list) {
    SetListColumns(list, {{144, 200}, {145, 100}, {150, 50}, {151, 50}});
    AlignNumbers(list->headerItem());
}

QTreeWidgetItem* NewArmyRow(const CArmyHeader& army) {
    auto* row = new QTreeWidgetItem(QStringList{army.Nom, GetRaceName(army.IdRace),
                                                QString::number(army.NombrePointMax),
                                                QString::number(army.CoutTotal)});
    AlignNumbers(row);
    return row;
}
