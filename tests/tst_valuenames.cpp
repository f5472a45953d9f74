#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"

#include <QtTest>

// Names of coded values, list cells and report lines of army units, in the built-in French.
class TestValueNames : public QObject {
    Q_OBJECT

private slots:
    void rankedNames_data();
    void rankedNames();
    void namesAndImages();
    void movement_data();
    void movement();
    void rowCells();
    void notes();
    void reportLines();
};

namespace {

CArmyUnit Infantry() {
    CArmyUnit unit;
    unit.Nom = QStringLiteral("Lanciers");
    unit.CombatantType = kCombatUnitType;
    unit.Hierarchie = kCombatUnit;
    unit.IdQualite = 1;
    unit.Force = 3;
    unit.Resistance = 4;
    unit.IdArmure = 2;
    unit.Bouclier = 1;
    unit.IdArmePrincipale = 1;
    unit.IdArmeSecondaire = 13;
    unit.Mouvement = 5.0f;
    unit.JetSauvegarde = 5;
    unit.IdEclairage = 1;
    unit.Points = 7;
    unit.UPG = 2;
    unit.Min = 10;
    unit.Max = 30;
    unit.NombreFig = 12;
    unit.Musicien = 1;
    unit.Etendard = 1;
    unit.CoutTotal = 90;
    return unit;
}

} // namespace

void TestValueNames::rankedNames_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("combatantType");
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QString>("discipline");
    QTest::addColumn<QString>("lighting");

    const QString crew = QStringLiteral("As crew");
    QTest::newRow("unset") << -1 << 2 << QString() << QString() << QString();
    QTest::newRow("first") << 0 << 2 << "Pauvre"
                           << "Discipliné"
                           << "Aucun";
    QTest::newRow("third") << 2 << 1 << "Vétérant"
                           << "Fanatique"
                           << "Nuit";
    QTest::newRow("fourth") << 3 << 5 << "Elite"
                            << "Tribale / Fanatique" << QString();
    QTest::newRow("out of sequence ids") << 4 << 2 << "Imprévisible"
                                         << "Mort" << QString();
    QTest::newRow("crew code") << 5 << 2 << crew << crew << QString();
    QTest::newRow("beyond") << 6 << 2 << QString() << QString() << QString();
    QTest::newRow("mount, unset") << -1 << 4 << "''"
                                  << "''"
                                  << "''";
    QTest::newRow("machine, unset") << -1 << 6 << crew << crew << QString();
}

void TestValueNames::rankedNames() {
    QFETCH(int, code);
    QFETCH(int, combatantType);
    QTEST(GetQualityName(code, combatantType), "quality");
    QTEST(GetDisciplineName(code, combatantType), "discipline");
    QTEST(GetLightingName(code, combatantType), "lighting");
}

void TestValueNames::namesAndImages() {
    QCOMPARE(GetArmourName(0), QStringLiteral("Aucune"));
    QCOMPARE(GetArmourName(5), QStringLiteral("Spéciale"));
    QCOMPARE(GetWeaponName(14), QStringLiteral("Pique"));
    QCOMPARE(GetRaceName(15), QStringLiteral("Troll"));
    QCOMPARE(GetRaceName(16), QStringLiteral("Hobbit"));
    QCOMPARE(GetYesNoName(1), QStringLiteral("Oui"));
    QCOMPARE(GetYesNoName(2), QStringLiteral("Non"));
    // Codes just past each table, where a shared string-table range would leak a wrong name.
    for (const QString& outside :
         {GetArmourName(6), GetArmourName(-1), GetWeaponName(15), GetRaceName(-1), GetRaceName(17)})
        QVERIFY(outside.isEmpty());

    // Every lookup from -1 to just past its table.
    const auto lookUps = [](int (*lookUp)(int), int last) {
        QList<int> results;
        for (int code = -1; code <= last; ++code)
            results << lookUp(code);
        return results;
    };
    QCOMPARE(lookUps(GetRaceBitmapId, 17),
             QList<int>({161, 150, 151, 161, 161, 152, 153, 162, 154, 155, 156, 161, 157, 158, 159,
                         161, 160, 161, 161}));
    QCOMPARE(lookUps(GetUnitKindImageByHierarchy, 8),
             QList<int>({-1, -1, 0, 1, 2, 3, 4, 6, 5, -1}));
    QCOMPARE(lookUps(GetUnitKindImageByCombatantType, 7),
             QList<int>({-1, -1, 1, 2, 3, 4, 6, 5, -1}));
    QCOMPARE(lookUps(GetWeaponImage, 15),
             QList<int>({-1, -1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -1}));
    QCOMPARE(lookUps(GetArmourImage, 5), QList<int>({-1, -1, 21, 22, 23, 24, -1}));
}

