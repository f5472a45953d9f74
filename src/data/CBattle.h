// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One battle (a row of Battle).
class CBattle {
public:
    int IdBattle = -1;
    QString Description;
    QString Nom;
    // The club server's role that made it; empty where there is one player (SQLite).
    QString Proprietaire;
};
