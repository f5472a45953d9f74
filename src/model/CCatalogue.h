// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRaceGroup.h"

#include "data/CItemList.h"

#include <QList>

class CArmyDatabase;
class CRace;
class CUnitType;

// The unit-type catalogue: every race, every type by race and key, and the types grouped by race
// for the tree, leaders first and individuals last. Types are read in summary at first (key, race,
// kind, English name); the rest of a type, and the types attached to it, are read when something
// needs them.
class CCatalogue {
public:
    explicit CCatalogue(CArmyDatabase& db);

    // Reads the races and the types' summaries; false when they cannot be read whole. A race
    // without types of any kind is not shown.
    bool Load();
    bool IsLoaded() const { return m_bLoaded; }

    CItemList<CRace>& Races() { return m_races; }
    const CItemList<CRaceGroup>& Groups() const { return m_raceGroups; }
    // Every type by race and key, complete: those not read whole yet are read first (a failure goes
    // to the connection's error sink and leaves them incomplete).
    CItemList<CUnitType>& UnitTypes();
    // Reads the rest of the type and the types attached to it when it is incomplete; false
    // when they cannot be read.
    bool Complete(CUnitType& type);
    bool CompleteAll();
    // The type of that key, complete or not; nullptr when the catalogue has none.
    CUnitType* TypeByKey(int key) const;
    // The type and the types attached to it after it, complete: what adding it to an army
    // takes; empty when they cannot be read or the type is of no known kind.
    QList<const CUnitType*> WithAttached(CUnitType& type);

private:
    void GroupUnitTypes();

    CArmyDatabase& m_db;
    CItemList<CUnitType> m_unitTypes;
    CItemList<CRace> m_races;
    CItemList<CRaceGroup> m_raceGroups;
    bool m_bLoaded = false;
};
