// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmy.h"

#include "ArmyOrder.h"

#include "army/CUnitCostCalculator.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CTransaction.h"
#include "data/CUnitType.h"

#include <QSet>

#include <functional>

namespace {

// A member is never left without a name: blanks give back its type's.
QString MemberName(const QString& name, const CArmyUnit& unit) {
    return name.trimmed().isEmpty() ? unit.NomUnitType : name;
}

} // namespace

CArmy::CArmy(CArmyDatabase& db) : m_db(db) {
    m_header.IdArmee = -1;
}

CArmy::~CArmy() = default;

int CArmy::ComputeTotal() const {
    int total = 0;
    for (const CArmyUnit* unit : m_units)
        total += unit->CoutTotal;
    return total;
}

// ---- The hierarchy

CArmyUnit* CArmy::LeaderOf(const CArmyUnit& unit) const {
    return unit.IdLeader == -1 ? nullptr : m_byKey.value(unit.IdLeader);
}

int CArmy::Depth(const CArmyUnit& unit) const {
    const CArmyUnit* main = unit.m_pMainUnit ? unit.m_pMainUnit : &unit;
    if (main == GetWarchief())
        return 0;
    if (main->IsGroupLeader())
        return 1;
    const CArmyUnit* leader = LeaderOf(*main);
    return !leader || leader == GetWarchief() ? 1 : 2;
}

QList<CArmyUnit*> CArmy::ChildrenOf(const CArmyUnit& leader) const {
    QList<CArmyUnit*> children;
    for (CArmyUnit* unit : m_units) {
        if (unit != &leader && !unit->m_pMainUnit && unit != GetWarchief() &&
            LeaderOf(*unit) == &leader)
            children << unit;
    }
    return children;
}

bool CArmy::IsInSubtree(const CArmyUnit& unit, const CArmyUnit& root) const {
    const QList<CArmyUnit*> order = Order();
    const int first = static_cast<int>(order.indexOf(const_cast<CArmyUnit*>(&root)));
    const int at = static_cast<int>(order.indexOf(const_cast<CArmyUnit*>(&unit)));
    return first >= 0 && at >= first && at < SubtreeEnd(order, first);
}

QList<CArmyUnit*> CArmy::Order() const {
    return QList<CArmyUnit*>(m_units.begin(), m_units.end());
}

void CArmy::SetOrder(const QList<CArmyUnit*>& order) {
    m_units.Reorder(order);
}

int CArmy::SubtreeEnd(const QList<CArmyUnit*>& order, int index) const {
    const CArmyUnit* root = order.at(index);
    const int depth = Depth(*root);
    int end = index + 1;
    while (end < order.size() &&
           (order.at(end)->m_pMainUnit == root || Depth(*order.at(end)) > depth))
        ++end;
    return end;
}

void CArmy::InsertAt(int index, const QList<CArmyUnit*>& members) {
    for (int i = 0; i < members.size(); ++i)
        m_units.Insert(index + i, std::unique_ptr<CArmyUnit>(members.at(i)));
}

void CArmy::RemoveUnit(CArmyUnit* unit) {
    // No member may keep pointing at the one that goes.
    if (unit->m_pMainUnit)
        unit->m_pMainUnit->m_attached.removeOne(unit);
    for (CArmyUnit* attached : unit->m_attached)
        attached->m_pMainUnit = nullptr;
    m_storedOrder.remove(unit->IdUnite);
    m_byKey.remove(unit->IdUnite);
    ForgetSerial(*unit);
    m_units.Remove(unit);
}

void CArmy::Renumber() {
    int row = 0;
    for (CArmyUnit* unit : m_units)
        unit->IdVisual = row++;
}

// ---- Lifecycle

void CArmy::Clear() {
    m_change = CArmyChange();
    m_pendingOrder.clear();
    m_serialOf.clear();
    m_bySerial.clear();
    m_orderUnits.clear();
    m_serialOrder.clear();
    m_units.RemoveAll();
    m_byKey.clear();
    m_storedOrder.clear();
}

bool CArmy::Create(int raceId, const QString& name, int budget) {
    Clear();
    m_bOpen = false;
    CArmyHeader header;
    const bool created = m_db.InsertArmy(raceId, name, budget, &header);
    if (created) {
        m_header = header;
        m_bOpen = true;
    }
    emit replaced();
    return created;
}

