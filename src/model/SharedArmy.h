// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

// An army as a file shares it between players: what it holds, with no key of any database.
// Catalogue entries (the race, each member's unit type) are named by their catalogue key and
// both names, so that another catalogue can tell whether it has them.
struct CSharedEntry {
    // -1 when the writer's catalogue no longer had it.
    int key = -1;
    QString nameFr;
    QString nameEn;
};

struct CSharedMember {
    // The member's level (HierarchyLevel; 0 for a member of no known kind).
    int hierarchy = 0;
    // The place of its leader among the army's main members; -1 for the warchief and for
    // attached members, which follow their main member's.
    int leader = -1;
    CSharedEntry type;
    QString name;
    int figures = 0;
    int quality = 0;
    int musicians = 0;
    bool standard = false;
    int commandPoints = 0;
    // Its mount, crew or animal, added with it.
    QList<CSharedMember> attached;
};

struct CSharedArmy {
    QString name;
    int budget = 0;
    CSharedEntry race;
    // The main members in display order, the warchief first.
    QList<CSharedMember> members;
};
