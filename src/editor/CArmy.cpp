#include "CArmy.h"

#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"

CArmy::CArmy() {
    m_header.IdArmee = -1;
}

CArmy& CArmy::Instance() {
    static CArmy army;
    return army;
}

CArmyUnit* CArmy::Append(const CUnitType& type, int hierarchy, int leaderId) {
    auto* unit = new CArmyUnit(type);
    unit->Hierarchie = hierarchy;
    unit->IdLeader = leaderId;
    unit->IdArmee = m_header.IdArmee;
    m_units.Append(unit);
    return unit;
}

CArmyUnit* CArmy::AddWarchief(const CUnitType& type) {
    CArmyUnit* unit = Append(type, kWarchief, -1);
    unit->IdVisual = 0;
    return unit;
}

CArmyUnit* CArmy::AddGroupLeader(const CUnitType& type) {
    return Append(type, kGroupLeader, HasUnits() ? GetWarchief()->IdUnite : -1);
}

CArmyUnit* CArmy::AddUnit(const CArmyUnit& leader, const CUnitType& type) {
    const bool mapped = type.CombatantType >= kCombatUnitType && type.CombatantType <= kMachineType;
    return Append(type, mapped ? type.CombatantType + 1 : 0, leader.IdUnite);
}

void CArmy::RemoveUnit(CArmyUnit* unit) {
    if (!unit)
        return;
    // No member may keep pointing at the one that goes.
    if (unit->m_pMainUnit)
        unit->m_pMainUnit->m_attached.Remove(unit);
    for (CArmyUnit* attached : unit->m_attached)
        attached->m_pMainUnit = nullptr;
    m_storedOrder.remove(unit->IdUnite);
    m_units.Remove(unit);
}

int CArmy::ComputeTotal() const {
    int total = 0;
    for (const CArmyUnit* unit : m_units)
        total += unit->CoutTotal;
    return total;
}

int CArmy::SetTotal(int total) {
    if (total == m_header.CoutTotal)
        return 1;
    m_header.CoutTotal = total;
    return CArmyDatabase::Instance().UpdateArmy(m_header);
}

void CArmy::Clear() {
    m_units.RemoveAll();
    m_storedOrder.clear();
}

int CArmy::Create(int raceId, const QString& name, int budget) {
    Clear();
    const int result = CArmyDatabase::Instance().InsertArmy(raceId, name, budget, &m_header);
    if (result)
        m_bOpen = 1;
    return result;
}

int CArmy::Open(int armyId) {
    m_bOpen = 0;
    Clear();
    CArmyDatabase& db = CArmyDatabase::Instance();
    const int result = db.FindArmyById(armyId, m_header);
    if (!result)
        return 0;
    db.LoadArmyUnits(armyId, m_units);
    CArmyUnit* lastMain = nullptr;
    for (CArmyUnit* unit : m_units) {
        MarkStored(*unit);
        if (unit->IdParentUnit == -1) {
            lastMain = unit;
            continue;
        }
        CArmyUnit* main = lastMain && lastMain->IdUnite == unit->IdParentUnit ? lastMain : nullptr;
        for (auto it = m_units.begin(); !main && it != m_units.end(); ++it) {
            if ((*it)->IdUnite == unit->IdParentUnit)
                main = *it;
        }
        if (main && main != unit) {
            unit->m_pMainUnit = main;
            main->m_attached.Append(unit);
        }
    }
    m_bOpen = 1;
    return result;
}

void CArmy::MarkStored(const CArmyUnit& unit) {
    m_storedOrder.insert(unit.IdUnite, qMakePair(unit.IdVisual, unit.IdLeader));
}

bool CArmy::NeedsOrderStored(const CArmyUnit& unit) const {
    const auto stored = m_storedOrder.constFind(unit.IdUnite);
    return stored == m_storedOrder.constEnd() || stored->first != unit.IdVisual ||
           stored->second != unit.IdLeader;
}

int CArmy::SaveOrder() {
    CItemList<CArmyUnit*> changed(false);
    for (CArmyUnit* unit : m_units) {
        if (unit->IdUnite != -1 && NeedsOrderStored(*unit))
            changed.Append(unit);
    }
    if (changed.IsEmpty())
        return 1;
    const int result = CArmyDatabase::Instance().UpdateAllUnitOrders(changed);
    if (result) {
        for (const CArmyUnit* unit : changed)
            MarkStored(*unit);
    }
    return result;
}

void CArmy::Close() {
    SaveOrder();
    m_header.IdArmee = -1;
    m_bOpen = 0;
    Clear();
}