bool CArmy::Read(int armyId) {
    m_bOpen = false;
    Clear();
    CArmyHeader header;
    CItemList<CArmyUnit> units;
    // Nothing is kept of an army that cannot be read whole.
    if (m_db.FindArmyById(armyId, header) != CArmyDatabase::kFound ||
        !m_db.LoadArmyUnits(armyId, units)) {
        m_header.IdArmee = -1;
        emit replaced();
        return false;
    }
    Take(header, units);
    return true;
}

void CArmy::Take(const CArmyHeader& header, CItemList<CArmyUnit>& units) {
    m_bOpen = false;
    Clear();
    m_header = header;
    m_units.TakeAll(units);
    QSet<int> places;
    for (CArmyUnit* unit : m_units) {
        MarkStored(*unit);
        places.insert(unit->IdVisual);
        if (unit->IdUnite != -1)
            m_byKey.insert(unit->IdUnite, unit);
    }
    // Positions stored twice cannot be moved as ranges until stored anew.
    m_bStoredPlacesDistinct =
        places.size() == m_units.GetCount() && m_byKey.size() == places.size();
    LinkAttachedUnits(Order());
    SetOrder(MendedOrder(Order()));
    Renumber();
    m_bOpen = true;
    emit replaced();
}

bool CArmy::Open(int armyId) {
    if (!Read(armyId))
        return false;
    // A damaged order is stored mended; when that fails the army stays open as read, and the
    // next edit stores it.
    if (NeedsStoring()) {
        CTransaction mend(m_db);
        if (m_db.TakeArmyVersion(m_header.IdArmee, m_header.Version, m_header.CoutTotal) == 1 &&
            StoreOrderAndTotal() && mend.Commit()) {
            ++m_header.Version;
            MarkStoredOrder();
        }
        m_pendingOrder.clear();
    }
    return true;
}

void CArmy::MarkStored(const CArmyUnit& unit) {
    m_storedOrder.insert(unit.IdUnite, qMakePair(unit.IdVisual, unit.IdLeader));
}

bool CArmy::NeedsOrderStored(const CArmyUnit& unit) const {
    const auto stored = m_storedOrder.constFind(unit.IdUnite);
    return stored == m_storedOrder.constEnd() || stored->first != unit.IdVisual ||
           stored->second != unit.IdLeader;
}

const QPair<int, int>* CArmy::StoredPlace(int key) const {
    const auto pending = m_pendingOrder.constFind(key);
    if (pending != m_pendingOrder.constEnd())
        return &*pending;
    const auto stored = m_storedOrder.constFind(key);
    return stored != m_storedOrder.constEnd() ? &*stored : nullptr;
}

bool CArmy::StoreOrderAndTotal() {
    QList<CUnitPlace> places;
    for (CArmyUnit* unit : m_units) {
        // Members not stored yet go in with their places.
        if (m_byKey.value(unit->IdUnite) != unit)
            continue;
        // Where the transaction under way put it already, else where it was read.
        const QPair<int, int>* stored = StoredPlace(unit->IdUnite);
        const bool known = stored != nullptr;
        if (known && stored->first == unit->IdVisual && stored->second == unit->IdLeader)
            continue;
        CUnitPlace place;
        place.key = unit->IdUnite;
        place.from = known && m_bStoredPlacesDistinct ? stored->first : -1;
        place.to = unit->IdVisual;
        place.leader = unit->IdLeader;
        place.newLeader = !known || stored->second != unit->IdLeader;
        places << place;
    }
    if (!m_db.StoreUnitPlaces(m_header.IdArmee, places))
        return false;
    for (const CUnitPlace& place : std::as_const(places))
        m_pendingOrder.insert(place.key, qMakePair(place.to, place.leader));
    const int total = ComputeTotal();
    if (total == m_header.CoutTotal)
        return true;
    CArmyHeader header = m_header;
    header.CoutTotal = total;
    if (!m_db.UpdateArmy(header))
        return false;
    m_header.CoutTotal = total;
    return true;
}

void CArmy::MarkStoredOrder() {
    for (auto it = m_pendingOrder.cbegin(); it != m_pendingOrder.cend(); ++it)
        m_storedOrder.insert(it.key(), *it);
    m_pendingOrder.clear();
    // Every member now stands stored at its place in display order.
    m_bStoredPlacesDistinct = true;
}

