// SPDX-License-Identifier: GPL-3.0-or-later

#include "CUnitStatsList.h"

#include "CImageList.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"

#include <QHeaderView>

namespace {

constexpr int kAddressRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;

} // namespace

CUnitStatsList::CUnitStatsList(QWidget* parent) : QTreeWidget(parent) {
    // The column layout functions append their columns to an empty header.
    setColumnCount(0);
    ShowAsStatsList(*this);
    setHeaderHidden(false);
}

void ShowAsStatsList(QTreeView& view) {
    view.setRootIsDecorated(false);
    view.setItemsExpandable(false);
    view.setExpandsOnDoubleClick(false);
    view.setUniformRowHeights(true);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setAllColumnsShowFocus(true);
    view.setSortingEnabled(false);
    view.header()->setStretchLastSection(false);
    view.header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view.header()->setSectionsClickable(false);
}

void CUnitStatsList::SetImageList(const CImageList* images) {
    m_pImages = images;
    if (images)
        setIconSize(QSize(images->Size(), images->Size()));
}

void* CUnitStatsList::ItemData(const QTreeWidgetItem* item) {
    if (!item)
        return nullptr;
    return reinterpret_cast<void*>(item->data(0, kAddressRole).value<quintptr>());
}

CUnitStatsList::RecordKind CUnitStatsList::ItemKind(const QTreeWidgetItem* item) {
    return item ? static_cast<RecordKind>(item->data(0, kKindRole).toInt()) : kNoRecord;
}

void CUnitStatsList::SetItemData(QTreeWidgetItem* item, CArmyUnit* unit) {
    item->setData(0, kAddressRole, QVariant::fromValue(reinterpret_cast<quintptr>(unit)));
    item->setData(0, kKindRole, kArmyUnitRecord);
}

void CUnitStatsList::SetItemData(QTreeWidgetItem* item, CUnitType* type) {
    item->setData(0, kAddressRole, QVariant::fromValue(reinterpret_cast<quintptr>(type)));
    item->setData(0, kKindRole, kUnitTypeRecord);
}

CArmyUnit* CUnitStatsList::UnitAt(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return ItemKind(item) == kArmyUnitRecord ? static_cast<CArmyUnit*>(ItemData(item)) : nullptr;
}

CUnitType* CUnitStatsList::UnitTypeAt(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return ItemKind(item) == kUnitTypeRecord ? static_cast<CUnitType*>(ItemData(item)) : nullptr;
}
