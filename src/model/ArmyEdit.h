#pragma once

#include "data/CArmyUnit.h"

#include <QHash>
#include <QList>
#include <QString>

// One side of an edit, as far as the edit changed the army: its name and budget, the keys of
// its members in display order, and the stored fields of the members that differ on the other
// side (added, removed or changed); every other member is the same on both sides.
struct CArmyState {
    QString name;
    int budget = 0;
    QList<int> order;
    QHash<int, CArmyUnit> members;
};

// A stored edit of the open army, as undo and redo need it: what it is called ("supprimer
// Tower Herald") and the army before and after it.
struct CArmyEdit {
    QString label;
    CArmyState before;
    CArmyState after;
};
