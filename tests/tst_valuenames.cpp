// SPDX-License-Identifier: GPL-3.0-or-later

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"

#include <QtTest>

// Names of coded values, list cells and report lines of army units, in the built-in French.
class TestValueNames : public QObject {
    Q_OBJECT

private slots:
    // Each table's last entries and the codes just outside it, where a shared string-table range
    // would leak a neighbour's name or image.
    void namesAndImagesOfCodes() {
        const auto ranked = [](int code, int combatantType) {
            return GetQualityName(code, combatantType) + '|' +
                   GetDisciplineName(code, combatantType) + '|' +
                   GetLightingName(code, combatantType);
        };
        QCOMPARE(ranked(4, kCrewType) + ranked(5, kCombatUnitType),
                 QStringLiteral("Imprévisible|Mort|As crew|As crew|")); // 5: the crew's value
        QCOMPARE(ranked(-1, kCombatUnitType) + ranked(6, kCombatUnitType), QStringLiteral("||||"));
        QCOMPARE(GetArmourName(5) + GetWeaponName(14) + GetRaceName(16),
                 QStringLiteral("SpécialePiqueHobbit"));
        QCOMPARE(GetArmourName(6) + GetArmourName(-1) + GetWeaponName(15) + GetRaceName(-1) +
                     GetRaceName(17),
                 QString());
        QCOMPARE((QList<int>{GetRaceBitmapId(-1), GetRaceBitmapId(16), GetWeaponImage(14),
                             GetArmourImage(4), GetUnitKindImageByHierarchy(7),
                             GetUnitKindImageByCombatantType(6)}),
                 (QList<int>{161, 161, 20, 24, 5, 5}));
        QCOMPARE((QList<int>{GetWeaponImage(0), GetWeaponImage(15), GetArmourImage(5),
                             GetUnitKindImageByHierarchy(8), GetUnitKindImageByCombatantType(7)}),
                 QList<int>(5, -1));
    }

    void cellsNotesAndReportLines() {
        // A distinct text in every statistic column, so that a swap of two columns shows.
        CArmyUnit unit;
        unit.Nom = QStringLiteral("Lanciers");
        unit.CombatantType = kCombatUnitType;
        unit.Hierarchie = kCombatUnit;
        unit.IdQualite = unit.IdArmePrincipale = unit.Bouclier = unit.IdEclairage = 1;
        unit.Force = 3;
        unit.Resistance = 4;
        unit.Valeur = 6;
        unit.IdArmure = unit.UPG = 2;
        unit.IdArmeSecondaire = 13;
        unit.Mouvement = 5.0f;
        unit.JetSauvegarde = 5;
        unit.Terrible = unit.Musicien = unit.Etendard = 1;
        unit.Points = 7;
        unit.Min = 10;
        unit.Max = 30;
        unit.NombreFig = 12;
        unit.CoutTotal = 90;
        QCOMPARE(UnitStatCells(unit),
                 QStringList({"Moyen", "Discipliné", "3", "4", "6", "", "Moyenne / Bouclier",
                              "1 main / Lance", "12.5", "5", "*", "Jour", "7", "2", "10", "30"}));

        CUnitStats stats;
        stats.IdArmeSecondaire = 5;
        stats.Bouclier = 2;
        QCOMPARE(FormatWeaponsText(stats) + FormatArmourText(stats),
                 QStringLiteral(" / ArcAucune"));
        // Only an odd whole movement gets the half.
        stats.CombatantType = kCombatUnitType;
        QStringList movements;
        for (float mouvement : {4.0f, 4.5f, 0.0f}) {
            stats.Mouvement = mouvement;
            movements << FormatMovementText(stats);
        }
        QCOMPARE(movements, QStringList({"10", "11", ""}));

        // A report line is indented under its leader; leaders by their level, whatever their
        // IdLeader says.
        unit.IdLeader = 3;
        QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("        Lanciers\tMoyen\t")));
        unit.IdLeader = 5;
        unit.Hierarchie = kGroupLeader;
        QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("    Lanciers\t")));
        unit.Hierarchie = kUncounted;
        unit.IdLeader = -1; // the warchief's mount: no leader, as he has none
        QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("Lanciers\t")));
        unit.Hierarchie = kWarchief;
        QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("Lanciers\t")));

        // A mounted warchief keeps its command points in the report only; a mount has no notes.
        unit.Pc = 3;
        unit.CombatantType = kUncountedType;
        QCOMPARE(FormatNotesText(unit), QString());
        QVERIFY(UnitTextLine(unit, 1).endsWith(QStringLiteral("\t90 pts - 3 Pc\n")));
        unit.Hierarchie = kCombatUnit;
        QCOMPARE(FormatReportNotesText(unit), QString());
        // Only a standard of 1 is named.
        unit.CombatantType = kCombatUnitType;
        unit.Musicien = 3;
        unit.Etendard = 2;
        QCOMPARE(FormatNotesText(unit), QStringLiteral("90 pts - 12 fig, 3 Mus"));
    }
};

QTEST_MAIN(TestValueNames)
#include "tst_valuenames.moc"
