// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// String-table ids of the labels the exports and the sheet write before their values.
enum ExportLabel {
    kArmyLabel = 170,
    kBudgetLabel = 171,
    kCostLabel = 172,
    kRaceLabel = 173,
    kBattleLabel = 174,
    kTotalBudgetLabel = 175,
    kTotalCostLabel = 176,
};
