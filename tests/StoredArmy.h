// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QStringList>

class CArmyDatabase;
class CArmyHeader;
class CArmyUnit;

// An army as lines (the header, then each member), keys replaced by positions so that two builds
// of the same army compare equal; main units by stored key, or by their links when linked.
QStringList ArmyLines(const CArmyHeader& header, const CItemList<CArmyUnit>& units,
                      bool linked = false);
// The stored army as ArmyLines; {"unreadable"} when it cannot be read.
QStringList StoredArmyLines(CArmyDatabase& db, int armyId);
// What is wrong with a stored army, empty when nothing: positions that are not 0, 1, 2..., a
// total that is not the members' sum, a member under a leader that is not there or no leader.
QString StoredArmyFault(CArmyDatabase& db, int armyId);
