// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "model/ArmyProblems.h"

#include <QtTest>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The army every operation starts from: the warchief; leader A with riders (and their wolf)
// and warriors (and their spirit); leader B with a cannon (gunners, mule); the warchief's brute.
struct Baseline {
    CArmyUnit *warchief, *leaderA, *riders, *warriors, *leaderB, *cannon, *brute;
};
} // namespace

// The army model against a real data source, without any window: its rules, and that
// every editing operation is stored whole or not at all, however it is cut short.
class TestArmyModel : public ArmyFixture {
    Q_OBJECT

    // The open army's members by type, indented by depth.
    static QStringList Shape() {
        const CArmy& army = TheArmy();
        QStringList shape;
        for (const CArmyUnit* unit : army.Units())
            shape << QString(army.Depth(*unit), QLatin1Char(' ')) + unit->NomUnitType;
        return shape;
    }
    // A new open army, empty or the baseline; its key.
    int NewArmy(bool empty, Baseline* b = nullptr) {
        CArmy& army = TheArmy();
        if (!OpenNewArmy(QStringLiteral("Armée"), 500))
            return -1;
        if (empty)
            return army.GetHeader().IdArmee;
        army.AddWarchief(Warlord());
        army.AddGroupLeader(Warlord());
        army.AddGroupLeader(Warlord());
        const QList<CArmyUnit*> leaders(army.Units().begin(), army.Units().end());
        army.AddUnit(leaders.at(1), Types("T1 Wolf riders"));
        army.AddUnit(leaders.at(1), Types("T5 Warriors"));
        army.AddUnit(leaders.at(2), Types("Iron cannon"));
        army.AddUnit(leaders.at(0), Types("T2 One-eyed brute"));
        const QList<CArmyUnit*> u(army.Units().begin(), army.Units().end());
        if (b)
            *b = {u.at(0), u.at(1), u.at(2), u.at(4), u.at(6), u.at(7), u.at(10)};
        return army.GetHeader().IdArmee;
    }

    // A step refused at each statement in turn, the commit included, stores nothing of itself
    // and leaves the army in memory as stored, one message said and no history kept.
    template <typename SetUp, typename Step>
    void RefusedAtEach(SetUp setUp, Step step, const QStringList& expected,
                       const QByteArray& what) {
        for (int failAt = 1;; ++failAt) {
            const int armyId = setUp();
            int count = 0;
            TheDatabase().SetStatementHook(
                [&count, failAt](const QString&) { return ++count != failAt; });
            m_messages->Clear();
            step();
            TheDatabase().SetStatementHook({});
            if (count < failAt)
                return; // nothing was refused: every statement is done
            QVERIFY2(Stored(armyId) == expected,
                     what + " failing at " + QByteArray::number(failAt));
            QCOMPARE(InMemory(), expected);
            QCOMPARE(m_messages->Messages().size(), 1);
            QVERIFY(!m_history->Stack().canUndo() && !m_history->Stack().canRedo());
        }
    }
    // The problems as "member: text" lines.
    static QStringList Problems() {
        QStringList lines;
        for (const CArmyProblem& problem : FindProblems(TheArmy()))
            lines << (problem.member ? problem.member->Nom : QStringLiteral("army")) + ": " +
                         Plain(problem.text);
        return lines;
    }

private slots:
    void initTestCase() { OpenCatalogue(); }
    void cleanup() { CloseArmy(); }