bool CArmy::NeedsStoring() const {
    for (const CArmyUnit* unit : m_units) {
        if (unit->IdUnite != -1 && NeedsOrderStored(*unit))
            return true;
    }
    return ComputeTotal() != m_header.CoutTotal;
}

bool CArmy::SaveOrder() {
    if (!IsOpen() || !NeedsStoring())
        return true;
    CTransaction work(m_db);
    if (m_db.TakeArmyVersion(m_header.IdArmee, m_header.Version, m_header.CoutTotal) != 1 ||
        !StoreOrderAndTotal() || !work.Commit()) {
        m_pendingOrder.clear();
        return false;
    }
    ++m_header.Version;
    MarkStoredOrder();
    return true;
}

void CArmy::Forget() {
    m_header.IdArmee = -1;
    m_bOpen = false;
    Clear();
    emit replaced();
}

void CArmy::Close() {
    SaveOrder();
    m_header.IdArmee = -1;
    m_bOpen = false;
    Clear();
    emit replaced();
}

// ---- Editing

CArmy::Result CArmy::Finish(CTransaction& edit, CArmyUnit* focus, bool select) {
    Renumber();
    const int storedTotal = m_header.CoutTotal;
    if (!StoreOrderAndTotal() || !edit.Commit()) {
        m_header.CoutTotal = storedTotal;
        return Fail(edit);
    }
    ++m_header.Version;
    MarkStoredOrder();
    Stored(focus, select);
    return Result::Done;
}

// The first statement of every edit: the army must be as this program last read it. Another
// program's edit since then (or its delete) has the army read again instead of overwritten.
// The total goes with it when the edit knows it already, which spares a statement; an edit that
// fails reads the army back, the total with it.
CArmy::Result CArmy::TakeVersion(CTransaction& edit, int total) {
    // Another player's army is not written to: what the edit changed in memory is read back.
    const bool mine = IsEditable();
    const int version = m_header.Version;
    const int taken = mine ? m_db.TakeArmyVersion(m_header.IdArmee, version, total) : 0;
    if (taken == 1) {
        m_header.CoutTotal = total;
        return Result::Done;
    }
    if (taken < 0)
        return Fail(edit);
    edit.Rollback();
    Open(m_header.IdArmee);
    // Read back as it was, and yet not changed: the club's server keeps it for another player
    // (its rules changed since this player's rights were read, which are read again).
    const bool refused = !mine || (IsOpen() && m_header.Version == version);
    if (refused && mine)
        m_db.ReadPlayer();
    emit reloaded();
    if (refused)
        Tell(MessageBox::Kind::Info, kArmyOfAnotherId,
             LoadResString(kArmyOfAnotherId).arg(Owner()));
    else
        Tell(MessageBox::Kind::Info, kArmyChangedElsewhereId);
    return Result::Failed;
}

void CArmy::Tell(MessageBox::Kind kind, int id, const QString& text) {
    emit told({kind, id, text.isEmpty() ? LoadResString(id) : text});
}

CArmy::Result CArmy::Fail(CTransaction& edit) {
    const CDatabase::Loss loss = m_db.ConnectionLoss();
    const QStringList intended = loss == CDatabase::Loss::AtCommit ? StoredLines() : QStringList();
    edit.Rollback();
    // Read back over the connection opened again when it was lost; closed, when the server
    // did not answer just now, for it cannot be read.
    if (m_db.ServerUnreachable())
        Forget();
    else
        Open(m_header.IdArmee);
    emit reloaded();
    if (loss != CDatabase::Loss::None)
        TellLoss(loss, intended);
    return Result::Failed;
}

void CArmy::TellLoss(CDatabase::Loss loss, const QStringList& intended) {
    const bool atCommit = loss == CDatabase::Loss::AtCommit;
    if (!IsOpen())
        Tell(MessageBox::Kind::Warning, atCommit ? kEditUncertainClosedId : kEditNotStoredClosedId);
    else
        Tell(MessageBox::Kind::Info,
             atCommit && StoredLines() == intended ? kEditStoredId : kEditNotStoredId);
}

