// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CRace.h"
#include "data/CUnitType.h"

#include <QList>

// One race of the catalogue with its unit types in tree order; owns neither.
class CRaceGroup {
public:
    explicit CRaceGroup(CRace* race) : m_pRace(race) {}

    CRace* m_pRace;
    QList<CUnitType*> m_unitTypes;
};
