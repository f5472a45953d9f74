// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class CArmyUnit;

// How a stored army is put back in order when it is read.

// Links each attached unit to the main unit whose key it carries; only a main unit can be one.
void LinkAttachedUnits(const QList<CArmyUnit*>& units);

// The members in display order: the warchief, then every member under its leader in stored
// order, attached units right after their main unit. A member stored before its leader goes
// under it all the same; one whose leader is gone, or is no leader, goes under the warchief,
// its IdLeader changed to say so.
QList<CArmyUnit*> MendedOrder(const QList<CArmyUnit*>& stored);

// Where a member released on another goes, among the members of which leader.
struct CPlacement {
    enum Place { First, Last, AfterTarget, Refused };
    Place place;
    CArmyUnit* leader;
};
// The placement table of the army tree: on the warchief, a group leader goes last and any
// other member first; on a group leader, a group leader goes right after it and any other
// member first under it; on any other member, a leader is refused and the rest goes right
// after it under its leader.
CPlacement PlaceDrop(const CArmyUnit& dragged, CArmyUnit& target, CArmyUnit& warchief,
                     CArmyUnit* targetLeader);