QStringList CArmy::StoredLines() const {
    QStringList lines{QStringLiteral("%1|%2|%3")
                          .arg(m_header.Nom)
                          .arg(m_header.NombrePointMax)
                          .arg(m_header.CoutTotal)};
    for (const CArmyUnit* unit : m_units) {
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9|")
                         .arg(unit->IdUnite)
                         .arg(unit->IdVisual)
                         .arg(unit->IdLeader)
                         .arg(unit->IdParentUnit)
                         .arg(unit->NombreFig)
                         .arg(unit->Etendard)
                         .arg(unit->Musicien)
                         .arg(unit->Pc)
                         .arg(unit->CoutTotal) +
                     QStringLiteral("%1|%2").arg(unit->IdQualite).arg(unit->Nom);
    }
    return lines;
}

CArmyUnit* CArmy::NewMember(const CUnitType& type, int hierarchy, int leaderId) const {
    auto* unit = new CArmyUnit(type);
    unit->Hierarchie = hierarchy;
    unit->IdLeader = leaderId;
    unit->IdArmee = m_header.IdArmee;
    return unit;
}

QList<CArmyUnit*> CArmy::NewMembers(const QList<const CUnitType*>& types, int hierarchy,
                                    int leaderId) const {
    QList<CArmyUnit*> created;
    for (const CUnitType* type : types) {
        const bool mapped =
            type->CombatantType >= kCombatUnitType && type->CombatantType <= kMachineType;
        const bool main = created.isEmpty();
        CArmyUnit* unit = NewMember(*type,
                                    main && hierarchy != 0 ? hierarchy
                                    : mapped               ? type->CombatantType + 1
                                                           : 0,
                                    leaderId);
        if (!main) {
            unit->m_pMainUnit = created.first();
            created.first()->m_attached.append(unit);
        }
        created << unit;
        if (unit->IsLeader())
            continue;
        unit->NombreFig = type->Min;
        // Crews and machines are priced by the same troop rule, from the start, so that a
        // member's price never depends on whether its dialog was ever opened.
        if (unit->Hierarchie == kCombatUnit || unit->Hierarchie == kCrew ||
            unit->Hierarchie == kMachine) {
            CUnitCostCalculator calculator;
            calculator.SetUnit(unit);
            calculator.ComputeCost();
        }
    }
    return created;
}

CArmy::Result CArmy::AddWarchief(const QList<const CUnitType*>& types) {
    if (types.isEmpty())
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoAddId).arg(types.first()->NomGB));
    if (HasUnits()) {
        Tell(MessageBox::Kind::Info, kWarchiefExistsId);
        return Result::Refused;
    }
    return InsertMembers(0, NewMembers(types, kWarchief, -1), true);
}

CArmy::Result CArmy::AddGroupLeader(const QList<const CUnitType*>& types) {
    if (types.isEmpty())
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoAddId).arg(types.first()->NomGB));
    if (!HasUnits()) {
        Tell(MessageBox::Kind::Info, kNoWarchiefId);
        return Result::Refused;
    }
    return InsertMembers(m_units.GetCount(),
                         NewMembers(types, kGroupLeader, GetWarchief()->IdUnite), true);
}

CArmy::Result CArmy::InsertMembers(int at, const QList<CArmyUnit*>& members, bool select) {
    InsertAt(at, members);
    Renumber();
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, ComputeTotal()); taken != Result::Done)
        return taken;
    // The members after them move first, while the new ones' places are still free.
    if (!GiveNewKeys(members) || !StoreOrderAndTotal() || !InsertNew(members))
        return Fail(edit);
    m_change = {CArmyChange::Kind::Inserted, at, static_cast<int>(members.size()), 0, members};
    return Finish(edit, members.first(), select);
}

bool CArmy::GiveNewKeys(const QList<CArmyUnit*>& members) {
    const QList<int> keys = m_db.ReserveUnitKeys(static_cast<int>(members.size()));
    if (keys.size() != members.size())
        return false;
    for (qsizetype i = 0; i < members.size(); ++i)
        members.at(i)->IdUnite = keys.at(i);
    // An attached unit names its main unit by key.
    for (CArmyUnit* unit : members) {
        if (unit->m_pMainUnit)
            unit->IdParentUnit = unit->m_pMainUnit->IdUnite;
    }
    return true;
}

bool CArmy::InsertNew(const QList<CArmyUnit*>& members) {
    if (members.isEmpty())
        return true;
    if (!m_db.InsertUnits(m_header.IdArmee, members))
        return false;
    for (CArmyUnit* unit : members) {
        MarkStored(*unit);
        m_byKey.insert(unit->IdUnite, unit);
    }
    return true;
}

