// SPDX-License-Identifier: GPL-3.0-or-later

// What undo and redo need of the army: each operation's edit, and putting a state back.

#include "ArmyOrder.h"
#include "CArmy.h"

#include "data/CTransaction.h"

#include <QSet>

#include <utility>

namespace {

// Whether two records of one member agree on the fields a member dialog changes.
bool SameRow(const CArmyUnit& a, const CArmyUnit& b) {
    return a.NombreFig == b.NombreFig && a.Nom == b.Nom && a.Etendard == b.Etendard &&
           a.Musicien == b.Musicien && a.Pc == b.Pc && a.CoutTotal == b.CoutTotal &&
           a.IdQualite == b.IdQualite;
}

// Whether they agree on all an edit can change; the member's place shows in the order.
bool SameMember(const CMemberRecord& a, const CMemberRecord& b) {
    return SameRow(a.row, b.row) && a.leader == b.leader && a.main == b.main;
}

} // namespace

CArmy::EditScope::EditScope(CArmy& army, const QString& name)
    : label(name), m_army(army), m_outer(army.m_pEdit == nullptr), m_lossTold(army.m_db) {
    if (m_outer) {
        before = {army.m_header.Nom, army.m_header.NombrePointMax, army.SerialOrder(), {}, 0};
        before.lastSerial = army.m_nLastSerial;
        army.m_pEdit = this;
    }
}

CArmy::EditScope::~EditScope() {
    if (m_outer)
        m_army.m_pEdit = nullptr;
}

int CArmy::SerialOf(const CArmyUnit& unit) const {
    int& serial = m_serialOf[&unit];
    if (serial == 0) {
        serial = ++m_nLastSerial;
        m_bySerial.insert(serial, const_cast<CArmyUnit*>(&unit));
    }
    return serial;
}

void CArmy::ForgetSerial(const CArmyUnit& unit) {
    // The address may be given to another member next: it must not inherit the number.
    if (const auto found = m_serialOf.constFind(&unit); found != m_serialOf.constEnd()) {
        m_bySerial.remove(*found);
        m_serialOf.erase(found);
    }
    const qsizetype kept = m_orderUnits.indexOf(&unit);
    if (kept >= 0)
        m_orderUnits[kept] = nullptr;
}

int CArmy::KeyOfSerial(int serial) const {
    const CArmyUnit* unit = serial == 0 ? nullptr : m_bySerial.value(serial);
    return unit ? unit->IdUnite : -1;
}

QList<int> CArmy::SerialOrder() const {
    const QList<const CArmyUnit*> units(m_units.begin(), m_units.end());
    const qsizetype count = units.size();
    const qsizetype last = m_orderUnits.size();
    // The members at the start and at the end that are where they were keep their numbers.
    qsizetype head = 0;
    while (head < count && head < last && units.at(head) == m_orderUnits.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < count - head && tail < last - head &&
           units.at(count - 1 - tail) == m_orderUnits.at(last - 1 - tail))
        ++tail;
    if (head == count && tail == 0 && count == last)
        return m_serialOrder;
    QList<int> order;
    order.reserve(count);
    order.append(m_serialOrder.mid(0, head));
    for (qsizetype i = head; i < count - tail; ++i)
        order << SerialOf(*units.at(i));
    order.append(m_serialOrder.mid(last - tail));
    m_orderUnits = units;
    m_serialOrder = order;
    return order;
}

CMemberRecord CArmy::RecordOf(const CArmyUnit& unit) const {
    const CArmyUnit* leader = LeaderOf(unit);
    return {unit, leader ? SerialOf(*leader) : 0,
            unit.m_pMainUnit ? SerialOf(*unit.m_pMainUnit) : 0};
}

void CArmy::Touch(const CArmyUnit& unit) {
    if (!m_pEdit)
        return;
    const int serial = SerialOf(unit);
    if (!m_pEdit->before.members.contains(serial))
        m_pEdit->before.members.insert(serial, RecordOf(unit));
}

void CArmy::Stored(CArmyUnit* focus, bool select) {
    if (m_pEdit) {
        const Snapshot& before = m_pEdit->before;
        CArmyEdit edit{m_pEdit->label,
                       {before.name, before.budget, before.order, {}},
                       {m_header.Nom, m_header.NombrePointMax, SerialOrder(), {}}};
        // Members touched: gone, or kept where they differ now.
        for (auto it = before.members.cbegin(); it != before.members.cend(); ++it) {
            const CArmyUnit* unit = m_bySerial.value(it.key());
            if (!unit) {
                edit.before.members.insert(it.key(), *it);
                continue;
            }
            const CMemberRecord now = RecordOf(*unit);
            if (!SameMember(*it, now)) {
                edit.before.members.insert(it.key(), *it);
                edit.after.members.insert(it.key(), now);
            }
        }
        for (const int serial : edit.after.order) {
            if (serial > before.lastSerial)
                edit.after.members.insert(serial, RecordOf(*m_bySerial.value(serial)));
        }
        m_pEdit = nullptr; // told once, even when a caller goes on
        const bool same = edit.after.members.isEmpty() && edit.before.members.isEmpty() &&
                          edit.before.order == edit.after.order &&
                          edit.before.name == edit.after.name &&
                          edit.before.budget == edit.after.budget;
        if (!same)
            emit edited(edit);
    }
    CArmyChange change = std::exchange(m_change, CArmyChange());
    change.focus = focus;
    change.select = select;
    emit changed(change);
}

