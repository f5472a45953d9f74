// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CArmyUnit;

// Prices one army member from its type's prices and the member's own choices.
class CUnitCostCalculator {
public:
    // Binds the member to price; the record must outlive the binding.
    void SetUnit(CArmyUnit* unit) { m_pUnit = unit; }
    // Prices the bound member by its level, stores the price in CoutTotal and returns it.
    // Individuals, mounts and unknown levels keep the price they have.
    int ComputeCost();

    // The price of a leader's command points; -1 for a count outside 0 to 5.
    static int CommandPointCost(int pc);

private:
    CArmyUnit* m_pUnit = nullptr;
};
