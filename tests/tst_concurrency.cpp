// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyMessages.h"
#include "StoredArmy.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "model/CArmy.h"
#include "model/DataErrorMessages.h"

#include <QRandomGenerator>
#include <QtTest>

// Two programs on one army, each with its connection: whatever they do in whatever order, the
// stored army stays whole, and the one that wrote second is told and reads the army again
// instead of writing over the other's work.
class TestConcurrency : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CArmyDatabase> m_first;
    std::unique_ptr<CArmyDatabase> m_second;
    CItemList<CUnitType> m_types;
    MessageRecorder m_messages;

    QList<const CUnitType*> Types(const QString& name) const { return WithAttached(m_types, name); }
    const CUnitType& Warlord() const { return *TypeNamed(m_types, "T3 Orc warlord"); }
    void VerifyWhole(int armyId) {
        const QString fault = StoredArmyFault(*m_first, armyId);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

private slots:
    void initTestCase() {
        m_source =
            std::make_unique<TestDataSource>(QString::fromLatin1(TestDataSource::kSmallCatalogue));
        QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
        m_first = std::make_unique<CArmyDatabase>(QStringLiteral("first"));
        m_second = std::make_unique<CArmyDatabase>(QStringLiteral("second"));
        for (CArmyDatabase* db : {m_first.get(), m_second.get()}) {
            ShowDataErrorsAsMessages(*db);
            QVERIFY(db->OpenDatabase());
        }
        QVERIFY(m_first->LoadUnitTypes(m_types));
    }

    void theSecondWriterIsToldAndReadsAgain() {
        CArmy one(*m_first), two(*m_second);
        ShowWhatItTells(one);
        ShowWhatItTells(two);
        one.Create(13, QStringLiteral("Partagée"), 5000);
        const int armyId = one.GetHeader().IdArmee;
        QVERIFY(one.Open(armyId));
        one.AddWarchief(Warlord());
        one.AddGroupLeader(Warlord());
        QVERIFY(two.Open(armyId));

        // The first adds riders under the group leader; the second, who has not seen them,
        // deletes that leader: it is told, reads the army again, and the riders are there.
        QCOMPARE(one.AddUnit(one.Units().GetTail(), Types("T1 Wolf riders")), CArmy::Result::Done);
        m_messages.Clear();
        QSignalSpy reloaded(&two, &CArmy::reloaded);
        QCOMPARE(two.Delete(two.Units().GetTail()), CArmy::Result::Failed);
        QCOMPARE(m_messages.Ids(), QList<int>{kArmyChangedElsewhereId});
        QCOMPARE(reloaded.count(), 1);
        QCOMPARE(two.Units().GetCount(), 4);
        QCOMPARE(StoredArmyLines(*m_second, armyId), StoredArmyLines(*m_first, armyId));

        // Told once, it may do it now; the first is then told in turn when it renames the gone.
        CArmyUnit* leaderSeen = *std::next(two.Units().begin());
        QVERIFY(leaderSeen->IsGroupLeader());
        QCOMPARE(two.Delete(leaderSeen), CArmy::Result::Done);
        m_messages.Clear();
        QCOMPARE(one.RenameMember(one.Units().GetTail(), QStringLiteral("Perdu")),
                 CArmy::Result::Failed);
        QCOMPARE(m_messages.Ids(), QList<int>{kArmyChangedElsewhereId});
        QCOMPARE(one.Units().GetCount(), 1);
        VerifyWhole(armyId);

        // An army deleted by the other program closes when next edited.
        QVERIFY(m_second->DeleteArmyAndContents(armyId));
        QCOMPARE(one.SetProperties(QStringLiteral("Fantôme"), 10), CArmy::Result::Failed);
        QVERIFY(!one.IsOpen());
    }

    void interleavedEditsKeepTheArmyWhole() {
        CArmy one(*m_first), two(*m_second);
        ShowWhatItTells(one);
        ShowWhatItTells(two);
        QVERIFY(one.Create(13, QStringLiteral("Mêlée"), 5000));
        const int armyId = one.GetHeader().IdArmee;
        QVERIFY(one.Open(armyId));
        one.AddWarchief(Warlord());
        QVERIFY(two.Open(armyId));

        // Each turn one of the two programs makes a random edit on what it last read; a fixed
        // seed, so that a failure can be replayed.
        QRandomGenerator random(20261206);
        const QStringList units{"T1 Wolf riders", "T5 Warriors", "T2 One-eyed brute"};
        int done = 0;
        for (int turn = 0; turn < 120 && !QTest::currentTestFailed(); ++turn) {
            CArmy& army = random.bounded(2) ? one : two;
            const QList<CArmyUnit*> members(army.Units().begin(), army.Units().end());
            if (members.isEmpty()) {
                army.AddWarchief(Warlord());
                continue;
            }
            const auto pick = [&] { return members.at(random.bounded(int(members.size()))); };
            CArmyUnit* any = pick();
            CArmyUnit* leader = any->IsLeader() && !any->m_pMainUnit ? any : army.GetWarchief();
            const int kind = random.bounded(6);
            const CArmy::Result result =
                kind == 0   ? army.AddGroupLeader(Warlord())
                : kind <= 2 ? army.AddUnit(leader, Types(units.at(random.bounded(3))))
                : kind == 4 ? army.Move(any, pick())
                : kind == 5 ? army.RenameMember(any, QStringLiteral("Tour %1").arg(turn))
                : any != army.GetWarchief() ? army.Delete(any)
                                            : CArmy::Result::Refused;
            done += result == CArmy::Result::Done ? 1 : 0;
            VerifyWhole(armyId);
        }
        QVERIFY(done > 40);
        // Read again, both see what is stored.
        QVERIFY(one.Open(armyId) && two.Open(armyId));
        QCOMPARE(StoredArmyLines(*m_first, armyId), StoredArmyLines(*m_second, armyId));
        QCOMPARE(one.Units().GetCount(), StoredArmyLines(*m_first, armyId).size() - 1);
    }

    void anExistingDatabaseGetsTheVersionColumn() {
        QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE ArmeeDef DROP COLUMN Version"));
        // A connection opened on it adds the column, once, and edits work as before.
        CArmyDatabase older(QStringLiteral("older"));
        ShowDataErrorsAsMessages(older);
        QVERIFY(older.OpenDatabase() && older.UpgradeTables() && older.UpgradeTables());
        CArmy army(older);
        ShowWhatItTells(army);
        QVERIFY(army.Create(13, QStringLiteral("Ancienne"), 100) &&
                army.Open(army.GetHeader().IdArmee));
        QCOMPARE(army.AddWarchief(Warlord()), CArmy::Result::Done);
        QCOMPARE(army.GetHeader().Version, 1);
    }
};

QTEST_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
