// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "export/BattleReport.h"

#include <QtTest>

#include <functional>

// What a club's server sees of each edit, counted by the server itself: as many statements in
// an army of 300 members as in one of 5, and only a handful, so that an edit's wait across a
// network does not grow with the army.
class TestServerStatements : public ArmyFixture {
    Q_OBJECT

    // Statements the server ran for a read; -1 when the read failed.
    qint64 CountedRead(const std::function<bool()> read) {
        return Counted([&read] { return read() ? CArmy::Result::Done : CArmy::Result::Failed; });
    }
    // The reads whose data grows with the club: lists, a battle as its report and sheet take it,
    // an army.
    QList<qint64> ReadCosts(int battleId, int armyId) {
        CArmyDatabase& db = TheDatabase();
        CBattleContents battle;
        CItemList<CArmyHeader> armies;
        CItemList<CBattle> battles;
        return {CountedRead([&] { return db.LoadArmies(armies); }),
                CountedRead([&] { return db.LoadBattles(battles); }), CountedRead([&] {
                    return db.LoadBattleContents(battleId, &battle) == CArmyDatabase::kFound &&
                           !BattleReportText(battle).isEmpty();
                }),
                CountedRead([&] { return TheArmy().Open(armyId); })};
    }
    // Statements the server ran for the step; the step must be done. Keys kept from earlier
    // adds are dropped first, so that each add counts the key read it may need.
    qint64 Counted(const std::function<CArmy::Result()>& step) {
        TheDatabase().ForgetSpareUnitKeys();
        const qint64 before = m_source->ServerStatementCount();
        const CArmy::Result result = step();
        const qint64 after = m_source->ServerStatementCount();
        if (before < 0 || after < 0)
            qWarning("%s", qPrintable(m_source->ErrorText()));
        return result == CArmy::Result::Done && before >= 0 && after >= 0 ? after - before : -1;
    }
    // An open army: the warchief, then each leader with his units (each a rider and his wolf).
    int Build(int leaders, int ridersEach) {
        CArmy& army = TheArmy();
        OpenNewArmy(QStringLiteral("Horde de %1").arg(leaders * ridersEach), 10000);
        army.AddWarchief(Warlord());
        for (int i = 0; i < leaders; ++i) {
            army.AddGroupLeader(Warlord());
            CArmyUnit* leader = army.Units().GetTail();
            for (int j = 0; j < ridersEach; ++j)
                army.AddUnit(leader, Types(QStringLiteral("T1 Wolf riders")));
        }
        return army.GetHeader().IdArmee;
    }
    // Each kind of edit on the open army, in turn, and the statements each cost.
    QList<std::pair<QString, qint64>> EditCosts() {
        CArmy& army = TheArmy();
        const auto unitOf = [](CArmyUnit* leader) { return TheArmy().ChildrenOf(*leader).first(); };
        // clang-format off
        const QList<std::pair<QString, std::function<CArmy::Result()>>> edits{
            {"add at the end", [&] { return army.AddUnit(GroupLeaders().last(), Types(QStringLiteral("T2 One-eyed brute"))); }},
            {"add a rider and his wolf under the first leader", [&] {
                 return army.AddUnit(GroupLeaders().first(), Types(QStringLiteral("T1 Wolf riders"))); }},
            {"member dialog", [&] {
                 CArmyUnit edited = *unitOf(GroupLeaders().first());
                 edited.NombreFig += 1;
                 return army.UpdateMember(unitOf(GroupLeaders().first()), edited); }},
            {"rename", [&] { return army.RenameMember(unitOf(GroupLeaders().last()), QStringLiteral("Les Crocs")); }},
            {"properties", [&] { return army.SetProperties(army.GetName() + QStringLiteral(" !"), 9000); }},
            {"move a leader with his units", [&] { return army.Move(GroupLeaders().first(), GroupLeaders().last()); }},
            {"undo", [&] { m_history->Undo(); return CArmy::Result::Done; }},
            {"redo", [&] { m_history->Redo(); return CArmy::Result::Done; }},
            {"delete a leader with his units", [&] { return army.Delete(GroupLeaders().first()); }},
            {"undo the delete", [&] { m_history->Undo(); return CArmy::Result::Done; }},
            {"redo the delete", [&] { m_history->Redo(); return CArmy::Result::Done; }},
            {"delete a rider with his wolf", [&] { return army.Delete(unitOf(GroupLeaders().first())); }},
            {"open", [&] { return army.Open(army.GetHeader().IdArmee) ? CArmy::Result::Done : CArmy::Result::Failed; }},
        };
        // clang-format on
        QList<std::pair<QString, qint64>> costs;
        for (const auto& [name, edit] : edits) {
            costs.append({name, Counted(edit)});
            VerifyWhole();
        }
        return costs;
    }

private slots:
    void initTestCase() {
        if (!TestDataSource::OnPostgreSql())
            QSKIP("counted by a PostgreSQL server");
        OpenCatalogue();
    }
    void cleanup() { CloseArmy(); }

    void editsCostAsManyStatementsInABigArmyAsInASmallOne() {
        Build(2, 1);
        QCOMPARE(TheArmy().Units().GetCount(), 7);
        const QList<std::pair<QString, qint64>> small = EditCosts();
        Build(4, 37);
        QCOMPARE(TheArmy().Units().GetCount(), 301);
        const QList<std::pair<QString, qint64>> big = EditCosts();
        for (qsizetype i = 0; i < small.size(); ++i)
            qInfo("%s: %lld / %lld", qPrintable(small.at(i).first), small.at(i).second,
                  big.value(i).second);
        QCOMPARE(big, small);
        for (const auto& [name, statements] : small) {
            QVERIFY2(statements > 0, qPrintable(name));
            QVERIFY2(statements <= 5, qPrintable(name));
        }
    }
    void readsCostAsManyStatementsWhateverTheClubHolds() {
        CIdList armies;
        for (int i = 0; i < 2; ++i)
            armies.append(Build(1, 2));
        const int few = AddBattle(QStringLiteral("Escarmouche"), QString(), armies);
        const QList<qint64> small = ReadCosts(few, armies.first());
        for (int i = 0; i < 6; ++i)
            armies.append(Build(3, 10));
        const int many = AddBattle(QStringLiteral("Grande bataille"), QString(), armies);
        const QList<qint64> big = ReadCosts(many, armies.last());
        QCOMPARE(big, small);
        // Two lists, a battle of three reads, an army of two.
        QCOMPARE(small, QList<qint64>({1, 1, 3, 2}));
    }
};

QTEST_GUILESS_MAIN(TestServerStatements)
#include "tst_serverstatements.moc"