CArmy::Result CArmy::AddUnit(CArmyUnit* leader, const QList<const CUnitType*>& types) {
    if (types.isEmpty())
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoAddId).arg(types.first()->NomGB));
    if (types.first()->IsLeaderType())
        return HasUnits() ? AddGroupLeader(types) : AddWarchief(types);
    if (!leader || !leader->IsLeader() || leader->m_pMainUnit || !m_units.Contains(leader)) {
        Tell(MessageBox::Kind::Info, kSelectLeaderId);
        return Result::Refused;
    }
    const QList<CArmyUnit*> order = Order();
    return InsertMembers(SubtreeEnd(order, static_cast<int>(order.indexOf(leader))),
                         NewMembers(types, 0, leader->IdUnite), false);
}

CArmy::Result CArmy::DropType(const QList<const CUnitType*>& types, CArmyUnit* target) {
    if (types.isEmpty())
        return Result::Refused;
    const CUnitType& type = *types.first();
    const EditScope scope(*this, LoadResString(kUndoAddId).arg(type.NomGB));
    if (type.IsLeaderType() && !HasUnits())
        return AddWarchief(types);
    if (!target) {
        if (!HasUnits()) {
            Tell(MessageBox::Kind::Info, kNoWarchiefId);
            return Result::Refused;
        }
        target = GetWarchief();
    }
    if (type.IsLeaderType())
        return AddGroupLeader(types);
    if (target->m_pMainUnit)
        target = target->m_pMainUnit;
    if (!target->IsLeader()) {
        CArmyUnit* leader = LeaderOf(*target);
        target = leader ? leader : GetWarchief();
    }
    return AddUnit(target, types);
}

CArmy::Choices CArmy::ChoicesOf(const CArmyUnit& unit) {
    if (unit.Hierarchie == kIndividual || unit.Hierarchie == kUncounted || unit.Points == 0 ||
        (!unit.IsLeader() && unit.Min == 1 && unit.Max == 1 && unit.UPG == 0))
        return Choices::NameOnly;
    return unit.IsLeader() ? Choices::CommandPoints : Choices::Troops;
}

int CArmy::DeleteQuestion(const CArmyUnit& unit) const {
    if (&unit == GetWarchief())
        return ChildrenOf(unit).isEmpty() ? 0 : kDeleteWarchiefQuestionId;
    if (unit.IsGroupLeader() && !unit.m_pMainUnit)
        return ChildrenOf(unit).isEmpty() ? 0 : kDeleteGroupLeaderQuestionId;
    return 0;
}

CArmy::Result CArmy::Delete(CArmyUnit* unit) {
    if (!unit || !m_units.Contains(unit))
        return Result::Refused;
    const EditScope scope(
        *this, LoadResString(kUndoDeleteId)
                   .arg(Isolated(unit->m_pMainUnit ? unit->m_pMainUnit->Nom : unit->Nom)));
    CTransaction edit(m_db);
    if (unit == GetWarchief()) {
        if (const Result taken = TakeVersion(edit, 0); taken != Result::Done)
            return taken;
        // The army stays, open and empty.
        if (!m_db.DeleteArmyUnits(m_header.IdArmee))
            return Fail(edit);
        for (const CArmyUnit* each : m_units)
            Touch(*each);
        Clear();
        return Finish(edit, nullptr, false);
    }
    // An attached unit goes with its main unit.
    if (unit->m_pMainUnit)
        unit = unit->m_pMainUnit;
    const QList<CArmyUnit*> order = Order();
    const int first = static_cast<int>(order.indexOf(unit));
    const QList<CArmyUnit*> gone = order.mid(first, SubtreeEnd(order, first) - first);
    int total = ComputeTotal();
    QList<int> keys;
    for (const CArmyUnit* each : gone) {
        total -= each->CoutTotal;
        keys << each->IdUnite;
    }
    if (const Result taken = TakeVersion(edit, total); taken != Result::Done)
        return taken;
    if (!m_db.DeleteUnits(keys))
        return Fail(edit);
    // All kept first: removing a main unit unlinks its attached ones.
    for (const CArmyUnit* each : gone)
        Touch(*each);
    for (CArmyUnit* each : gone)
        RemoveUnit(each);
    m_change = {CArmyChange::Kind::Removed, first, static_cast<int>(gone.size()), 0, {}};
    return Finish(edit, nullptr, false);
}

