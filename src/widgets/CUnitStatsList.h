// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTreeWidget>

class CArmyUnit;
class CImageList;
class CUnitType;
class QTreeView;

// A list of members or unit types as both kinds of statistics list show one: flat rows chosen
// whole, one at a time, unsorted, titles left-aligned that do not sort.
void ShowAsStatsList(QTreeView& view);

// The report-style list of the few units a dialog shows: one flat row per unit or unit type,
// holding the address of the record it shows; cells drawn by the style.
class CUnitStatsList : public QTreeWidget {
    Q_OBJECT

public:
    // What the address held by a row points to.
    enum RecordKind { kNoRecord = 0, kArmyUnitRecord = 1, kUnitTypeRecord = 2 };

    explicit CUnitStatsList(QWidget* parent = nullptr);

    // The statistic image list, used for the row icons and the icons of the cells.
    void SetImageList(const CImageList* images);
    const CImageList* ImageList() const { return m_pImages; }

    static void* ItemData(const QTreeWidgetItem* item);
    static RecordKind ItemKind(const QTreeWidgetItem* item);
    static void SetItemData(QTreeWidgetItem* item, CArmyUnit* unit);
    static void SetItemData(QTreeWidgetItem* item, CUnitType* type);

    int RowCount() const { return topLevelItemCount(); }
    QTreeWidgetItem* Row(int row) const { return topLevelItem(row); }
    // Null when the row is out of range or holds the other kind of record.
    CArmyUnit* UnitAt(int row) const;
    CUnitType* UnitTypeAt(int row) const;

private:
    const CImageList* m_pImages = nullptr;
};
