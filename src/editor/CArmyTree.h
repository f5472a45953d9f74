#pragma once

#include "widgets/CDeferredScroll.h"
#include "widgets/CDragTreeWidget.h"

#include <QHash>
#include <QSet>

class CArmy;
class CArmyUnit;
class CImageList;

// The army's hierarchy as a tree: one item per main member under its leader's, leaders bold.
// An edit changes only the items it concerns; a fill from the army keeps what the player
// collapsed and selected.
class CArmyTree : public CDragTreeWidget {
    Q_OBJECT
public:
    explicit CArmyTree(const CImageList* images, QWidget* parent = nullptr);

    // Empties the tree; with forget, a new army starts expanded and with nothing selected.
    void Clear(bool forget);
    // Fills the tree from the army and selects the member of the key kept (or focus, when
    // select), else the warchief; focus is brought into view.
    void Fill(const CArmy& army, const CArmyUnit* focus, bool select);

    // Edits already made in the army, shown by changing only their items; false when the tree
    // does not hold what they need (it must then be filled again).
    bool InsertMembers(const CArmy& army, const QList<CArmyUnit*>& members);
    // The item of root goes with all below it; root may be gone from the army already.
    bool RemoveSubtree(const CArmyUnit* root);
    bool MoveSubtree(const CArmy& army, CArmyUnit* root);
    void UpdateLabel(const CArmyUnit& unit);
    // After an edit, selects as a fill would: focus when select, else the member selected
    // before while it is still there, else the warchief; focus is brought into view.
    void Settle(const CArmyUnit* focus, bool select);

    static QString UnitLabel(const CArmyUnit& unit);
    static CArmyUnit* UnitOf(const QTreeWidgetItem* item);
    CArmyUnit* SelectedUnit() const;
    // Selects the member's item and brings it into view.
    void SelectUnit(const CArmyUnit& unit);
    QTreeWidgetItem* WarchiefItem() const { return m_pWarchiefItem; }

private:
    QTreeWidgetItem* NewItem(CArmyUnit* unit) const;
    // Puts the item under its leader's, among the leader's other items in army order.
    bool PlaceItem(const CArmy& army, CArmyUnit* unit, QTreeWidgetItem* item);
    // Opens the item as a fill would: when it has children the player did not close.
    void ExpandAsFilled(QTreeWidgetItem* item);

    const CImageList* m_pImages;
    QTreeWidgetItem* m_pWarchiefItem = nullptr;
    // Each main member's item.
    QHash<const CArmyUnit*, QTreeWidgetItem*> m_items;
    // Keys of the members the player collapsed, and of the one selected.
    QSet<int> m_collapsedKeys;
    int m_selectedKey = -1;
    CDeferredScroll m_scroll{*this};
};
