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
