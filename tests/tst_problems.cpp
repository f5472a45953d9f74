#include "TestData.h"
#include "TestDataSource.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "model/ArmyProblems.h"
#include "model/CArmy.h"

#include <QtTest>

// The army's problems: each line comes with the member (or the army's state) that causes it
// and goes with it.
class TestProblems : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachProblemComesAndGoesWithItsCause();
    void anArmyStoredWithoutWarchiefSaysSo();

private:
    const CUnitType* Type(const QString& name) const { return TypeNamed(m_types, name); }
    // The problems as "kind: member: text" lines.
    static QStringList Lines();

    std::unique_ptr<TestDataSource> m_source;
    CItemList<CUnitType*> m_types;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestProblems::initTestCase() {
    QString failure;
    m_source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(m_source, qPrintable(failure));
    QVERIFY(CArmyDatabase::Instance().LoadUnitTypes(m_types));
    m_messages = std::make_unique<MessageRecorder>();
}

QStringList TestProblems::Lines() {
    QStringList lines;
    for (const CArmyProblem& problem : FindProblems(CArmy::Instance()))
        lines << QStringLiteral("%1: %2").arg(
            problem.member ? problem.member->Nom : QStringLiteral("army"), problem.text);
    return lines;
}

void TestProblems::eachProblemComesAndGoesWithItsCause() {
    CArmy& army = CArmy::Instance();
    QVERIFY(army.Create(13, QStringLiteral("Fautive"), 100) && army.Open(army.GetHeader().IdArmee));
    QVERIFY(Lines().isEmpty());
    army.AddWarchief(*Type("T3 Orc warlord"));
    army.AddGroupLeader(*Type("T3 Orc warlord"));
    CArmyUnit* leader = army.Units().GetTail();
    QCOMPARE(Lines(),
             (QStringList{
                 "army: L'armée dépasse son budget de 20 points.",
                 "T3 Orc warlord: Le chef de groupe T3 Orc warlord ne commande aucune unité.",
                 "T3 Orc warlord: 2 membres s'appellent « T3 Orc warlord ».",
             }));
    army.SetProperties(army.GetName(), 2000);
    army.RenameMember(leader, QStringLiteral("Grok"));
    army.AddUnit(leader, {Type("T5 Warriors")});
    QVERIFY2(Lines().isEmpty(), qPrintable(Lines().join('\n')));

    // A dwarf among orcs; musicians, figures and quality beyond what the type allows (as data
    // written elsewhere may hold).
    army.AddUnit(leader, {Type("Dwarf lord")}); // a leader type: a group leader of its own
    CArmyUnit* dwarf = army.Units().GetTail();
    army.AddUnit(dwarf, {Type("T5 Warriors")});
    CArmyUnit* warriors = army.Units().GetTail();
    CArmyUnit edited = *warriors;
    edited.Musicien = edited.NombreFig = 40;
    edited.IdQualite = 3;
    army.UpdateMember(warriors, edited);
    army.RenameMember(warriors, QStringLiteral("Fous"));
    const QStringList expected{
        "Dwarf lord: Dwarf lord n'est pas de la race de l'armée (Orc).",
        "Fous: Fous a 40 musiciens pour 40 figurines : il en faut moins que de figurines.",
        "Fous: Fous a 40 figurines ; son type en permet de 10 à 30.",
        "Fous: Fous est de qualité Elite ; son type permet de Pauvre à Moyen."};
    QCOMPARE(Lines(), expected);

    edited = *warriors;
    edited.NombreFig = warriors->Max;
    edited.Musicien = 1;
    edited.IdQualite = warriors->IdQualiteMin;
    army.UpdateMember(warriors, edited);
    QCOMPARE(Lines(), expected.mid(0, 1));
    army.Delete(dwarf);
    QVERIFY(Lines().isEmpty());
    army.Close();
    QVERIFY(Lines().isEmpty());
}

void TestProblems::anArmyStoredWithoutWarchiefSaysSo() {
    CArmy& army = CArmy::Instance();
    QVERIFY(army.Create(13, QStringLiteral("Sans chef"), 500) &&
            army.Open(army.GetHeader().IdArmee));
    army.AddWarchief(*Type("T3 Orc warlord"));
    army.AddUnit(army.GetWarchief(), {Type("T5 Warriors")});
    const int armyId = army.GetHeader().IdArmee;
    army.Close();
    // Another program made the warchief a mere group leader.
    QVERIFY(m_source->ExecOnOtherConnection(
        QStringLiteral("UPDATE ArmeeCompo SET Hierarchie = 2 WHERE IdArmee = %1 AND IdVisual = 0")
            .arg(armyId)));
    QVERIFY(army.Open(armyId));
    QCOMPARE(Lines().first(), QStringLiteral("army: L'armée n'a pas de chef de guerre."));
    army.Delete(army.GetWarchief());
    QVERIFY(Lines().isEmpty());
    army.Close();
}

QTEST_MAIN(TestProblems)
#include "tst_problems.moc"