    void everyEditIsStoredWholeOrNotAtAll() {
        using Run = std::function<void(CArmy&, Baseline&)>;
        // clang-format off
        const QList<std::tuple<const char*, bool, Run>> operations{
            {"add warchief", true, [this](CArmy& a, Baseline&) { a.AddWarchief(Warlord()); }},
            {"add group leader", false, [this](CArmy& a, Baseline&) { a.AddGroupLeader(Warlord()); }},
            {"add mounted group leader", false, [this](CArmy& a, Baseline&) { a.AddGroupLeader(Types("Dwarf lord")); }},
            {"add machine and crew", false, [this](CArmy& a, Baseline& b) { a.AddUnit(b.leaderA, Types("Iron cannon")); }},
            {"drop riders on a unit", false, [this](CArmy& a, Baseline& b) { a.DropType(Types("T1 Wolf riders"), b.warriors); }},
            {"delete riders", false, [](CArmy& a, Baseline& b) { a.Delete(b.riders); }},
            {"delete group leader", false, [](CArmy& a, Baseline& b) { a.Delete(b.leaderA); }},
            {"delete warchief", false, [](CArmy& a, Baseline& b) { a.Delete(b.warchief); }},
            {"move leader after leader", false, [](CArmy& a, Baseline& b) { a.Move(b.leaderA, b.leaderB); }},
            {"move unit to warchief", false, [](CArmy& a, Baseline& b) { a.Move(b.cannon, b.warchief); }},
            {"member dialog", false, [](CArmy& a, Baseline& b) {
                 CArmyUnit edited = *b.warriors;
                 edited.NombreFig = 20;
                 edited.Musicien = 2;
                 edited.CoutTotal = 140;
                 a.UpdateMember(b.warriors, edited); }},
            {"rename", false, [](CArmy& a, Baseline& b) { a.RenameMember(b.leaderB, QStringLiteral("Grok")); }},
            {"army properties", false, [](CArmy& a, Baseline&) { a.SetProperties(QStringLiteral("Horde"), 900); }},
        };
        // clang-format on
        CArmyDatabase& db = TheDatabase();
        CArmy& army = TheArmy();
        for (const auto& operation : operations) {
            const QByteArray what = std::get<0>(operation);
            const bool empty = std::get<1>(operation);
            const Run& run = std::get<2>(operation);
            Baseline baseline;
            // Once through: what the army is before and after, and how many statements it takes.
            int armyId = NewArmy(empty, &baseline);
            const QStringList before = Stored(armyId);
            int statements = 0;
            db.SetStatementHook([&statements](const QString&) { return ++statements > 0; });
            run(army, baseline);
            db.SetStatementHook({});
            const QStringList after = Stored(armyId);
            QVERIFY2(after != before, what);
            VerifyWhole(armyId);
            // Stored as it should be: reading it again has nothing to mend.
            QVERIFY(army.Open(armyId));
            QVERIFY2(Stored(armyId) == after, what + " read again");

            // The edit refused part-way leaves the army before it; its undo, the army after it.
            RefusedAtEach([&] { return NewArmy(empty, &baseline); }, [&] { run(army, baseline); },
                          before, what);
            RefusedAtEach(
                [&] {
                    const int id = NewArmy(empty, &baseline);
                    run(army, baseline);
                    return id;
                },
                [this] { m_history->Undo(); }, after, what + " undone");

            // Killed at each statement in turn, and right after the operation: the database
            // alone holds the army before it, or after it. On SQLite only: a child shares its
            // parent's connection, and there it is the file's own journal that must roll back.
            for (int killAt = 1; !TestDataSource::OnPostgreSql() && killAt <= statements + 1;
                 ++killAt) {
                armyId = NewArmy(empty, &baseline);
                const pid_t child = fork();
                if (child == 0) {
                    int count = 0;
                    db.SetStatementHook([&count, killAt](const QString&) {
                        if (++count == killAt)
                            _exit(0);
                        return true;
                    });
                    run(army, baseline);
                    _exit(0);
                }
                int status = 0;
                QCOMPARE(waitpid(child, &status, 0), child);
                QVERIFY(WIFEXITED(status) && army.Open(armyId));
                QVERIFY2(Stored(armyId) == (killAt <= statements ? before : after),
                         what + " killed at " + QByteArray::number(killAt));
                VerifyWhole(armyId);
            }
        }
    }

