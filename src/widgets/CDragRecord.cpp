#include "CDragRecord.h"

CDragRecord& CDragRecord::Instance() {
    static CDragRecord record;
    return record;
}

void CDragRecord::Reset() {
    m_pSourceTree = nullptr;
    m_nKind = kNoDrag;
    m_nDropState = kNotDropped;
    m_pTargetWindow = nullptr;
    m_pDraggedItem = nullptr;
    m_pTargetItem = nullptr;
}

void CDragRecord::BeginCatalogueDrag(QTreeWidget* source, QTreeWidgetItem* item) {
    Begin(kCatalogueDrag, source, item);
}

void CDragRecord::BeginArmyDrag(QTreeWidget* source, QTreeWidgetItem* item) {
    Begin(kArmyDrag, source, item);
}

bool CDragRecord::IsValidCatalogueDrop() const {
    return m_nKind == kCatalogueDrag && m_nDropState == kDroppedOnAcceptingTree &&
           m_pTargetItem != m_pDraggedItem;
}

bool CDragRecord::IsValidArmyDrop() const {
    return m_nKind == kArmyDrag && m_nDropState == kDroppedOnAcceptingTree && m_pTargetItem &&
           m_pTargetItem != m_pDraggedItem;
}

void CDragRecord::Begin(int kind, QTreeWidget* source, QTreeWidgetItem* item) {
    // Nothing of an earlier drag may leak into this one.
    Reset();
    m_nKind = kind;
    m_pSourceTree = source;
    m_pDraggedItem = item;
}
