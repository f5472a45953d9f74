// What undo and redo need of the army: each operation's edit, and putting a state back.

#include "ArmyOrder.h"
#include "CArmy.h"

#include "data/CTransaction.h"

#include <QSet>

namespace {

// Whether two records of one member agree on the fields a member dialog changes.
bool SameRow(const CArmyUnit& a, const CArmyUnit& b) {
    return a.NombreFig == b.NombreFig && a.Nom == b.Nom && a.Etendard == b.Etendard &&
           a.Musicien == b.Musicien && a.Pc == b.Pc && a.CoutTotal == b.CoutTotal &&
           a.IdQualite == b.IdQualite;
}

// Whether they agree on all an edit can change; the member's place shows in the order.
bool SameMember(const CArmyUnit& a, const CArmyUnit& b) {
    return SameRow(a, b) && a.IdLeader == b.IdLeader && a.IdParentUnit == b.IdParentUnit;
}

} // namespace

CArmy::EditScope::EditScope(CArmy& army, const QString& name)
    : label(name), m_army(army), m_outer(army.m_pEdit == nullptr) {
    if (m_outer) {
        before = army.TakeSnapshot();
        army.m_pEdit = this;
    }
}

CArmy::EditScope::~EditScope() {
    if (m_outer)
        m_army.m_pEdit = nullptr;
}

CArmy::Snapshot CArmy::TakeSnapshot() const {
    Snapshot snapshot{m_header.Nom, m_header.NombrePointMax, {}};
    snapshot.units.reserve(m_units.GetCount());
    for (const CArmyUnit* unit : m_units)
        snapshot.units.append(*unit);
    return snapshot;
}

void CArmy::Stored(CArmyUnit* focus, bool select) {
    if (m_pEdit) {
        // Only what differs is kept: an edit of one member in a big army stays small.
        CArmyEdit edit;
        edit.label = m_pEdit->label;
        const Snapshot& before = m_pEdit->before;
        edit.before.name = before.name;
        edit.before.budget = before.budget;
        edit.after.name = m_header.Nom;
        edit.after.budget = m_header.NombrePointMax;
        QHash<int, const CArmyUnit*> was;
        for (const CArmyUnit& unit : before.units) {
            edit.before.order << unit.IdUnite;
            was.insert(unit.IdUnite, &unit);
        }
        QSet<int> present;
        for (const CArmyUnit* unit : m_units) {
            edit.after.order << unit->IdUnite;
            present.insert(unit->IdUnite);
            const CArmyUnit* old = was.value(unit->IdUnite);
            if (!old || !SameMember(*old, *unit))
                edit.after.members.insert(unit->IdUnite, *unit);
            if (old && !SameMember(*old, *unit))
                edit.before.members.insert(old->IdUnite, *old);
        }
        for (const CArmyUnit& unit : before.units) {
            if (!present.contains(unit.IdUnite))
                edit.before.members.insert(unit.IdUnite, unit);
        }
        m_pEdit = nullptr; // told once, even when a caller goes on
        const bool same = edit.before.members.isEmpty() && edit.after.members.isEmpty() &&
                          edit.before.order == edit.after.order &&
                          edit.before.name == edit.after.name &&
                          edit.before.budget == edit.after.budget;
        if (!same)
            emit edited(edit);
    }
    emit changed(focus, select);
}

void CArmy::Forget() {
    m_keyAliases.clear();
}

int CArmy::ResolveKey(int key) const {
    // Each time a member is put back it gets a new key: follow the chain to the last one.
    for (auto next = m_keyAliases.constFind(key); next != m_keyAliases.constEnd();
         next = m_keyAliases.constFind(key))
        key = *next;
    return key;
}

// The member of the state's key at its place, stored as the state has it: the one in memory,
// changed back where the state holds it otherwise, or put back under a new key.
CArmyUnit* CArmy::RestoredMember(int key, int place, const CArmyState& state, bool* ok) {
    const auto record = state.members.constFind(key);
    CArmyUnit* unit = m_byKey.value(ResolveKey(key));
    if (unit) {
        if (record != state.members.constEnd()) {
            CArmyUnit changed = *record;
            changed.IdUnite = unit->IdUnite;
            changed.IdParentUnit = unit->IdParentUnit; // an attached unit never changes hands
            changed.IdLeader = ResolveKey(record->IdLeader);
            const bool rowChanged = !SameRow(changed, *unit);
            *unit = changed;
            // The leader is stored with the positions, the rest of the row here.
            if (rowChanged && !m_db.UpdateUnit(*unit))
                *ok = false;
        }
        unit->IdVisual = place;
        return unit;
    }
    if (record == state.members.constEnd()) {
        // The state names a member this army never had: it is not this army's state.
        *ok = false;
        return nullptr;
    }
    auto* added = new CArmyUnit(*record);
    m_units.Append(added); // owned at once, whatever happens next
    // Leaders and main units come first in the order, so theirs are back already.
    added->IdLeader = ResolveKey(record->IdLeader);
    added->IdParentUnit = ResolveKey(record->IdParentUnit);
    added->IdArmee = m_header.IdArmee;
    added->IdVisual = place;
    added->IdUnite = -1;
    if (!m_db.InsertUnit(m_header.IdArmee, *added)) {
        *ok = false;
        return added;
    }
    MarkStored(*added);
    m_byKey.insert(added->IdUnite, added);
    m_keyAliases.insert(ResolveKey(key), added->IdUnite);
    return added;
}

CArmy::Result CArmy::Restore(const CArmyState& state) {
    if (!IsOpen() || m_pEdit)
        return Result::Refused;
    CTransaction edit(m_db);
    if (const Result taken = TakeVersion(edit); taken != Result::Done)
        return taken;

    // Members the state does not hold go first, with their rows.
    QSet<int> wanted;
    for (int key : state.order)
        wanted.insert(ResolveKey(key));
    const QList<CArmyUnit*> current = Order();
    for (CArmyUnit* unit : current) {
        if (!wanted.contains(unit->IdUnite)) {
            if (!m_db.DeleteUnit(*unit))
                return Fail(edit);
            RemoveUnit(unit);
        }
    }

    bool ok = true;
    QList<CArmyUnit*> order;
    CArmyUnit* focus = nullptr;
    for (qsizetype i = 0; i < state.order.size(); ++i) {
        const int key = state.order.at(i);
        CArmyUnit* unit = RestoredMember(key, static_cast<int>(i), state, &ok);
        if (!ok)
            break;
        order << unit;
        if (!focus && state.members.contains(key))
            focus = unit;
    }
    if (!ok)
        return Fail(edit);
    SetOrder(order);
    for (CArmyUnit* unit : order) {
        unit->m_pMainUnit = nullptr;
        unit->m_attached.RemoveAll();
    }
    LinkAttachedUnits(order);

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
