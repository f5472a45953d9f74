#include "data/CArmyUnit.h"
#include "data/CUnitType.h"

#include <QtTest>

namespace {
// Counts live instances, to see which items a list frees.
struct Tracked {
    static inline int alive = 0;
    Tracked() { ++alive; }
    ~Tracked() { --alive; }
};
} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void listRemovesTheFirstMatchAndFreesOnlyWhatItOwns() {
        CIdList ids;
        for (int id : {10, 20, 30, 20})
            ids.Append(id);
        QCOMPARE(ids.Remove(99) + ids.Remove(20), 1);
        QCOMPARE(QList<int>(ids.begin(), ids.end()), (QList<int>{10, 30, 20}));

        Tracked kept;
        {
            CItemList<Tracked*> owning;
            auto* removed = new Tracked;
            owning.Append(removed);
            owning.Append(new Tracked);
            QCOMPARE(owning.Remove(removed), 1);
            QCOMPARE(Tracked::alive, 2);
            owning.RemoveAll();
            QCOMPARE(Tracked::alive, 1);
            owning.Append(new Tracked);
        } // destroying an owning list frees what is left
        CItemList<Tracked*> borrowing(false);
        borrowing.Append(&kept);
        QCOMPARE(borrowing.Remove(&kept), 1);
        borrowing.Append(&kept); // left for the destructor
        QCOMPARE(Tracked::alive, 1);
    }

    void armyUnitIsMadeFromItsTypeAndCopiesOnlyStoredFields() {
        // A new member starts with the most figures its type allows, under the English name.
        CUnitType type;
        type.NomFR = QStringLiteral("Lancier");
        type.NomGB = QStringLiteral("Spearman");
        type.Max = 12;
        type.Min = 8;
        type.Points = 7;
        type.Mouvement = 4.5f;
        CArmyUnit unit(type);
        QCOMPARE((QVariantList{unit.NombreFig, unit.CoutTotal, unit.Nom, unit.NomUnitType,
                               unit.IdVisual, unit.Mouvement}),
                 (QVariantList{12, 7, "Spearman", "Spearman", -1, 4.5f}));

        // Copying onto a unit keeps that unit's links to its main unit and attached units; a
        // fresh copy starts without links.
        CArmyUnit main, mount, target;
        target.m_pMainUnit = &main;
        target.m_attached.Append(&mount);
        unit.IdUnite = 77;
        unit.Pc = 3;
        unit.m_pMainUnit = &mount;
        target = unit;
        const CArmyUnit copy(unit);
        QCOMPARE((QVariantList{target.IdUnite, target.Pc, target.Mouvement, copy.IdUnite}),
                 (QVariantList{77, 3, 4.5f, 77}));
        QVERIFY(target.m_pMainUnit == &main && target.m_attached.GetCount() == 1);
        QVERIFY(!copy.m_pMainUnit && copy.m_attached.IsEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
