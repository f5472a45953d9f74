// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class CArmyHeader;
class QTreeWidget;
class QTreeWidgetItem;

struct ListColumn {
    int titleId; // string-table id of the header
    int width;   // in pixels; never narrower than the title
};

// Gives a flat list its columns, and the list a width that shows them all.
void SetListColumns(QTreeWidget* list, const QList<ListColumn>& columns);

// Lists of armies show each army the same way: name, race, budget and cost, the numbers
// right-aligned.
void SetArmyListColumns(QTreeWidget* list);
QTreeWidgetItem* NewArmyRow(const CArmyHeader& army);