CArmy::Result CArmy::Move(CArmyUnit* dragged, CArmyUnit* target) {
    if (!dragged || !target || dragged == GetWarchief() || dragged->m_pMainUnit ||
        !m_units.Contains(dragged) || !m_units.Contains(target))
        return Result::Refused;
    if (target->m_pMainUnit)
        target = target->m_pMainUnit;
    if (IsInSubtree(*target, *dragged))
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoMoveId).arg(Isolated(dragged->Nom)));

    const CPlacement placement = PlaceDrop(*dragged, *target, *GetWarchief(), LeaderOf(*target));
    if (placement.place == CPlacement::Refused) {
        Tell(MessageBox::Kind::Warning, kLeaderUnderUnitId);
        return Result::Refused;
    }
    CArmyUnit* leader = placement.leader;

    QList<CArmyUnit*> order = Order();
    const int first = static_cast<int>(order.indexOf(dragged));
    const int end = SubtreeEnd(order, first);
    const QList<CArmyUnit*> moved = order.mid(first, end - first);
    order.remove(first, end - first);
    Touch(*dragged);
    for (const CArmyUnit* attached : dragged->m_attached)
        Touch(*attached);
    dragged->IdLeader = leader->IdUnite;
    for (CArmyUnit* attached : dragged->m_attached)
        attached->IdLeader = leader->IdUnite;
    const int leaderAt = static_cast<int>(order.indexOf(leader));
    const int at = placement.place == CPlacement::First
                       ? leaderAt + 1 + static_cast<int>(leader->m_attached.size())
                   : placement.place == CPlacement::Last
                       ? SubtreeEnd(order, leaderAt)
                       : SubtreeEnd(order, static_cast<int>(order.indexOf(target)));
    for (int i = 0; i < moved.size(); ++i)
        order.insert(at + i, moved.at(i));
    SetOrder(order);
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, ComputeTotal()); taken != Result::Done)
        return taken;
    m_change = {CArmyChange::Kind::Moved, first, static_cast<int>(moved.size()), at, {}};
    return Finish(edit, dragged, true);
}

CArmy::Result CArmy::UpdateMember(CArmyUnit* unit, const CArmyUnit& edited) {
    if (!unit || !m_units.Contains(unit))
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoChangeId).arg(Isolated(unit->Nom)));
    Touch(*unit);
    unit->NombreFig = edited.NombreFig;
    unit->Nom = MemberName(edited.Nom, *unit);
    unit->Etendard = edited.Etendard;
    unit->Musicien = edited.Musicien;
    unit->Pc = edited.Pc;
    unit->CoutTotal = edited.CoutTotal;
    unit->IdQualite = edited.IdQualite;
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, ComputeTotal()); taken != Result::Done)
        return taken;
    if (!m_db.UpdateUnit(*unit))
        return Fail(edit);
    m_change = {CArmyChange::Kind::Values, 0, 1, 0, {unit}};
    return Finish(edit, unit, false);
}

CArmy::Result CArmy::RenameMember(CArmyUnit* unit, const QString& name) {
    if (!unit || !m_units.Contains(unit))
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoRenameId).arg(Isolated(unit->Nom)));
    Touch(*unit);
    unit->Nom = MemberName(name, *unit);
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, ComputeTotal()); taken != Result::Done)
        return taken;
    if (!m_db.RenameUnit(*unit))
        return Fail(edit);
    m_change = {CArmyChange::Kind::Values, 0, 1, 0, {unit}};
    return Finish(edit, unit, false);
}

CArmy::Result CArmy::SetProperties(const QString& name, int budget) {
    if (!IsOpen())
        return Result::Refused;
    const EditScope scope(*this, LoadResString(kUndoArmyPropertiesId));
    CArmyHeader header = m_header;
    header.Nom = name;
    header.NombrePointMax = budget;
    header.CoutTotal = ComputeTotal();
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, header.CoutTotal); taken != Result::Done)
        return taken;
    if (!m_db.UpdateArmy(header))
        return Fail(edit);
    // What is to be stored, in case the commit's fate must be found out by reading it back.
    m_header = header;
    if (!edit.Commit())
        return Fail(edit);
    ++m_header.Version;
    m_change.kind = CArmyChange::Kind::Header;
    Stored(nullptr, false);
    return Result::Done;
}
