// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/CArmyUnit.h"
#include "data/CItemList.h"
#include "data/CUnitType.h"

#include <QtTest>

namespace {
// Counts live instances, to see which items a list frees.
struct Tracked {
    static inline int alive = 0;
    explicit Tracked(int key) : id(key) { ++alive; }
    ~Tracked() { --alive; }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    int id;
};
} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void listFreesWhatItHoldsAndNothingElse() {
        const auto ids = [](const CItemList<Tracked>& list) {
            QList<int> keys;
            for (const Tracked* item : list)
                keys << item->id;
            return keys;
        };
        Tracked foreign(99);
        {
            CItemList<Tracked> list;
            Tracked* first = list.Append(std::make_unique<Tracked>(1));
            Tracked* second = list.Append(std::make_unique<Tracked>(2));
            Tracked* third = list.Append(std::make_unique<Tracked>(3));
            list.Append(std::make_unique<Tracked>(4));
            QVERIFY(!list.Remove(&foreign) && list.Remove(second));
            QCOMPARE(Tracked::alive, 4);
            // Taken back, it outlives the list's hold.
            std::unique_ptr<Tracked> taken = list.Take(first);
            QVERIFY(taken && !list.Contains(first) && !list.Take(first));
            QCOMPARE(Tracked::alive, 4);
            taken.reset();

            // Another order keeps the records named, once each; the rest are freed, and a
            // record the list does not hold is never taken in.
            CItemList<Tracked> more;
            more.Append(std::make_unique<Tracked>(5));
            list.TakeAll(more);
            QVERIFY(more.IsEmpty());
            QCOMPARE(ids(list), (QList<int>{3, 4, 5}));
            list.Reorder(QList<Tracked*>{list.GetTail(), &foreign, third, third});
            QCOMPARE(ids(list), (QList<int>{5, 3}));
            QCOMPARE(Tracked::alive, 3);
        } // destroying the list frees what is left
        QCOMPARE(Tracked::alive, 1);
    }

    // Copying onto a unit keeps that unit's links to its main unit and attached units; a fresh
    // copy starts without links. (What a new member takes from its type shows in every export.)
    void armyUnitCopiesOnlyStoredFields() {
        CUnitType type;
        type.Mouvement = 4.5f;
        CArmyUnit unit(type), main, mount, target;
        target.m_pMainUnit = &main;
        target.m_attached.append(&mount);
        unit.IdUnite = 77;
        unit.Pc = 3;
        unit.m_pMainUnit = &mount;
        target = unit;
        const CArmyUnit copy(unit);
        QCOMPARE((QVariantList{target.IdUnite, target.Pc, target.Mouvement, copy.IdUnite}),
                 (QVariantList{77, 3, 4.5f, 77}));
        QVERIFY(target.m_pMainUnit == &main && target.m_attached.size() == 1);
        QVERIFY(!copy.m_pMainUnit && copy.m_attached.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
