// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Command ids of menus, tool bar and pop-up menus; each command's prompt is the string-table
// text of the same id.
enum CommandId {
    ID_ARMY_NEW = 32772,
    ID_ARMY_OPEN = 32773,
    ID_ARMY_CLOSE = 32774,
    ID_ARMY_EXPORT = 32776,
    ID_VIEW_ARMYBAR = 32777,
    ID_ADD_WARCHIEF = 32778,
    ID_ADD_GROUPLEADER = 32779,
    ID_UNITTYPE_PROPERTIES = 32781,
    ID_ADD_UNIT = 32782,
    ID_MEMBER_DELETE = 32783,
    ID_MEMBER_PROPERTIES = 32784,
    ID_ARMY_PROPERTIES = 32785,
    ID_BATTLE_EDIT = 32786,
    ID_BATTLE_NEW = 32787,
    ID_BATTLE_REPORT = 32788,
    ID_CATALOGUE_VIEWER = 32789,
    ID_CHOOSE_RACES = 32790,
    ID_VIEW_PROBLEMS = 32791,
    ID_ARMY_PRINT = 32792,
    ID_ARMY_PDF = 32793,
    ID_BATTLE_PRINT = 32794,
    ID_ARMY_SHARE = 32830,
    ID_ARMY_IMPORT = 32831,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_EDIT_FIND = 57636,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// Object name of the action of a command, by which tests and the routing find it.
inline QString CommandObjectName(int id) {
    return QStringLiteral("command_%1").arg(id);
}
