// SPDX-License-Identifier: GPL-3.0-or-later

#include "CUnitCostCalculator.h"

#include "data/CArmyUnit.h"

#include <algorithm>

namespace {
constexpr int kCommandPointPrices[] = {0, 10, 20, 30, 50, 80};
constexpr int kMaxCommandPoints = 5;
constexpr int kPerExtra = 10; // each musician, the standard, and the unit itself
} // namespace

int CUnitCostCalculator::CommandPointCost(int pc) {
    return pc >= 0 && pc <= kMaxCommandPoints ? kCommandPointPrices[pc] : -1;
}

int CUnitCostCalculator::ComputeCost() {
    if (!m_pUnit)
        return 0;
    CArmyUnit& unit = *m_pUnit;
    switch (unit.Hierarchie) {
    case kWarchief:
    case kGroupLeader:
        // Command points stored out of range by another program are priced as the nearest
        // valid count, so that a leader never costs less than its figure.
        unit.CoutTotal = unit.Points + CommandPointCost(std::clamp(unit.Pc, 0, kMaxCommandPoints));
        break;
    case kCombatUnit:
    case kCrew:
    case kMachine: {
        const int figurePrice = unit.Points + (unit.IdQualite != unit.IdQualiteMin ? unit.UPG : 0);
        unit.CoutTotal = unit.NombreFig * figurePrice + kPerExtra * unit.Musicien +
                         (unit.Etendard == 1 ? kPerExtra : 0) + kPerExtra;
        break;
    }
    default:
        break;
    }
    return unit.CoutTotal;
}
