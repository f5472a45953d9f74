// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ArmyChange.h"
#include "ArmyEdit.h"

#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CItemList.h"

#include <QHash>
#include <QList>
#include <QObject>

class CTransaction;
class CUnitType;

// The army being edited, at most one at a time, and the rules of its hierarchy: one warchief,
// group leaders under him, units under a leader, attached units right after their main unit.
// Members are held in display order (IdVisual is each one's place). Every editing operation
// changes the army and stores all it changed (rows, positions, leaders, the army's total) in
// one transaction; when that fails, the army is read back as stored, so memory never differs
// from the database. Views learn of changes through the signals.
class CArmy : public QObject {
    Q_OBJECT
public:
    enum class Result { Done, Refused, Failed };

    // The army edited through a connection: the program's, made once at start-up, or another
    // (a second program in a test, say).
    explicit CArmy(CArmyDatabase& db);
    ~CArmy() override;

    bool IsOpen() const { return m_bOpen; }
    // Whether this player may change the army: on a club's server another player's army is
    // only read (shown, printed, exported, put in a battle).
    bool IsEditable() const { return m_db.MayChange(m_header.Proprietaire); }
    // The role that made it on a club's server; empty on SQLite.
    QString Owner() const { return m_header.Proprietaire; }
    const CArmyHeader& GetHeader() const { return m_header; }
    QString GetName() const { return m_header.Nom; }
    const CItemList<CArmyUnit>& Units() const { return m_units; }
    bool HasUnits() const { return !m_units.IsEmpty(); }
    CArmyUnit* GetWarchief() const { return m_units.GetHead(); }
    int ComputeTotal() const;

    // The hierarchy.
    CArmyUnit* LeaderOf(const CArmyUnit& unit) const;
    // The indent of a member: 0 the warchief, 1 group leaders and the warchief's own units,
    // 2 the units of group leaders; attached units that of their main unit.
    int Depth(const CArmyUnit& unit) const;
    // The main members a leader commands, in order.
    QList<CArmyUnit*> ChildrenOf(const CArmyUnit& leader) const;
    // Whether unit is root, one of root's attached units or something root commands.
    bool IsInSubtree(const CArmyUnit& unit, const CArmyUnit& root) const;

    // Lifecycle. Create stores a new army and leaves it open; Read loads a stored army (false, and
    // no army open, when it cannot be read), a damaged order mended in memory only; Open reads
    // it and stores what was mended.
    bool Create(int raceId, const QString& name, int budget);
    bool Read(int armyId);
    // An army read already (with a battle's, say), taken as Read would have read it.
    void Take(const CArmyHeader& header, CItemList<CArmyUnit>& units);
    bool Open(int armyId);
    // Stores every position or leader not stored yet (normally none).
    bool SaveOrder();
    void Close();

    // Editing operations; a rule violation changes nothing and tells why (told).
    // A leader type, with the types attached to it (his mount) after it, all priced with him.
    Result AddWarchief(const QList<const CUnitType*>& types);
    Result AddGroupLeader(const QList<const CUnitType*>& types);
    // A leader type that has no attached type.
    Result AddWarchief(const CUnitType& type) {
        return AddWarchief(QList<const CUnitType*>{&type});
    }
    Result AddGroupLeader(const CUnitType& type) {
        return AddGroupLeader(QList<const CUnitType*>{&type});
    }
    // The first type, with the types attached to it after it, as the leader's last unit. A
    // leader type becomes a group leader, or the warchief of an empty army.
    Result AddUnit(CArmyUnit* leader, const QList<const CUnitType*>& types);
    // Catalogue types released on the army tree over target (none: on empty space).
    Result DropType(const QList<const CUnitType*>& types, CArmyUnit* target);
    // Which choices a member has, and so which dialog shows them: a name alone (individuals,
    // mounts, members without price, and single figures without upgrade), command points
    // (leaders), or figures, quality, musicians and standard.
    enum class Choices { NameOnly, CommandPoints, Troops };
    static Choices ChoicesOf(const CArmyUnit& unit);
    // The question to ask before deleting the member; 0 when none is needed.
    int DeleteQuestion(const CArmyUnit& unit) const;
    // The member with its attached units and all it commands.
    Result Delete(CArmyUnit* unit);
    // A member (with its attached units and what it commands) released on another.
    Result Move(CArmyUnit* dragged, CArmyUnit* target);
    // The choices of a member dialog: figures, name, standard, musicians, points, price,
    // quality.
    Result UpdateMember(CArmyUnit* unit, const CArmyUnit& edited);
    Result RenameMember(CArmyUnit* unit, const QString& name);
    Result SetProperties(const QString& name, int budget);

    // Brings the army back to one side of an edit it went through (undo and redo), stored in
    // one transaction like any edit. Members put back get new keys, and whatever hangs on
    // them follows.
    Result Restore(const CArmyState& state);

signals:
    // An operation was stored: what it changed, and the member it is about.
    void changed(const CArmyChange& change);
    // A store failed and the army was read back as stored, or closed when it could not be read.
    void reloaded();
    // An editing operation was stored: how to undo and redo it.
    void edited(const CArmyEdit& edit);
    // Another army was created, opened or closed, or this one read again: the edits before
    // no longer apply.
    void replaced();
    // Why an operation was refused, or what became of an edit that met the connection lost:
    // the message for the window to show.
    void told(const MessageBox::Shown& message);

private:
    // The army before an edit: its name, budget and order, and the records of the members the
    // edit changes or removes, kept as each is first touched; every other member is the same
    // after it, so an edit of one member in a big army copies one record.
    struct Snapshot {
        QString name;
        int budget = 0;
        QList<int> order;
        QHash<int, CMemberRecord> members;
        // Members numbered after it are new.
        int lastSerial = 0;
    };
    // Names the player's operation under way and keeps the army as it was before it; an
    // operation another one calls is part of the outer one.
    class EditScope {
    public:
        EditScope(CArmy& army, const QString& name);
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

