// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestDataSource.h"
#include "data/CArmyDatabase.h"
#include "model/CCatalogue.h"

#include <memory>

// The catalogue read as the program reads it at start-up (check IsLoaded).
inline std::unique_ptr<CCatalogue> LoadedCatalogue(CArmyDatabase& db = TheDatabase()) {
    auto catalogue = std::make_unique<CCatalogue>(db);
    catalogue->Load();
    return catalogue;
}
