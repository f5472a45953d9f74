#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"

#include <QtTest>

// Names of coded values, list cells and report lines of army units, in the built-in French.
class TestValueNames : public QObject {
    Q_OBJECT

private slots:
    void namesAndImagesOfCodes();
    void cellsNotesAndReportLines();
};

namespace {

// A distinct text in every statistic column, so that a swap of two columns shows.
CArmyUnit Infantry() {
    CArmyUnit unit;
    unit.Nom = QStringLiteral("Lanciers");
    unit.CombatantType = kCombatUnitType;
    unit.Hierarchie = kCombatUnit;
    unit.IdQualite = 1;
    unit.Force = 3;
    unit.Resistance = 4;
    unit.Valeur = 6;
    unit.IdArmure = 2;
    unit.Bouclier = 1;
    unit.IdArmePrincipale = 1;
    unit.IdArmeSecondaire = 13;
    unit.Mouvement = 5.0f;
    unit.JetSauvegarde = 5;
    unit.Terrible = 1;
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

// Quality, discipline and lighting names of one code.
QStringList Ranked(int code, int combatantType) {
    return {GetQualityName(code, combatantType), GetDisciplineName(code, combatantType),
            GetLightingName(code, combatantType)};
}

QList<int> LookUps(int (*lookUp)(int), const QList<int>& codes) {
    QList<int> results;
    for (int code : codes)
        results << lookUp(code);
    return results;
}

} // namespace

// Each table's last entries and the codes just outside it, where a shared string-table range
// would leak a neighbour's name.
void TestValueNames::namesAndImagesOfCodes() {
    // Code 5 is the crew's value.
    const QString none;
    QCOMPARE(Ranked(-1, kCombatUnitType), (QStringList{none, none, none}));
    QCOMPARE(Ranked(4, kCrewType), (QStringList{"Imprévisible", "Mort", none}));
    QCOMPARE(Ranked(5, kCombatUnitType), (QStringList{"As crew", "As crew", none}));
    QCOMPARE(Ranked(6, kCombatUnitType), (QStringList{none, none, none}));

    QCOMPARE(GetArmourName(5) + GetWeaponName(14) + GetRaceName(15) + GetRaceName(16),
             QStringLiteral("SpécialePiqueTrollHobbit"));
    for (const QString& outside :
         {GetArmourName(6), GetArmourName(-1), GetWeaponName(15), GetRaceName(-1), GetRaceName(17)})
        QVERIFY(outside.isEmpty());

    QCOMPARE(LookUps(GetRaceBitmapId, {-1, 0, 15, 16}), QList<int>({161, 150, 160, 161}));
    QCOMPARE(LookUps(GetUnitKindImageByHierarchy, {0, 1, 6, 7, 8}), QList<int>({-1, 0, 6, 5, -1}));
    QCOMPARE(LookUps(GetUnitKindImageByCombatantType, {0, 1, 5, 6, 7}),
             QList<int>({-1, 1, 6, 5, -1}));
    QCOMPARE(LookUps(GetWeaponImage, {0, 1, 14, 15}), QList<int>({-1, 7, 20, -1}));
    QCOMPARE(LookUps(GetArmourImage, {0, 1, 4, 5}), QList<int>({-1, 21, 24, -1}));
}

void TestValueNames::cellsNotesAndReportLines() {
    CArmyUnit unit = Infantry();
    QCOMPARE(UnitStatCells(unit),
             QStringList({"Moyen", "Discipliné", "3", "4", "6", "", "Moyenne / Bouclier",
                          "1 main / Lance", "12.5", "5", "*", "Jour", "7", "2", "10", "30"}));

    CUnitStats stats;
    stats.IdArmeSecondaire = 5;
    stats.Bouclier = 2;
    QCOMPARE(FormatWeaponsText(stats) + FormatArmourText(stats), QStringLiteral(" / ArcAucune"));

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

QTEST_MAIN(TestValueNames)
#include "tst_valuenames.moc"
