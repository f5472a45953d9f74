#pragma once

#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CItemList.h"

#include <QHash>

class CUnitType;

// The army being edited: at most one is open at a time. Every member, main and attached, lives
// in one owning list, the warchief first.
class CArmy {
public:
    CArmy();
    static CArmy& Instance();

    bool IsOpen() const { return m_bOpen != 0; }
    bool IsModified() const { return m_bModified != 0; }

    // Members made from a catalogue type and appended to the army (not stored yet).
    CArmyUnit* AddWarchief(const CUnitType& type);
    CArmyUnit* AddGroupLeader(const CUnitType& type);
    CArmyUnit* AddUnit(const CArmyUnit& leader, const CUnitType& type);
    // Takes the member out of the army and destroys it.
    void RemoveUnit(CArmyUnit* unit);
    bool HasUnits() const { return !m_units.IsEmpty(); }
    CArmyUnit* GetWarchief() const { return m_units.GetHead(); }
    CArmyHeader& GetHeader() { return m_header; }
    const CArmyHeader& GetHeader() const { return m_header; }
    QString GetName() const { return m_header.Nom; }
    CItemList<CArmyUnit*>& Units() { return m_units; }
    const CItemList<CArmyUnit*>& Units() const { return m_units; }

    int ComputeTotal() const;
    // Stores a total that differs from the header's; 0 when that store failed.
    int SetTotal(int total);

    // Stores a new army and makes it the open one.
    int Create(int raceId, const QString& name, int budget);
    // Loads a stored army with its members, linking attached units to their main unit.
    int Open(int armyId);
    // Stores the display order of every member whose position or leader is not stored yet.
    int SaveOrder();
    // Stores the order, then forgets the army.
    void Close();
    void ClearModified() { m_bModified = 0; }

    // Records that a member is stored as it stands now (position and leader).
    void MarkStored(const CArmyUnit& unit);
    // Whether the member's position or leader differs from what is stored.
    bool NeedsOrderStored(const CArmyUnit& unit) const;

    int m_bOpen = 0;
    int m_bModified = 0;

private:
    CArmyUnit* Append(const CUnitType& type, int hierarchy, int leaderId);
    void Clear();

    CArmyHeader m_header;
    CItemList<CArmyUnit*> m_units;
    // What the database holds of each member's place: key IdUnite, value (IdVisual, IdLeader).
    QHash<int, QPair<int, int>> m_storedOrder;
};
