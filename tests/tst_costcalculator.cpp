#include "army/CUnitCostCalculator.h"
#include "data/CArmyUnit.h"

#include <QtTest>

class TestCostCalculator : public QObject {
    Q_OBJECT

private slots:
    void pricesByTheRuleOfEachLevel_data();
    void pricesByTheRuleOfEachLevel();
    void commandPointsAreNotLinear();
    void outOfRangeCommandPointsNeverLowerTheLeaderPrice();
    void followsEveryChangeOfTheBoundUnit();
};

void TestCostCalculator::pricesByTheRuleOfEachLevel_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("upg");
    QTest::addColumn<int>("figures");
    QTest::addColumn<bool>("bought");
    QTest::addColumn<int>("musicians");
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("pc");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("combat unit, basic quality")
        << 3 << 5 << 2 << 12 << false << 1 << 1 << 0 << 0 << 90;
    QTest::newRow("better quality bought") << 3 << 5 << 2 << 12 << true << 1 << 1 << 0 << 0 << 114;
    QTest::newRow("no extras") << 3 << 3 << 0 << 20 << false << 0 << 0 << 0 << 0 << 70;
    QTest::newRow("two musicians") << 3 << 4 << 0 << 10 << false << 2 << 0 << 0 << 0 << 70;
    QTest::newRow("other quality without upgrade price")
        << 3 << 4 << 0 << 10 << true << 0 << 0 << 0 << 0 << 50;
    QTest::newRow("huge upgrade never paid at basic quality")
        << 3 << 4 << 500 << 10 << false << 0 << 0 << 0 << 0 << 50;
    QTest::newRow("no figures still pays the unit")
        << 3 << 6 << 1 << 0 << false << 2 << 1 << 0 << 0 << 40;
    QTest::newRow("standard other than 1 is no standard")
        << 3 << 5 << 0 << 2 << false << 0 << 7 << 0 << 0 << 20;
    QTest::newRow("crew") << 6 << 4 << 0 << 3 << false << 0 << 0 << 0 << 0 << 22;
    QTest::newRow("machine") << 7 << 40 << 0 << 1 << false << 0 << 0 << 0 << 0 << 50;
    QTest::newRow("group leader") << 2 << 50 << 9 << 1 << true << 3 << 1 << 3 << 0 << 80;
    QTest::newRow("warchief") << 1 << 60 << 0 << 1 << false << 0 << 0 << 5 << 0 << 140;
    QTest::newRow("individual keeps its price")
        << 4 << 35 << 2 << 9 << true << 1 << 1 << 0 << 35 << 35;
    QTest::newRow("mount keeps its price")
        << 5 << 12 << 0 << 10 << false << 0 << 0 << 0 << 12 << 12;
    QTest::newRow("unknown level keeps its price")
        << 9 << 12 << 0 << 10 << false << 0 << 0 << 0 << 33 << 33;
}

void TestCostCalculator::pricesByTheRuleOfEachLevel() {
    QFETCH(int, level);
    QFETCH(int, points);
    QFETCH(int, upg);
    QFETCH(int, figures);
    QFETCH(bool, bought);
    QFETCH(int, musicians);
    QFETCH(int, standard);
    QFETCH(int, pc);
    QFETCH(int, stored);
    QFETCH(int, expected);

    CArmyUnit unit;
    unit.Hierarchie = level;
    unit.Points = points;
    unit.UPG = upg;
    unit.NombreFig = figures;
    unit.IdQualiteMin = 1;
    unit.IdQualiteMax = 2;
    unit.IdQualite = bought ? 2 : 1;
    unit.Musicien = musicians;
    unit.Etendard = standard;
    unit.Pc = pc;
    unit.CoutTotal = stored;

    CUnitCostCalculator calculator;
    calculator.SetUnit(&unit);
    QCOMPARE(calculator.ComputeCost(), expected);
    QCOMPARE(unit.CoutTotal, expected);
}

void TestCostCalculator::commandPointsAreNotLinear() {
    const int prices[] = {0, 10, 20, 30, 50, 80};
    for (int pc = 0; pc <= 5; ++pc)
        QCOMPARE(CUnitCostCalculator::CommandPointCost(pc), prices[pc]);
    QCOMPARE(CUnitCostCalculator::CommandPointCost(-1), -1);
    QCOMPARE(CUnitCostCalculator::CommandPointCost(6), -1);
}

void TestCostCalculator::outOfRangeCommandPointsNeverLowerTheLeaderPrice() {
    CArmyUnit leader;
    leader.Hierarchie = kGroupLeader;
    leader.Points = 50;
    CUnitCostCalculator calculator;
    calculator.SetUnit(&leader);
    leader.Pc = 9; // written by another program: priced as the most there is
    QCOMPARE(calculator.ComputeCost(), 130);
    leader.Pc = -3;
    QCOMPARE(calculator.ComputeCost(), 50);
    QCOMPARE(leader.Pc, -3); // the stored choice itself is not touched
}

void TestCostCalculator::followsEveryChangeOfTheBoundUnit() {
    CArmyUnit unit;
    unit.Hierarchie = kCombatUnit;
    unit.Points = 5;
    unit.UPG = 2;
    unit.NombreFig = 10;
    CUnitCostCalculator calculator;
    QCOMPARE(calculator.ComputeCost(), 0); // nothing bound: nothing priced
    calculator.SetUnit(&unit);
    QCOMPARE(unit.CoutTotal, 0); // binding prices nothing
    QCOMPARE(calculator.ComputeCost(), 60);
    unit.NombreFig = 12;
    QCOMPARE(calculator.ComputeCost(), 70);
    unit.Musicien = 1;
    QCOMPARE(calculator.ComputeCost(), 80);
    unit.Etendard = 1;
    QCOMPARE(calculator.ComputeCost(), 90);
    unit.IdQualite = 3;
    QCOMPARE(calculator.ComputeCost(), 114);

    CArmyUnit other = unit;
    other.NombreFig = 1;
    calculator.SetUnit(&other);
    QCOMPARE(calculator.ComputeCost(), 37);
    QCOMPARE(unit.CoutTotal, 114);
}

QTEST_APPLESS_MAIN(TestCostCalculator)
#include "tst_costcalculator.moc"