    void openingMendsADamagedArmyAndStoresIt() {
        const int armyId = NewArmy(false);
        CArmy& army = TheArmy();
        army.Close();
        // Another program left a unit before its leader, one under a leader that is gone, one
        // under a unit, and a total that is not the members' sum.
        for (const char* damage :
             {"UPDATE ArmeeCompo SET IdVisual = -1 WHERE IdArmee = %1 AND NomUnitType = 'T5 "
              "Warriors'",
              "UPDATE ArmeeCompo SET IdLeader = 99999 WHERE IdArmee = %1 AND NomUnitType IN ('T1 "
              "Wolf riders', 'T4 Wolf')",
              "UPDATE ArmeeCompo SET IdLeader = (SELECT IdUnite FROM ArmeeCompo WHERE IdArmee = %1 "
              "AND NomUnitType = 'T2 One-eyed brute') WHERE IdArmee = %1 AND NomUnitType = 'Iron "
              "cannon'",
              "UPDATE ArmeeDef SET CoutTotal = 3 WHERE IdArmee = %1"})
            QVERIFY(m_source->ExecOnOtherConnection(QString::fromLatin1(damage).arg(armyId)));

        QVERIFY(army.Open(armyId));
        // The warriors under their leader, the riders and the cannon under the warchief in
        // their stored order, each with its attached units right after it.
        QCOMPARE(Shape(),
                 (QStringList{"T3 Orc warlord", " T3 Orc warlord", "  T5 Warriors",
                              "  Kindless spirit", " T1 Wolf riders", " T4 Wolf", " T3 Orc warlord",
                              " Iron cannon", " Gunners", " Draught mule", " T2 One-eyed brute"}));
        // What was mended is what is stored now.
        VerifyWhole(armyId);
        const QStringList mended = Stored(armyId);
        QVERIFY(army.Open(armyId));
        QCOMPARE(Stored(armyId), mended);
        QVERIFY(m_messages->Ids().isEmpty());

        // Two members at one position: the brute stored beside the spirit. The members after
        // them move by one, and the spirit, who stays, must not go with them.
        const int tied = NewArmy(false);
        army.Close();
        QVERIFY(m_source->ExecOnOtherConnection(
            QStringLiteral("UPDATE ArmeeCompo SET IdVisual = 5 WHERE IdArmee = %1 AND "
                           "NomUnitType = 'T2 One-eyed brute'")
                .arg(tied)));
        QVERIFY(army.Open(tied));
        QCOMPARE(Shape(),
                 (QStringList{"T3 Orc warlord", " T3 Orc warlord", "  T1 Wolf riders", "  T4 Wolf",
                              "  T5 Warriors", "  Kindless spirit", " T2 One-eyed brute",
                              " T3 Orc warlord", "  Iron cannon", "  Gunners", "  Draught mule"}));
        VerifyWhole(tied);
        QCOMPARE(Stored(tied), InMemory());
    }

    void anArmyThatCannotBeReadIsNotOpened() {
        const int armyId = NewArmy(false);
        CArmy& army = TheArmy();
        // The members cannot be read again: nothing of the army is kept, nothing is written. (Both
        // drivers fail a query before its first row, so a fetch cannot be made to fail part-way.)
        CArmyDatabase& db = TheDatabase();
        db.SetStatementHook(
            [](const QString& sql) { return !sql.startsWith("SELECT * FROM ArmeeCompo"); });
        CItemList<CArmyUnit> units;
        units.Append(std::make_unique<CArmyUnit>());
        QCOMPARE(db.LoadArmyUnits(armyId, units), false);
        QCOMPARE(units.GetCount(), 1); // the caller's list as it was
        QCOMPARE(army.Open(armyId), false);
        db.SetStatementHook({});
        QVERIFY(!army.IsOpen() && !army.HasUnits() && army.GetHeader().IdArmee == -1);
        QCOMPARE(m_messages->Messages().size(), 2);
        QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
        CArmyHeader header;
        QCOMPARE(db.FindArmyById(armyId, header), CArmyDatabase::kFound);
        QVERIFY(header.CoutTotal > 0); // no empty total was written over the stored one
    }

