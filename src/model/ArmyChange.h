// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class CArmyUnit;

// What one stored operation changed in the open army, so that a view redoes only that part.
// Places are indexes in the army's display order.
struct CArmyChange {
    enum class Kind {
        Whole,    // anything at all: show the army again from scratch
        Header,   // the name or the budget only
        Values,   // the choices of members (members), not their places
        Inserted, // members, now at first
        Removed,  // count members that were at first
        Moved,    // count members that were at first, now from to on
    };
    Kind kind = Kind::Whole;
    int first = 0;
    int count = 0;
    int to = 0;
    QList<CArmyUnit*> members;
    // The member the operation is about (none after a delete), to be selected when select is
    // true, else only brought into view.
    CArmyUnit* focus = nullptr;
    bool select = false;

    // Whether a list of rows, one per place in order, can follow the change: a change of
    // places, and the rows those of the army before it (membersAfter: the army's count after it).
    bool FitsRows(int rows, int membersAfter) const {
        const int before = kind == Kind::Inserted  ? membersAfter - count
                           : kind == Kind::Removed ? membersAfter + count
                                                   : membersAfter;
        const int span = kind == Kind::Inserted ? 0 : count;
        return kind != Kind::Whole && rows == before && count > 0 && first >= 0 &&
               first + span <= rows && to >= 0 && to + span <= rows;
    }
};
