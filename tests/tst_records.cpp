#include "data/CArmyUnit.h"
#include "data/CItemList.h"
#include "data/CUnitType.h"

#include <QtTest>

namespace {
// Counts live instances, to see which items a list frees.
struct Tracked {
    static int alive;
    Tracked() { ++alive; }
    ~Tracked() { --alive; }
};
int Tracked::alive = 0;
} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void listAppendsFindsAndMovesTheCursorOnRemove();
    void listFreesOnlyWhatItOwns();
    void predicatesFollowTheCodes();
    void armyUnitIsMadeFromItsTypeAndCopiesOnlyStoredFields();
};

void TestRecords::listAppendsFindsAndMovesTheCursorOnRemove() {
    CIdList ids;
    QVERIFY(ids.IsEmpty());
    QVERIFY(!ids.HasCursor());
    QCOMPARE(ids.Append(10), 1);
    QCOMPARE(ids.GetCursor(), 10); // the first node is head, tail and cursor
    ids.Append(20);
    ids.Append(30);
    ids.Append(20);
    QCOMPARE(ids.GetCount(), 4);
    QCOMPARE(ids.GetHead(), 10);
    QCOMPARE(ids.GetTail(), 20);
    QCOMPARE(std::distance(ids.begin(), ids.Find(20)), 1); // the first match from the head
    QVERIFY(ids.Find(99) == ids.end());

    QCOMPARE(ids.Remove(99), 0);
    QCOMPARE(ids.GetCount(), 4);

    QCOMPARE(ids.Remove(20), 1); // a middle node: the cursor moves to the node after it
    QCOMPARE(ids.GetCursor(), 30);
    QCOMPARE(QList<int>(ids.begin(), ids.end()), (QList<int>{10, 30, 20}));
    QCOMPARE(ids.Remove(20), 1); // the tail: the cursor moves to the node before it
    QCOMPARE(ids.GetCursor(), 30);
    QCOMPARE(ids.GetTail(), 30);
    QCOMPARE(ids.Remove(10), 1); // the head
    QCOMPARE(ids.GetHead(), 30);
    QCOMPARE(ids.GetCursor(), 30);
    QCOMPARE(ids.Remove(30), 1); // the only node
    QVERIFY(ids.IsEmpty());
    QVERIFY(!ids.HasCursor());
    QCOMPARE(ids.GetCount(), 0);

    ids.Append(5);
    QCOMPARE(ids.GetCursor(), 5);
    ids.RemoveAll();
    QCOMPARE(ids.GetCount(), 0);
    QVERIFY(!ids.HasCursor());
}

void TestRecords::listFreesOnlyWhatItOwns() {
    Tracked kept;
    {
        CItemList<Tracked*> owning;
        QVERIFY(owning.OwnsItems());
        owning.Append(new Tracked);
        owning.Append(new Tracked);
        auto* third = new Tracked;
        owning.Append(third);
        QCOMPARE(Tracked::alive, 4);
        QCOMPARE(owning.Remove(third), 1);
        QCOMPARE(Tracked::alive, 3);
        QCOMPARE(owning.Remove(&kept), 0);
        owning.RemoveAll();
        QCOMPARE(Tracked::alive, 1);
        owning.Append(new Tracked);
    } // destroying an owning list frees what is left
    QCOMPARE(Tracked::alive, 1);

    CItemList<Tracked*> borrowing(false);
    borrowing.Append(&kept);
    QCOMPARE(borrowing.Remove(&kept), 1);
    borrowing.Append(&kept);
    borrowing.RemoveAll();
    borrowing.Append(&kept);
    borrowing.SetOwnsItems(true);
    borrowing.SetOwnsItems(false);
    QCOMPARE(Tracked::alive, 1);
}

void TestRecords::predicatesFollowTheCodes() {
    // A free type or member counts as not counted whatever its kind or level.
    CUnitType type;
    type.CombatantType = kLeaderType;
    type.Points = 10;
    QVERIFY(!type.IsUncountedType());
    type.Points = 0;
    QVERIFY(type.IsUncountedType());
    QVERIFY(type.IsLeaderType());

    CArmyUnit unit;
    unit.Hierarchie = kGroupLeader;
    unit.Points = 10;
    QVERIFY(unit.IsLeader() && unit.IsGroupLeader() && !unit.IsWarchief());
    QVERIFY(!unit.IsUncounted());
    unit.Points = 0;
    QVERIFY(unit.IsUncounted());
    unit.Hierarchie = kCombatUnit;
    QVERIFY(!unit.IsLeader());
    QVERIFY(!unit.IsMachine());
    unit.CombatantType = kMachineType; // a machine by its type, whatever its level
    QVERIFY(unit.IsMachine());
}

void TestRecords::armyUnitIsMadeFromItsTypeAndCopiesOnlyStoredFields() {
    const CArmyUnit empty;
    QCOMPARE(empty.IdUnite, -1);
    QCOMPARE(empty.IdParentUnit, -1);
    QCOMPARE(empty.IdLeader, -1);
    QCOMPARE(empty.IdArmee, -1);
    QCOMPARE(empty.m_pMainUnit, nullptr);
    QVERIFY(!empty.m_attached.OwnsItems());

    CUnitType type;
    type.ArmyTypeId = 12;
    type.NomFR = QStringLiteral("Lancier");
    type.NomGB = QStringLiteral("Spearman");
    type.Max = 12;
    type.Min = 8;
    type.Points = 7;
    type.UPG = 2;
    type.IdRace = 11;
    type.Mouvement = 4.5f;
    type.CombatantType = kCombatUnitType;
    CArmyUnit unit(type);
    QCOMPARE(unit.NombreFig, 12);
    QCOMPARE(unit.CoutTotal, 7);
    QCOMPARE(unit.Nom, QStringLiteral("Spearman"));
    QCOMPARE(unit.NomUnitType, QStringLiteral("Spearman"));
    QCOMPARE(unit.IdVisual, -1);
    QCOMPARE(unit.IdUnite, -1);
    QCOMPARE(unit.Hierarchie, 0);
    QCOMPARE(unit.Etendard + unit.Musicien + unit.Pc, 0);
    QCOMPARE(unit.IdRace, 11);
    QCOMPARE(unit.Min, 8);
    QCOMPARE(unit.UPG, 2);
    QCOMPARE(unit.Mouvement, 4.5f);

    // Copying onto a unit keeps that unit's links to its main unit and attached units.
    CArmyUnit main;
    CArmyUnit mount;
    CArmyUnit target;
    target.m_pMainUnit = &main;
    target.m_attached.Append(&mount);
    unit.IdUnite = 77;
    unit.Pc = 3;
    unit.m_pMainUnit = &mount;
    target = unit;
    QCOMPARE(target.IdUnite, 77);
    QCOMPARE(target.Pc, 3);
    QCOMPARE(target.Nom, QStringLiteral("Spearman"));
    QCOMPARE(target.Mouvement, 4.5f);
    QCOMPARE(target.m_pMainUnit, &main);
    QCOMPARE(target.m_attached.GetCount(), 1);
    QCOMPARE(target.m_attached.GetHead(), &mount);

    const CArmyUnit copy(unit); // a fresh copy starts without links
    QCOMPARE(copy.IdUnite, 77);
    QCOMPARE(copy.m_pMainUnit, nullptr);
    QVERIFY(copy.m_attached.IsEmpty());
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
