// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CArmyUnit.h"

#include <QHash>
#include <QList>
#include <QString>

// A member as an edit saw it: its stored fields, and whom it hangs on. Members are named by a
// number the open army gives each for as long as it is open, which stays when undo puts a
// member back under a new key: keys may be given again by the database, these never are.
struct CMemberRecord {
    CArmyUnit row;
    int leader = 0; // 0: none
    int main = 0;   // 0: none
};

// One side of an edit, as far as the edit changed the army: its name and budget, its members
// in display order, and the records of those that differ on the other side (added, removed or
// changed); every other member is the same on both sides.
struct CArmyState {
    QString name;
    int budget = 0;
    QList<int> order;
    QHash<int, CMemberRecord> members;
};

// A stored edit of the open army, as undo and redo need it: what it is called ("supprimer
// Tower Herald") and the army before and after it.
struct CArmyEdit {
    QString label;
    CArmyState before;
    CArmyState after;
};