        QString label;
        Snapshot before;

    private:
        CArmy& m_army;
        bool m_outer;
        // The edit tells the player what became of it when the connection is lost.
        CDatabase::LossToldByCaller m_lossTold;
    };
    QList<int> SerialOrder() const;
    CMemberRecord RecordOf(const CArmyUnit& unit) const;
    // Keeps the member as it is for the edit under way: to be called before changing it.
    void Touch(const CArmyUnit& unit);
    // Tells the views of an edit just stored, with what undoes it when it is a player's.
    void Stored(CArmyUnit* focus, bool select);
    // The number naming a member in edits, given on first asking.
    int SerialOf(const CArmyUnit& unit) const;
    int KeyOfSerial(int serial) const;
    CArmyUnit* RestoredMember(int serial, int place, const CArmyState& state,
                              const QList<int>& keys, QList<CArmyUnit*>* added, bool* ok);
    void ForgetSerial(const CArmyUnit& unit);

    CArmyUnit* NewMember(const CUnitType& type, int hierarchy, int leaderId) const;
    // A main member of the first type (of that kind; 0: its type's) and one attached to it per
    // further type, all under the leader of that key; all but a leader priced for their least
    // figures.
    QList<CArmyUnit*> NewMembers(const QList<const CUnitType*>& types, int hierarchy,
                                 int leaderId) const;
    QList<CArmyUnit*> Order() const;
    void SetOrder(const QList<CArmyUnit*>& order);
    // The place after the member's subtree in order.
    int SubtreeEnd(const QList<CArmyUnit*>& order, int index) const;
    // The members, made by NewMembers, become the army's at that place.
    void InsertAt(int index, const QList<CArmyUnit*>& members);
    // Places new members (a main unit and its attached ones) at the index and stores them.
    Result InsertMembers(int at, const QList<CArmyUnit*>& members, bool select);
    // New keys for new members, attached ones told their main unit's; false when refused.
    bool GiveNewKeys(const QList<CArmyUnit*>& members);
    // Stores members not stored yet, with their keys, at the places they hold.
    bool InsertNew(const QList<CArmyUnit*>& members);
    void RemoveUnit(CArmyUnit* unit);
    void Renumber();
    void MarkStored(const CArmyUnit& unit);
    bool NeedsOrderStored(const CArmyUnit& unit) const;
    // Stores the positions, leaders and total of stored members that differ from the stored
    // ones; what it stored counts as stored once the transaction commits (MarkStoredOrder).
    bool StoreOrderAndTotal();
    // Where the member of that key stands stored (position, leader): by the transaction under
    // way, else as read; null when not known.
    const QPair<int, int>* StoredPlace(int key) const;
    void MarkStoredOrder();
    Result Finish(CTransaction& edit, CArmyUnit* focus, bool select);
    Result Fail(CTransaction& edit);
    // Tells the window the message of that id (text: filled in already).
    void Tell(MessageBox::Kind kind, int id, const QString& text = QString());
    // Tells the player what became of an edit that met the connection lost, the army read
    // again (or closed when it could not be); intended is the army the edit was to store.
    void TellLoss(CDatabase::Loss loss, const QStringList& intended);
    // The army's stored fields as lines, to tell whether what was read is what an edit stored.
    QStringList StoredLines() const;
    // The first statement of every edit, which stores the total the army has after it too.
    Result TakeVersion(CTransaction& edit, int total);
    // Whether a position, a leader or the total differs from what is stored.
    bool NeedsStoring() const;
    void Clear();
    // Closes the army without storing anything: it cannot be read.
    void Forget();

    CArmyDatabase& m_db;
    bool m_bOpen = false;
    CArmyHeader m_header;
    CItemList<CArmyUnit> m_units;
    QHash<int, CArmyUnit*> m_byKey;
    // What the database holds of each member's place: key IdUnite, value (IdVisual, IdLeader).
    QHash<int, QPair<int, int>> m_storedOrder;
    // What the transaction under way stored of places, kept apart until it commits.
    QHash<int, QPair<int, int>> m_pendingOrder;
    // Whether no two members are stored at one position, so that positions can be moved as
    // ranges.
    bool m_bStoredPlacesDistinct = true;
    // What the operation under way changed, told with its store.
    CArmyChange m_change;
    // The edit being made: its name and the army before it (none outside an operation).
    EditScope* m_pEdit = nullptr;
    // Each member's number in edits, both ways; numbers are never given twice.
    mutable QHash<const CArmyUnit*, int> m_serialOf;
    mutable QHash<int, CArmyUnit*> m_bySerial;
    mutable int m_nLastSerial = 0;
    // The order SerialOrder gave last, and the members it was made of (none where one has gone
    // since): an edit changes one stretch of the order, and only that stretch is looked up again.
    mutable QList<const CArmyUnit*> m_orderUnits;
    mutable QList<int> m_serialOrder;
};
