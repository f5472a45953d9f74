// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QString>

class CUnitType;

// The file the catalogue is exported to.
inline constexpr const char* kCatalogueExportFile = "SkarnholtArmyList.txt";
// Used for the race filter: every race.
inline constexpr int kAllRaces = -1;

// The catalogue as the catalogue viewer lists it: one line per unit type of the race chosen;
// for every race, each race framed by rules with the column titles under it.
QString CatalogueExportText(const CItemList<CUnitType>& types, int raceId);