void TestValueNames::movement_data() {
    QTest::addColumn<float>("mouvement");
    QTest::addColumn<int>("combatantType");
    QTest::addColumn<QString>("text");

    QTest::newRow("even") << 4.0f << 2 << "10";
    QTest::newRow("odd") << 5.0f << 2 << "12.5";
    QTest::newRow("small odd") << 3.0f << 1 << "7.5";
    QTest::newRow("even with half") << 4.5f << 2 << "11";
    QTest::newRow("zero") << 0.0f << 2 << QString();
    QTest::newRow("mount without movement") << 0.0f << 4 << "''";
    QTest::newRow("machine") << 5.0f << 6 << QString();
}

void TestValueNames::movement() {
    QFETCH(float, mouvement);
    QFETCH(int, combatantType);
    CUnitStats stats;
    stats.Mouvement = mouvement;
    stats.CombatantType = combatantType;
    QTEST(FormatMovementText(stats), "text");
}

void TestValueNames::rowCells() {
    CArmyUnit unit = Infantry();
    QCOMPARE(UnitStatCells(unit),
             QStringList({"Moyen", "Discipliné", "3", "4", "", "", "Moyenne / Bouclier",
                          "1 main / Lance", "12.5", "5", "", "Jour", "7", "2", "10", "30"}));

    // A mount shows its own fighting statistics and gear, and "''" for what its rider decides.
    unit.CombatantType = kUncountedType;
    unit.Terrible = 1;
    QCOMPARE(UnitStatCells(unit),
             QStringList({"''", "''", "3", "4", "", "", "Moyenne / Bouclier", "1 main / Lance",
                          "''", "''", "*", "''", "''", "''", "''", "''"}));

    unit.CombatantType = kMachineType;
    QCOMPARE(UnitStatCells(unit),
             QStringList({"As crew", "As crew", "3", "4", "", "", "Moyenne / Bouclier",
                          "1 main / Lance", "", "", "*", "", "", "", "", ""}));

    CUnitStats stats;
    stats.IdArmeSecondaire = 5;
    QCOMPARE(FormatWeaponsText(stats), QStringLiteral(" / Arc"));
    stats.IdArmeSecondaire = 0;
    QCOMPARE(FormatWeaponsText(stats), QString());
    stats.Bouclier = 2;
    QCOMPARE(FormatArmourText(stats), QStringLiteral("Aucune"));
}

void TestValueNames::notes() {
    CArmyUnit unit = Infantry();
    QCOMPARE(FormatNotesText(unit), QStringLiteral("90 pts - 12 fig, 1 Mus, 1 étendard"));
    unit.Musicien = 3;
    unit.Etendard = 2;
    QCOMPARE(FormatNotesText(unit), QStringLiteral("90 pts - 12 fig, 3 Mus"));
    unit.CombatantType = kUncountedType;
    QCOMPARE(FormatNotesText(unit), QString());
    QCOMPARE(FormatReportNotesText(unit), QString());

    CArmyUnit leader;
    leader.CoutTotal = 80;
    leader.Pc = 3;
    leader.NombreFig = 1;
    leader.Hierarchie = kGroupLeader;
    QCOMPARE(FormatNotesText(leader), QStringLiteral("80 pts - 3 Pc"));
    // A mounted warchief keeps its command points in the report only.
    leader.Hierarchie = kWarchief;
    leader.CombatantType = kUncountedType;
    QCOMPARE(FormatNotesText(leader), QString());
    QCOMPARE(FormatReportNotesText(leader), QStringLiteral("80 pts - 3 Pc"));
}

void TestValueNames::reportLines() {
    QCOMPARE(
        UnitTextHeaderLine(),
        QStringLiteral("Nom\tQua\tType\tFor\tRes\tVal\tArmure\tArme\tMvt\tJp\tTer\tEcl\tNotes\n"));

    CArmyUnit unit = Infantry();
    unit.IdLeader = 3;
    const QString line = QStringLiteral("Lanciers\tMoyen\tDiscipliné\t3\t4\t\tMoyenne / Bouclier\t"
                                        "1 main / Lance\t12.5\t5\t\tJour\t"
                                        "90 pts - 12 fig, 1 Mus, 1 étendard\n");
    QCOMPARE(UnitTextLine(unit, 1), QStringLiteral("        ") + line);
    unit.IdLeader = 1;
    QCOMPARE(UnitTextLine(unit, 1), QStringLiteral("    ") + line);

    // Leaders are placed by their level, whatever their IdLeader says.
    unit.IdLeader = 5;
    unit.Hierarchie = kGroupLeader;
    QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("    Lanciers\t")));
    unit.Hierarchie = kWarchief;
    unit.IdLeader = 1;
    QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("Lanciers\t")));
}

QTEST_MAIN(TestValueNames)
#include "tst_valuenames.moc"
