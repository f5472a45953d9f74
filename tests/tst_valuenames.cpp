#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"

#include <QtTest>

// Names of coded values, list cells and report lines of army units, in the built-in French.
class TestValueNames : public QObject {
    Q_OBJECT

private slots:
    void rankedNames();
    void namesAndImages();
    void rowCells();
    void notesAndReportLines();
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

// Quality, discipline and lighting names of one code.
QStringList Ranked(int code, int combatantType) {
    return {GetQualityName(code, combatantType), GetDisciplineName(code, combatantType),
            GetLightingName(code, combatantType)};
}

// The results of a lookup for each code.
QList<int> LookUps(int (*lookUp)(int), const QList<int>& codes) {
    QList<int> results;
    for (int code : codes)
        results << lookUp(code);
    return results;
}

} // namespace

void TestValueNames::rankedNames() {
    const QString crew = QStringLiteral("As crew");
    const QString ditto = QStringLiteral("''");
    const QString none;
    QCOMPARE(Ranked(-1, kCombatUnitType), (QStringList{none, none, none}));
    QCOMPARE(Ranked(0, kCombatUnitType), (QStringList{"Pauvre", "Discipliné", "Aucun"}));
    QCOMPARE(Ranked(3, kCrewType), (QStringList{"Elite", "Tribale / Fanatique", none}));
    QCOMPARE(Ranked(4, kCombatUnitType), (QStringList{"Imprévisible", "Mort", none}));
    QCOMPARE(Ranked(5, kCombatUnitType), (QStringList{crew, crew, none}));
    QCOMPARE(Ranked(6, kCombatUnitType), (QStringList{none, none, none}));
    QCOMPARE(Ranked(-1, kUncountedType), (QStringList{ditto, ditto, ditto}));
    QCOMPARE(Ranked(-1, kMachineType), (QStringList{crew, crew, none}));
}

void TestValueNames::namesAndImages() {
    QCOMPARE(GetArmourName(5), QStringLiteral("Spéciale"));
    QCOMPARE(GetWeaponName(14), QStringLiteral("Pique"));
    QCOMPARE(GetRaceName(15), QStringLiteral("Troll"));
    QCOMPARE(GetRaceName(16), QStringLiteral("Hobbit"));
    QCOMPARE(GetYesNoName(1) + GetYesNoName(2), QStringLiteral("OuiNon"));
    // Codes just past each table, where a shared string-table range would leak a wrong name.
    for (const QString& outside :
         {GetArmourName(6), GetArmourName(-1), GetWeaponName(15), GetRaceName(-1), GetRaceName(17)})
        QVERIFY(outside.isEmpty());

    // Each table's ends, the codes around them and its irregular entries.
    QCOMPARE(LookUps(GetRaceBitmapId, {-1, 0, 2, 6, 15, 16}),
             QList<int>({161, 150, 161, 162, 160, 161}));
    QCOMPARE(LookUps(GetUnitKindImageByHierarchy, {0, 1, 6, 7, 8}), QList<int>({-1, 0, 6, 5, -1}));
    QCOMPARE(LookUps(GetUnitKindImageByCombatantType, {0, 1, 5, 6, 7}),
             QList<int>({-1, 1, 6, 5, -1}));
    QCOMPARE(LookUps(GetWeaponImage, {0, 1, 14, 15}), QList<int>({-1, 7, 20, -1}));
    QCOMPARE(LookUps(GetArmourImage, {0, 1, 4, 5}), QList<int>({-1, 21, 24, -1}));
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
    stats.Bouclier = 2;
    QCOMPARE(FormatArmourText(stats), QStringLiteral("Aucune"));

    // Only an odd whole movement gets the half.
    const auto movement = [&stats](float mouvement, int combatantType) {
        stats.Mouvement = mouvement;
        stats.CombatantType = combatantType;
        return FormatMovementText(stats);
    };
    QCOMPARE(movement(4.0f, kCombatUnitType), QStringLiteral("10"));
    QCOMPARE(movement(5.0f, kCombatUnitType), QStringLiteral("12.5"));
    QCOMPARE(movement(4.5f, kCombatUnitType), QStringLiteral("11"));
    QCOMPARE(movement(0.0f, kCombatUnitType), QString());
    QCOMPARE(movement(0.0f, kUncountedType), QStringLiteral("''"));
    QCOMPARE(movement(5.0f, kMachineType), QString());
}

void TestValueNames::notesAndReportLines() {
    CArmyUnit unit = Infantry();
    unit.IdLeader = 3;
    const QString line = QStringLiteral("Lanciers\tMoyen\tDiscipliné\t3\t4\t\tMoyenne / Bouclier\t"
                                        "1 main / Lance\t12.5\t5\t\tJour\t"
                                        "90 pts - 12 fig, 1 Mus, 1 étendard\n");
    QCOMPARE(UnitTextLine(unit, 1), QStringLiteral("        ") + line);
    // The header names each column of the line.
    const QString header = UnitTextHeaderLine();
    QVERIFY(header.startsWith(QStringLiteral("Nom\tQua\t")) && header.endsWith("\tNotes\n"));
    QCOMPARE(header.count(u'\t'), line.count(u'\t'));
    unit.IdLeader = 1;
    QCOMPARE(UnitTextLine(unit, 1), QStringLiteral("    ") + line);

    // Leaders are placed by their level, whatever their IdLeader says.
    unit.IdLeader = 5;
    unit.Hierarchie = kGroupLeader;
    QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("    Lanciers\t")));
    unit.Hierarchie = kWarchief;
    unit.IdLeader = 1;
    QVERIFY(UnitTextLine(unit, 1).startsWith(QStringLiteral("Lanciers\t")));

    // A mounted warchief keeps its command points in the report only; a mount has no notes.
    unit.Pc = 3;
    unit.CombatantType = kUncountedType;
    QCOMPARE(FormatNotesText(unit), QString());
    QCOMPARE(FormatReportNotesText(unit), QStringLiteral("90 pts - 3 Pc"));
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
