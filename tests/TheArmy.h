// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestDataSource.h"
#include "model/CArmy.h"

// The army the tests share over the shared connection, as the program has its one.
inline CArmy& TheArmy() {
    static CArmy army(TheDatabase());
    return army;
}
