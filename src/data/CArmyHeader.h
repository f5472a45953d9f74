// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One army (a row of ArmeeDef).
class CArmyHeader {
public:
    int IdArmee = -1;
    QString Nom;
    int NombrePointMax = 0;
    int CoutTotal = 0;
    int IdRace = -1;
    // How many edits the army has had: each editing transaction adds one.
    int Version = 0;
    // The club server's role that made it; empty where there is one player (SQLite).
    QString Proprietaire;
};
