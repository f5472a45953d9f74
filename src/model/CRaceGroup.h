#pragma once

#include "data/CItemList.h"
#include "data/CRace.h"
#include "data/CUnitType.h"

// One race of the catalogue with its unit types in tree order; owns neither.
class CRaceGroup {
public:
    explicit CRaceGroup(CRace* race) : m_pRace(race) {}

    CRace* m_pRace;
    CItemList<CUnitType*> m_unitTypes{false};
};
