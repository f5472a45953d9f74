#pragma once

#include "widgets/CDragTreeWidget.h"

#include <QSet>

class CArmy;
class CArmyUnit;
class CImageList;

// The army's hierarchy as a tree: one item per main member under its leader's, leaders bold.
// It is filled again from the army after every change, keeping what the player collapsed and
// selected.
class CArmyTree : public CDragTreeWidget {
    Q_OBJECT
public:
    explicit CArmyTree(const CImageList* images, QWidget* parent = nullptr);

    // Empties the tree; with forget, a new army starts expanded and with nothing selected.
    void Clear(bool forget);
    // Fills the tree from the army and selects the member of the key kept (or focus, when
    // select), else the warchief; focus is brought into view.
    void Fill(const CArmy& army, const CArmyUnit* focus, bool select);

    static QString UnitLabel(const CArmyUnit& unit);
    static CArmyUnit* UnitOf(const QTreeWidgetItem* item);
    CArmyUnit* SelectedUnit() const;
    // Selects the member's item and brings it into view.
    void SelectUnit(const CArmyUnit& unit);
    QTreeWidgetItem* WarchiefItem() const { return m_pWarchiefItem; }

private:
    QTreeWidgetItem* NewItem(CArmyUnit* unit) const;

    const CImageList* m_pImages;
    QTreeWidgetItem* m_pWarchiefItem = nullptr;
    // Keys of the members the player collapsed, and of the one selected.
    QSet<int> m_collapsedKeys;
    int m_selectedKey = -1;
};
