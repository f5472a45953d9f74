// SPDX-License-Identifier: GPL-3.0-or-later

#include "CCatalogue.h"

#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "data/CUnitType.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool OfKnownKind(const CUnitType& type) {
    switch (type.CombatantType) {
    case kLeaderType:
    case kCombatUnitType:
    case kUncountedType:
    case kCrewType:
    case kMachineType:
    case kIndividualType:
        return true;
    default:
        return false;
    }
}

} // namespace

CCatalogue::CCatalogue(CArmyDatabase& db) : m_db(db) {}

bool CCatalogue::Load() {
    m_raceGroups.RemoveAll();
    m_unitTypes.RemoveAll();
    m_races.RemoveAll();
    // Only what the bar's tree shows: the rest of a type is read when a gesture needs it.
    m_bLoaded = m_db.LoadUnitTypeSummaries(m_unitTypes) && m_db.LoadRaces(m_races);
    // A race without unit types of any kind is not shown; one without types of the kinds
    // summed up is rare, and only then are the other kinds looked for.
    QSet<int> racesWithTypes;
    for (const CUnitType* type : m_unitTypes)
        racesWithTypes.insert(type->IdRace);
    const bool allHaveTypes = std::all_of(m_races.begin(), m_races.end(), [&](const CRace* race) {
        return racesWithTypes.contains(race->IdRace);
    });
    CIdList others;
    if (m_bLoaded && !allHaveTypes) {
        m_bLoaded = m_db.LoadUnitTypeRaces(others);
        for (int race : others)
            racesWithTypes.insert(race);
    }
    for (CRace* race : m_races) {
        if (!racesWithTypes.contains(race->IdRace))
            race->m_bShown = false;
    }
    GroupUnitTypes();
    return m_bLoaded;
}

void CCatalogue::GroupUnitTypes() {
    // Every type read stays, by race then key as the catalogue's exports list them; the groups
    // give the tree's order: within a race and a kind, types come in the order of their keys.
    std::vector<CUnitType*> byKey(m_unitTypes.begin(), m_unitTypes.end());
    std::stable_sort(byKey.begin(), byKey.end(), [](const CUnitType* a, const CUnitType* b) {
        return std::pair(a->IdRace, a->ArmyTypeId) < std::pair(b->IdRace, b->ArmyTypeId);
    });
    m_unitTypes.Reorder(byKey);
    QHash<int, std::vector<CUnitType*>> byRace;
    for (CUnitType* type : byKey)
        byRace[type->IdRace].push_back(type);

    m_raceGroups.RemoveAll();
    for (CRace* race : m_races) {
        CRaceGroup* group = m_raceGroups.Append(std::make_unique<CRaceGroup>(race));
        const auto ofRace = byRace.constFind(race->IdRace);
        if (ofRace == byRace.constEnd())
            continue;
        // Leaders first, individuals last, the rest between them; types of no known kind are
        // in no group.
        auto pass = [&](auto wanted) {
            for (CUnitType* type : *ofRace) {
                if (wanted(type->CombatantType))
                    group->m_unitTypes.append(type);
            }
        };
        pass([](int kind) { return kind == kLeaderType; });
        pass([](int kind) {
            return kind == kCombatUnitType || kind == kUncountedType || kind == kCrewType ||
                   kind == kMachineType;
        });
        pass([](int kind) { return kind == kIndividualType; });
    }
}

bool CCatalogue::Complete(CUnitType& type) {
    if (type.m_bComplete)
        return true;
    if (!m_db.CompleteUnitTypes(m_unitTypes, type.ArmyTypeId))
        return false;
    GroupUnitTypes();
    return true;
}

bool CCatalogue::CompleteAll() {
    const bool complete = std::all_of(m_unitTypes.begin(), m_unitTypes.end(),
                                      [](const CUnitType* type) { return type->m_bComplete; });
    if (complete)
        return true;
    if (!m_db.CompleteUnitTypes(m_unitTypes))
        return false;
    GroupUnitTypes();
    return true;
}

CItemList<CUnitType>& CCatalogue::UnitTypes() {
    CompleteAll();
    return m_unitTypes;
}

CUnitType* CCatalogue::TypeByKey(int key) const {
    const auto found =
        std::find_if(m_unitTypes.begin(), m_unitTypes.end(),
                     [key](const CUnitType* type) { return type->ArmyTypeId == key; });
    return found == m_unitTypes.end() ? nullptr : *found;
}

QList<const CUnitType*> CCatalogue::WithAttached(CUnitType& type) {
    // A type of no known kind is listed, never added.
    if (!OfKnownKind(type) || !Complete(type))
        return {};
    QList<const CUnitType*> types{&type};
    for (const CUnitType* other : m_unitTypes) {
        if (other != &type && other->ArmyTypeIdParent == type.ArmyTypeId && OfKnownKind(*other))
            types << other;
    }
    return types;
}
