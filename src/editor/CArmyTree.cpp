#include "CArmyTree.h"

#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "model/CArmy.h"
#include "widgets/CImageList.h"
#include "widgets/CTreeDropTarget.h"
#include "widgets/CUnitStatsList.h"

#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kTreeIndent = 5;

void SetBold(QTreeWidgetItem* item, bool bold) {
    QFont font = item->font(0);
    font.setBold(bold);
    item->setFont(0, font);
}

} // namespace

CArmyTree::CArmyTree(const CImageList* images, QWidget* parent)
    : CDragTreeWidget(parent), m_pImages(images) {
    setItemDelegate(new CLaidOutTextDelegate(this));
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { m_collapsedKeys.insert(UnitOf(item)->IdUnite); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { m_collapsedKeys.remove(UnitOf(item)->IdUnite); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (const CArmyUnit* unit = SelectedUnit())
            m_selectedKey = unit->IdUnite;
    });
}

QString CArmyTree::UnitLabel(const CArmyUnit& unit) {
    // All values in one go: a name holding "%1" stays as it is. The name is isolated, so that
    // one written right to left keeps the price after it.
    const QString name = Isolated(unit.Nom);
    const QString points = QString::number(unit.CoutTotal);
    if (unit.IsLeader())
        return QStringLiteral("%1 - %2 pts / %3 Pc").arg(name, points, QString::number(unit.Pc));
    QString label;
    if (unit.Hierarchie == kUncounted || unit.Points == 0)
        label = name;
    if (unit.Hierarchie == kIndividual)
        label = QStringLiteral("%1 - %2 pts").arg(name, points);
    // A crew with a price shows it like the troops it is priced as.
    if (unit.Hierarchie == kCombatUnit || unit.CombatantType == kMachineType ||
        (unit.Hierarchie == kCrew && unit.Points != 0))
        label =
            QStringLiteral("%1 - %2 pts %3 fig").arg(name, points, QString::number(unit.NombreFig));
    return label.isEmpty() ? name : label;
}

CArmyUnit* CArmyTree::UnitOf(const QTreeWidgetItem* item) {
    return item ? static_cast<CArmyUnit*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* CArmyTree::NewItem(CArmyUnit* unit) const {
    auto* item = new QTreeWidgetItem(QStringList{UnitLabel(*unit)});
    item->setIcon(0, m_pImages->Icon(GetUnitKindImageByHierarchy(unit->Hierarchie)));
    item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(unit));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled);
    SetBold(item, unit->IsLeader());
    return item;
}

CArmyUnit* CArmyTree::SelectedUnit() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : UnitOf(selected.first());
}

void CArmyTree::SelectUnit(const CArmyUnit& unit) {
    // An attached unit has no item of its own: its main unit stands for it.
    const CArmyUnit* shown = unit.m_pMainUnit ? unit.m_pMainUnit : &unit;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (UnitOf(*it) == shown) {
            setCurrentItem(*it);
            scrollToItem(*it);
            return;
        }
    }
}

void CArmyTree::Clear(bool forget) {
    // The items may already point at members that are gone: nothing may look at them now.
    const QSignalBlocker blocker(this);
    CTreeDropTarget::SetDropHighlight(this, nullptr);
    clear();
    setIndentation(iconSize().width() / 2 + kTreeIndent);
    m_pWarchiefItem = nullptr;
    m_items.clear();
    if (forget) {
        m_collapsedKeys.clear();
        m_selectedKey = -1;
    }
}

// Each member goes under its leader; the army keeps them in an order where leaders come first.
void CArmyTree::Fill(const CArmy& army, const CArmyUnit* focus, bool select) {
    const int selectedKey = focus && select ? focus->IdUnite : m_selectedKey;
    Clear(false);
    if (!army.HasUnits())
        return;
    const QSignalBlocker blocker(this);
    setUpdatesEnabled(false);
    QHash<const CArmyUnit*, QTreeWidgetItem*>& items = m_items;
    items.reserve(army.Units().GetCount());
    QTreeWidgetItem* selected = nullptr;
    for (CArmyUnit* unit : army.Units()) {
        if (unit->m_pMainUnit)
            continue;
        QTreeWidgetItem* item = NewItem(unit);
        if (unit == army.GetWarchief()) {
            m_pWarchiefItem = item;
            addTopLevelItem(item);
        } else {
            items.value(army.LeaderOf(*unit), m_pWarchiefItem)->addChild(item);
        }
        items.insert(unit, item);
        if (unit->IdUnite == selectedKey)
            selected = item;
    }
    for (QTreeWidgetItem* item : std::as_const(items)) {
        if (item->childCount() > 0 && !m_collapsedKeys.contains(UnitOf(item)->IdUnite))
            item->setExpanded(true);
    }
    setCurrentItem(selected ? selected : m_pWarchiefItem);
    m_selectedKey = UnitOf(currentItem())->IdUnite;
    setUpdatesEnabled(true);
    if (QTreeWidgetItem* shown = focus ? items.value(focus) : nullptr)
        scrollToItem(shown);
}

