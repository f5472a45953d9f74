#pragma once

#include <QString>
#include <QStringList>

class CArmyDatabase;

// The stored army as lines (the header, then each member), keys replaced by positions so that
// two builds of the same army compare equal; {"unreadable"} when it cannot be read.
QStringList StoredArmyLines(CArmyDatabase& db, int armyId);

// What is wrong with a stored army: positions that are not 0, 1, 2..., a total that is not the
// sum of its members, a member under a leader that is not there or is no leader. Empty when
// nothing is.
QString StoredArmyFault(CArmyDatabase& db, int armyId);
