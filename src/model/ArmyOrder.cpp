// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyOrder.h"

#include "data/CArmyUnit.h"

#include <QHash>

#include <functional>

// An attached unit follows the main unit whose key it carries; only a main unit can be one.
void LinkAttachedUnits(const QList<CArmyUnit*>& units) {
    QHash<int, CArmyUnit*> byKey;
    for (CArmyUnit* unit : units)
        byKey.insert(unit->IdUnite, unit);
    for (CArmyUnit* unit : units) {
        if (unit->IdParentUnit == -1)
            continue;
        CArmyUnit* main = byKey.value(unit->IdParentUnit);
        if (main && main != unit && main->IdParentUnit == -1) {
            unit->m_pMainUnit = main;
            main->m_attached.append(unit);
        }
    }
}

QList<CArmyUnit*> MendedOrder(const QList<CArmyUnit*>& stored) {
    if (stored.isEmpty())
        return stored;
    CArmyUnit* warchief = stored.first();
    for (CArmyUnit* unit : stored) {
        if (unit->IsWarchief() && !unit->m_pMainUnit) {
            warchief = unit;
            break;
        }
    }
    if (warchief->m_pMainUnit) {
        warchief->m_pMainUnit->m_attached.removeOne(warchief);
        warchief->m_pMainUnit = nullptr;
    }
    QHash<int, CArmyUnit*> leaders;
    for (CArmyUnit* unit : stored) {
        if ((unit == warchief || unit->IsGroupLeader()) && !unit->m_pMainUnit &&
            unit->IdUnite != -1)
            leaders.insert(unit->IdUnite, unit);
    }
    // Each member under its leader, in stored order; one whose leader is gone (or is no
    // leader) under the warchief, and that is what gets stored.
    QHash<CArmyUnit*, QList<CArmyUnit*>> children;
    for (CArmyUnit* unit : stored) {
        if (unit == warchief || unit->m_pMainUnit)
            continue;
        CArmyUnit* parent = unit->IsGroupLeader() ? warchief : leaders.value(unit->IdLeader);
        if (!parent || parent == unit)
            parent = warchief;
        children[parent].append(unit);
        unit->IdLeader = parent->IdUnite;
    }
    if (warchief->IdLeader != -1)
        warchief->IdLeader = -1;
    QList<CArmyUnit*> order;
    std::function<void(CArmyUnit*)> place = [&](CArmyUnit* unit) {
        order << unit;
        for (CArmyUnit* attached : unit->m_attached) {
            attached->IdLeader = unit->IdLeader;
            order << attached;
        }
        for (CArmyUnit* child : children.value(unit))
            place(child);
    };
    place(warchief);
    return order;
}

CPlacement PlaceDrop(const CArmyUnit& dragged, CArmyUnit& target, CArmyUnit& warchief,
                     CArmyUnit* targetLeader) {
    if (&target == &warchief)
        return {dragged.IsGroupLeader() ? CPlacement::Last : CPlacement::First, &warchief};
    if (target.IsGroupLeader())
        return dragged.IsGroupLeader() ? CPlacement{CPlacement::AfterTarget, &warchief}
                                       : CPlacement{CPlacement::First, &target};
    if (dragged.IsLeader())
        return {CPlacement::Refused, nullptr};
    return {CPlacement::AfterTarget, targetLeader ? targetLeader : &warchief};
}
