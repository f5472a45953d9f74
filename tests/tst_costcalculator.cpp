// SPDX-License-Identifier: GPL-3.0-or-later

#include "army/CUnitCostCalculator.h"
#include "data/CArmyUnit.h"

#include <QtTest>

class TestCostCalculator : public QObject {
    Q_OBJECT

private slots:
    void pricesByTheRuleOfEachLevel() {
        struct Member {
            int level, points, upg, figures;
            bool bought; // a quality other than the type's basic one
            int musicians, standard, pc, stored, price;
        };
        // clang-format off
        const Member members[] = {
            // Troops: figures at their price (plus the upgrade when bought), 10 a musician, 10
            // the standard (only 1 is one), 10 the unit itself.
            {kCombatUnit, 5, 2, 12, false, 1, 1, 0, 0, 90}, {kCombatUnit, 5, 2, 12, true, 1, 1, 0, 0, 114},
            {kCombatUnit, 4, 0, 10, false, 2, 0, 0, 0, 70}, {kCombatUnit, 5, 0, 2, false, 0, 7, 0, 0, 20},
            {kCrew, 4, 0, 3, false, 0, 0, 0, 0, 22}, {kMachine, 40, 0, 1, false, 0, 0, 0, 0, 50},
            // Leaders: their points and their command points, nothing else; a count written by
            // another program is priced as the nearest one.
            {kGroupLeader, 50, 9, 1, true, 3, 1, 3, 0, 80}, {kWarchief, 60, 0, 1, false, 0, 0, 5, 0, 140},
            {kGroupLeader, 50, 0, 1, false, 0, 0, 9, 0, 130}, {kGroupLeader, 50, 0, 1, false, 0, 0, -3, 0, 50},
            // Others keep the price they have.
            {kIndividual, 35, 2, 9, true, 1, 1, 0, 35, 35}, {kUncounted, 12, 0, 10, false, 0, 0, 0, 12, 12},
        };
        // clang-format on
        for (const Member& m : members) {
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
            // The unit is left holding the price, its command points as they were.
            QCOMPARE((QList<int>{calculator.ComputeCost(), unit.CoutTotal, unit.Pc}),
                     (QList<int>{m.price, m.price, m.pc}));
        }
    }
};

QTEST_APPLESS_MAIN(TestCostCalculator)
#include "tst_costcalculator.moc"
