#pragma once

#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CItemList.h"

// The army being edited: at most one is open at a time.
class CArmy {
public:
    static CArmy& Instance();

    bool IsOpen() const { return m_bOpen != 0; }
    bool IsModified() const { return m_bModified != 0; }

    int m_bOpen = 0;
    int m_bModified = 0;
    CArmyHeader m_header;
    // Every member, main and attached, warchief first; owns them.
    CItemList<CArmyUnit*> m_units;
};