// The member of the serial at its place, as the state has it: the one in memory, changed back
// where the state holds it otherwise, or put back under the next of the new keys (it is stored
// with the others put back, once the kept members have taken their places).
CArmyUnit* CArmy::RestoredMember(int serial, int place, const CArmyState& state,
                                 const QList<int>& keys, QList<CArmyUnit*>* added, bool* ok) {
    const auto record = state.members.constFind(serial);
    CArmyUnit* unit = m_bySerial.value(serial);
    if (unit) {
        if (record != state.members.constEnd()) {
            const bool rowChanged = !SameRow(record->row, *unit);
            // The record's keys are those of its day: the member keeps its own, and an
            // attached unit never changes hands.
            const int key = unit->IdUnite;
            const int parent = unit->IdParentUnit;
            *unit = record->row;
            unit->IdUnite = key;
            unit->IdParentUnit = parent;
            unit->IdLeader = KeyOfSerial(record->leader);
            // The leader is stored with the positions, the rest of the row here.
            if (rowChanged && !m_db.UpdateUnit(*unit))
                *ok = false;
        }
        unit->IdVisual = place;
        return unit;
    }
    if (record == state.members.constEnd() || added->size() >= keys.size()) {
        // The state names a member this army does not have: it is not this army's state.
        *ok = false;
        return nullptr;
    }
    // Owned at once, whatever happens next.
    CArmyUnit* back = m_units.Append(std::make_unique<CArmyUnit>(record->row));
    m_serialOf.insert(back, serial);
    m_bySerial.insert(serial, back);
    back->IdUnite = keys.at(added->size());
    // Leaders and main units come first in the order, so their keys are known already.
    back->IdLeader = KeyOfSerial(record->leader);
    back->IdParentUnit = KeyOfSerial(record->main);
    back->IdArmee = m_header.IdArmee;
    back->IdVisual = place;
    *added << back;
    return back;
}

CArmy::Result CArmy::Restore(const CArmyState& state) {
    if (!IsOpen() || m_pEdit)
        return Result::Refused;
    const CDatabase::LossToldByCaller lossTold(m_db);
    // The total it will have, stored with the version; and how many members come back.
    int total = 0;
    int missing = 0;
    for (const int serial : state.order) {
        const CArmyUnit* unit = m_bySerial.value(serial);
        const auto record = state.members.constFind(serial);
        total += record != state.members.constEnd() ? record->row.CoutTotal
                 : unit                             ? unit->CoutTotal
                                                    : 0;
        if (!unit)
            ++missing;
    }
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit, total); taken != Result::Done)
        return taken;

    // Members the state does not hold go first, with their rows.
    const QSet<int> wanted(state.order.cbegin(), state.order.cend());
    QList<CArmyUnit*> gone;
    QList<int> goneKeys;
    for (CArmyUnit* unit : m_units) {
        if (!wanted.contains(SerialOf(*unit))) {
            gone << unit;
            goneKeys << unit->IdUnite;
        }
    }
    if (!gone.isEmpty() && !m_db.DeleteUnits(goneKeys))
        return Fail(edit);
    for (CArmyUnit* unit : std::as_const(gone))
        RemoveUnit(unit);

    const QList<int> keys = missing > 0 ? m_db.ReserveUnitKeys(missing) : QList<int>();
    bool ok = keys.size() == missing;
    QList<CArmyUnit*> order;
    QList<CArmyUnit*> added;
    CArmyUnit* focus = nullptr;
    for (qsizetype i = 0; i < state.order.size() && ok; ++i) {
        const int serial = state.order.at(i);
        CArmyUnit* unit = RestoredMember(serial, static_cast<int>(i), state, keys, &added, &ok);
        order << unit;
        if (!focus && state.members.contains(serial))
            focus = unit;
    }
    if (!ok)
        return Fail(edit);
    SetOrder(order);
    for (CArmyUnit* unit : order) {
        unit->m_pMainUnit = nullptr;
        unit->m_attached.clear();
    }
    LinkAttachedUnits(order);
    // The kept members take their places while those of the members put back are still free.
    if (!StoreOrderAndTotal() || !InsertNew(added))
        return Fail(edit);

    if (state.name != m_header.Nom || state.budget != m_header.NombrePointMax) {
        CArmyHeader header = m_header;
        header.Nom = state.name;
        header.NombrePointMax = state.budget;
        if (!m_db.UpdateArmy(header))
            return Fail(edit);
        m_header.Nom = state.name;
        m_header.NombrePointMax = state.budget;
    }
    return Finish(edit, focus, focus != nullptr);
}
