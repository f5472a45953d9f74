// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One army of a battle (a row of BattleCompo).
class CBattleEntry {
public:
    int IdAuto = -1;
    int IdBattle = -1;
    int IdArmy = -1;
};
