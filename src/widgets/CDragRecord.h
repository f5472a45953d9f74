#pragma once

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// What is being dragged, from where, and where it fell. No data travels with a drag between
// the catalogue and army trees: both sides read this one program-wide record instead.
class CDragRecord {
public:
    enum Kind { kNoDrag = 0, kCatalogueDrag = 1, kArmyDrag = 2 };
    enum DropState { kNotDropped = 0, kDroppedOnRefusingTree = 1, kDroppedOnAcceptingTree = 2 };

    static CDragRecord& Instance();

    void Reset();
    void BeginCatalogueDrag(QTreeWidgetItem* item);
    void BeginArmyDrag(QTreeWidgetItem* item);

    // A catalogue unit may fall on empty space of the army tree, but not back on itself.
    bool IsValidCatalogueDrop() const;
    // An army unit must fall on another member of the army.
    bool IsValidArmyDrop() const;

    int m_nKind = kNoDrag;
    int m_nDropState = kNotDropped;
    QWidget* m_pTargetWindow = nullptr;
    QTreeWidgetItem* m_pDraggedItem = nullptr;
    QTreeWidgetItem* m_pTargetItem = nullptr;

private:
    void Begin(int kind, QTreeWidgetItem* item);
};
