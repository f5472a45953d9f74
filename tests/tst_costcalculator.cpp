#include "army/CUnitCostCalculator.h"
#include "data/CArmyUnit.h"

#include <QtTest>

class TestCostCalculator : public QObject {
    Q_OBJECT

private slots:
    void pricesByTheRuleOfEachLevel();
};

namespace {

struct Member {
    int level, points, upg, figures;
    bool bought; // a quality other than the type's basic one
    int musicians, standard, pc, stored;
};

// The price computed for the member; -1 unless the unit is left holding that same price with
// its command points as they were.
int Price(const Member& m) {
    CArmyUnit unit;
    unit.Hierarchie = m.level;
    unit.Points = m.points;
    unit.UPG = m.upg;
    unit.NombreFig = m.figures;
    unit.IdQualiteMin = 1;
    unit.IdQualiteMax = 2;
    unit.IdQualite = m.bought ? 2 : 1;
    unit.Musicien = m.musicians;
    unit.Etendard = m.standard;
    unit.Pc = m.pc;
    unit.CoutTotal = m.stored;
    CUnitCostCalculator calculator;
    calculator.SetUnit(&unit);
    const int price = calculator.ComputeCost();
    return price == unit.CoutTotal && unit.Pc == m.pc ? price : -1;
}

} // namespace

void TestCostCalculator::pricesByTheRuleOfEachLevel() {
    // Troops: figures at their price (plus the upgrade when bought), 10 a musician, 10 the
    // standard, 10 the unit itself.
    QCOMPARE(Price({kCombatUnit, 5, 2, 12, false, 1, 1, 0, 0}), 90);
    QCOMPARE(Price({kCombatUnit, 5, 2, 12, true, 1, 1, 0, 0}), 114);
    QCOMPARE(Price({kCombatUnit, 4, 0, 10, false, 2, 0, 0, 0}), 70);
    QCOMPARE(Price({kCombatUnit, 5, 0, 2, false, 0, 7, 0, 0}), 20); // only 1 is a standard
    QCOMPARE(Price({kCrew, 4, 0, 3, false, 0, 0, 0, 0}), 22);
    QCOMPARE(Price({kMachine, 40, 0, 1, false, 0, 0, 0, 0}), 50);
    // Leaders: their points and their command points, nothing else.
    QCOMPARE(Price({kGroupLeader, 50, 9, 1, true, 3, 1, 3, 0}), 80);
    QCOMPARE(Price({kWarchief, 60, 0, 1, false, 0, 0, 5, 0}), 140);
    // Others keep the price they have.
    QCOMPARE(Price({kIndividual, 35, 2, 9, true, 1, 1, 0, 35}), 35);
    QCOMPARE(Price({kUncounted, 12, 0, 10, false, 0, 0, 0, 12}), 12);

    // A count of command points written by another program is priced as the nearest one.
    QCOMPARE(Price({kGroupLeader, 50, 0, 1, false, 0, 0, 9, 0}), 130);
    QCOMPARE(Price({kGroupLeader, 50, 0, 1, false, 0, 0, -3, 0}), 50);
}

QTEST_APPLESS_MAIN(TestCostCalculator)
#include "tst_costcalculator.moc"
