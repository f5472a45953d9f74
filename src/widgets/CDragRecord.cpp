#include "CDragRecord.h"

CDragRecord& CDragRecord::Instance() {
    static CDragRecord record;
    return record;
}

void CDragRecord::Reset() {
    m_nKind = kNoDrag;
    m_nDropState = kNotDropped;
    m_pTargetWindow = nullptr;
    m_pDraggedItem = nullptr;
    m_pTargetItem = nullptr;
}

void CDragRecord::BeginCatalogueDrag(QTreeWidgetItem* item) {
    Begin(kCatalogueDrag, item);
}

void CDragRecord::BeginArmyDrag(QTreeWidgetItem* item) {
    Begin(kArmyDrag, item);
}

bool CDragRecord::IsValidCatalogueDrop() const {
    return m_nKind == kCatalogueDrag && m_nDropState == kDroppedOnAcceptingTree &&
           m_pTargetItem != m_pDraggedItem;
}

bool CDragRecord::IsValidArmyDrop() const {
    return m_nKind == kArmyDrag && m_nDropState == kDroppedOnAcceptingTree && m_pTargetItem &&
           m_pTargetItem != m_pDraggedItem;
}

void CDragRecord::Begin(int kind, QTreeWidgetItem* item) {
    // Nothing of an earlier drag may leak into this one.
    Reset();
    m_nKind = kind;
    m_pDraggedItem = item;
}