    void membersAlwaysKeepAName() {
        Baseline b;
        NewArmy(false, &b);
        CArmy& army = TheArmy();
        // Blanks alone are no name: the member takes its type's name back.
        QCOMPARE(army.RenameMember(b.brute, QStringLiteral(" \t ")), CArmy::Result::Done);
        QCOMPARE(b.brute->Nom, QStringLiteral("T2 One-eyed brute"));
        CArmyUnit edited = *b.warriors;
        edited.Nom = QString();
        QCOMPARE(army.UpdateMember(b.warriors, edited), CArmy::Result::Done);
        QCOMPARE(b.warriors->Nom, QStringLiteral("T5 Warriors"));
        // Blanks around a name are the player's.
        QCOMPARE(army.RenameMember(b.brute, QStringLiteral(" Grok ")), CArmy::Result::Done);
        QVERIFY(Stored(army.GetHeader().IdArmee).at(11).startsWith("10  Grok  h4"));
    }

    // A leader released on a unit, and the questions asked, are the army view test's.
    void movesAndDeletesTakeWhatHangsOnThem() {
        Baseline b;
        const int armyId = NewArmy(false, &b);
        CArmy& army = TheArmy();
        // A unit released on a unit lands right after it (and its mount), under its leader.
        QCOMPARE(army.Move(b.brute, b.riders), CArmy::Result::Done);
        QCOMPARE(Shape().mid(2, 4), (QStringList{"  T1 Wolf riders", "  T4 Wolf",
                                                 "  T2 One-eyed brute", "  T5 Warriors"}));
        QCOMPARE(b.brute->IdLeader, b.leaderA->IdUnite);

        // A group leader goes with every unit he commands and every unit attached to them.
        QCOMPARE(army.Delete(b.leaderA), CArmy::Result::Done);
        QCOMPARE(Shape(), (QStringList{"T3 Orc warlord", " T3 Orc warlord", "  Iron cannon",
                                       "  Gunners", "  Draught mule"}));
        QCOMPARE(Stored(armyId).size(), 6); // the header and the five members left
        VerifyWhole(armyId);
    }

    // A leader comes with his mount, priced with him, however he is added; the mount stands
    // with him and goes with him. No group leader before the warchief, no second warchief, no
    // unit without a leader.
    void leadersComeWithTheirMountsWhereTheRulesLetThem() {
        const int armyId = NewArmy(true);
        CArmy& army = TheArmy();
        QCOMPARE(army.AddGroupLeader(Types("Dwarf lord")), CArmy::Result::Refused);
        QCOMPARE(army.DropType(Types("Dwarf lord"), nullptr), CArmy::Result::Done);
        QCOMPARE(army.AddWarchief(Types("Dwarf lord")), CArmy::Result::Refused);
        // Nothing selected, or a mount.
        for (CArmyUnit* notALeader : {static_cast<CArmyUnit*>(nullptr), army.Units().GetTail()})
            QCOMPARE(army.AddUnit(notALeader, Types("T5 Warriors")), CArmy::Result::Refused);
        QCOMPARE(m_messages->Ids(), (QList<int>{165, 164, 166, 166}));
        QCOMPARE(army.AddUnit(army.GetWarchief(), Types("Dwarf lord")), CArmy::Result::Done);
        QCOMPARE(army.DropType(Types("Dwarf lord"), army.GetWarchief()), CArmy::Result::Done);
        QCOMPARE(Shape(), (QStringList{"Dwarf lord", "War boar", " Dwarf lord", " War boar",
                                       " Dwarf lord", " War boar"}));
        QCOMPARE(army.GetHeader().CoutTotal, 3 * (70 + 8));
        QCOMPARE(army.ChildrenOf(*army.GetWarchief()).size(), 2);
        VerifyWhole(armyId);
        QCOMPARE(InMemory(), Stored(armyId));
        // A unit released on a mounted group leader comes first under him, after the mount.
        army.AddUnit(army.GetWarchief(), Types("Iron cannon"));
        CArmyUnit* leader = army.ChildrenOf(*army.GetWarchief()).first();
        QCOMPARE(army.Move(army.ChildrenOf(*army.GetWarchief()).last(), leader),
                 CArmy::Result::Done);
        QCOMPARE(Shape().mid(2, 5), (QStringList{" Dwarf lord", " War boar", "  Iron cannon",
                                                 "  Gunners", "  Draught mule"}));
        QCOMPARE(army.Delete(leader), CArmy::Result::Done);
        QCOMPARE(Shape(), (QStringList{"Dwarf lord", "War boar", " Dwarf lord", " War boar"}));
        VerifyWhole(armyId);
    }

