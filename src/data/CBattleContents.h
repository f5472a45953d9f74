// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CArmyHeader.h"
#include "CArmyUnit.h"
#include "CBattle.h"
#include "CItemList.h"

// A battle with its armies and all their members, as the report and the sheet show it.
struct CBattleContents {
    CBattle battle;
    // In the order they were put in the battle.
    CItemList<CArmyHeader> armies;
    // By army, then in display order.
    CItemList<CArmyUnit> units;
};
