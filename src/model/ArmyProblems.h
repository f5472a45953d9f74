// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class CArmy;
class CArmyUnit;

// A problem of the army for the player to see: the panel warns, it never forbids.
struct CArmyProblem {
    enum class Kind {
        OverBudget,
        NoWarchief,
        OtherRace,
        TooManyMusicians,
        FiguresOutOfRange,
        QualityOutOfRange,
        LeaderWithoutUnit,
        SameName
    };
    Kind kind;
    // The member it is about; none for the army's own.
    const CArmyUnit* member;
    QString text;
};

// The problems of the army as it stands, the army's own first, then its members' in order.
QList<CArmyProblem> FindProblems(const CArmy& army);
