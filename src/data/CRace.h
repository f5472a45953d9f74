// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One race of the catalogue; m_bShown says whether the catalogue shows it this run.
class CRace {
public:
    int IdAuto = 0;
    QString RaceFR;
    QString RaceGB;
    int IdRace = -1;
    bool m_bShown = true;
};