void CArmyTree::ExpandAsFilled(QTreeWidgetItem* item) {
    if (item->childCount() > 0 && !item->isExpanded() &&
        !m_collapsedKeys.contains(UnitOf(item)->IdUnite))
        item->setExpanded(true);
}

bool CArmyTree::PlaceItem(const CArmy& army, CArmyUnit* unit, QTreeWidgetItem* item) {
    QTreeWidgetItem* parent = m_items.value(army.LeaderOf(*unit), m_pWarchiefItem);
    if (!parent || unit == army.GetWarchief())
        return false;
    // The leader's items are in army order; a new one mostly goes last.
    int at = parent->childCount();
    while (at > 0 && UnitOf(parent->child(at - 1))->IdVisual > unit->IdVisual)
        --at;
    parent->insertChild(at, item);
    ExpandAsFilled(parent);
    return true;
}

bool CArmyTree::InsertMembers(const CArmy& army, const QList<CArmyUnit*>& members) {
    const QSignalBlocker blocker(this);
    for (CArmyUnit* unit : members) {
        if (unit->m_pMainUnit)
            continue;
        QTreeWidgetItem* item = NewItem(unit);
        if (!PlaceItem(army, unit, item)) {
            delete item;
            return false;
        }
        m_items.insert(unit, item);
    }
    return true;
}

bool CArmyTree::RemoveSubtree(const CArmyUnit* root) {
    QTreeWidgetItem* item = m_items.value(root);
    if (!item || item == m_pWarchiefItem)
        return false;
    const QSignalBlocker blocker(this);
    CTreeDropTarget::SetDropHighlight(this, nullptr);
    bool selectionGoes = false;
    QList<QTreeWidgetItem*> below{item};
    for (qsizetype i = 0; i < below.size(); ++i) {
        QTreeWidgetItem* each = below.at(i);
        m_items.remove(UnitOf(each));
        selectionGoes = selectionGoes || each->isSelected();
        for (int child = 0; child < each->childCount(); ++child)
            below << each->child(child);
    }
    delete item;
    // As a fill does when the member selected is gone: the warchief.
    if (selectionGoes)
        setCurrentItem(m_pWarchiefItem);
    return true;
}

bool CArmyTree::MoveSubtree(const CArmy& army, CArmyUnit* root) {
    QTreeWidgetItem* item = m_items.value(root);
    if (!item || !item->parent())
        return false;
    const QSignalBlocker blocker(this);
    CTreeDropTarget::SetDropHighlight(this, nullptr);
    item->parent()->removeChild(item);
    if (!PlaceItem(army, root, item)) {
        delete item;
        return false;
    }
    // Items taken out forget that they were open.
    ExpandAsFilled(item);
    for (int i = 0; i < item->childCount(); ++i)
        ExpandAsFilled(item->child(i));
    return true;
}

void CArmyTree::UpdateLabel(const CArmyUnit& unit) {
    if (QTreeWidgetItem* item = m_items.value(&unit))
        item->setText(0, UnitLabel(unit));
}

void CArmyTree::Settle(const CArmyUnit* focus, bool select) {
    const QSignalBlocker blocker(this);
    QTreeWidgetItem* selected = focus && select ? m_items.value(focus) : nullptr;
    if (!selected) {
        const QList<QTreeWidgetItem*> kept = selectedItems();
        selected = kept.isEmpty() ? m_pWarchiefItem : kept.first();
    }
    if (selected && selected != currentItem())
        setCurrentItem(selected);
    if (selected)
        m_selectedKey = UnitOf(selected)->IdUnite;
    if (QTreeWidgetItem* shown = focus ? m_items.value(focus) : nullptr)
        m_scroll.Request(indexFromItem(shown));
}