    void eachMemberHasItsChoices() {
        // Warchief, leader A, riders, wolf (a mount), warriors, spirit and cannon (one figure, no
        // upgrade), leader B, its gunners, the mule (no price), the brute (an individual):
        // C command points, T troops, N the name only.
        NewArmy(false);
        QString choices;
        for (const CArmyUnit* unit : TheArmy().Units())
            choices += "NCT"[int(CArmy::ChoicesOf(*unit))];
        QCOMPARE(choices, QStringLiteral("CCTNTNCNTNN"));
    }

    // Each problem comes with the member (or the army's state) that causes it and goes with it.
    void eachProblemComesAndGoesWithItsCause() {
        CArmy& army = TheArmy();
        QVERIFY(OpenNewArmy(QStringLiteral("Fautive"), 100));
        QVERIFY(Problems().isEmpty());
        army.AddWarchief(Warlord());
        army.AddGroupLeader(Warlord());
        CArmyUnit* leader = army.Units().GetTail();
        QCOMPARE(Problems(),
                 (QStringList{
                     "army: L'armée dépasse son budget de 20 points.",
                     "T3 Orc warlord: Le chef de groupe T3 Orc warlord ne commande aucune unité.",
                     "T3 Orc warlord: 2 membres s'appellent « T3 Orc warlord ».",
                 }));
        army.SetProperties(army.GetName(), 2000);
        army.RenameMember(leader, QStringLiteral("Grok"));
        army.AddUnit(leader, {TypeNamed(AllTypes(), "T5 Warriors")});
        QVERIFY2(Problems().isEmpty(), qPrintable(Problems().join('\n')));

        // A dwarf among orcs; musicians, figures and quality beyond what the type allows (as
        // data written elsewhere may hold).
        army.AddUnit(leader, {TypeNamed(AllTypes(),
                                        "Dwarf lord")}); // a leader type: a group leader of its own
        CArmyUnit* dwarf = army.Units().GetTail();
        army.AddUnit(dwarf, {TypeNamed(AllTypes(), "T5 Warriors")});
        CArmyUnit* warriors = army.Units().GetTail();
        CArmyUnit edited = *warriors;
        edited.Nom = QStringLiteral("Fous");
        edited.Musicien = edited.NombreFig = 40;
        edited.IdQualite = 3;
        army.UpdateMember(warriors, edited);
        const QStringList expected{
            "Dwarf lord: Dwarf lord n'est pas de la race de l'armée (Orc).",
            "Fous: Fous a 40 musiciens pour 40 figurines : il en faut moins que de figurines.",
            "Fous: Fous a 40 figurines ; son type en permet de 10 à 30.",
            "Fous: Fous est de qualité Elite ; son type permet de Pauvre à Moyen."};
        QCOMPARE(Problems(), expected);

        edited.NombreFig = warriors->Max;
        edited.Musicien = 1;
        edited.IdQualite = warriors->IdQualiteMin;
        army.UpdateMember(warriors, edited);
        QCOMPARE(Problems(), expected.mid(0, 1));
        army.Delete(dwarf);
        QVERIFY(Problems().isEmpty());

        // Another program made the warchief a mere group leader: said until he goes.
        const int armyId = army.GetHeader().IdArmee;
        QVERIFY(m_source->ExecOnOtherConnection(
            QStringLiteral(
                "UPDATE ArmeeCompo SET Hierarchie = 2 WHERE IdArmee = %1 AND IdVisual = 0")
                .arg(armyId)));
        QVERIFY(army.Open(armyId));
        QCOMPARE(Problems(), QStringList{"army: L'armée n'a pas de chef de guerre."});
        army.Delete(army.GetWarchief());
        QVERIFY(Problems().isEmpty());
        army.Close();
        QVERIFY(Problems().isEmpty());
    }
};

QTEST_MAIN(TestArmyModel)
#include "tst_armymodel.moc"
