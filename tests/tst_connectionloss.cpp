// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "core/StringTable.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// A club server's connection lost between two edits or inside one: by a network blip (the
// server ends the program's connection) or by the server's restart, which the program meets
// the same way, its connection ended with the same error. The program opens the connection
// again and goes on; an edit is stored whole or not at all, the player is told which, and the
// army shown is the army stored. On a cluster of this test's own, since it is restarted.
class TestConnectionLoss : public ArmyFixture {
    Q_OBJECT

    QTemporaryDir m_clusterDir;
    bool m_paused = false;

    // An open army: the warchief, two leaders with two riders (and their wolves) each.
    void Build() {
        CArmy& army = TheArmy();
        OpenNewArmy();
        army.AddWarchief(Warlord());
        for (int i = 0; i < 2; ++i) {
            army.AddGroupLeader(Warlord());
            CArmyUnit* leader = army.Units().GetTail();
            for (int j = 0; j < 2; ++j)
                army.AddUnit(leader, Types(QStringLiteral("T1 Wolf riders")));
        }
        m_messages->Clear();
    }
    // The army as stored and shown must agree, and hold together.
    static void VerifyShownIsStored() {
        QVERIFY(TheArmy().IsOpen());
        QCOMPARE(InMemory(), Stored());
        VerifyWhole();
    }
    // Every kind of edit that writes more than one statement, after what it needs done first.
    struct Edit {
        QByteArray name;
        std::function<void()> prepare;
        std::function<CArmy::Result()> run;
    };
    QList<Edit> Edits() {
        CArmy& army = TheArmy();
        const auto firstLeader = [] { return GroupLeaders().first(); };
        return {
            {"add under the first leader", [] {},
             [&] { return army.AddUnit(firstLeader(), Types(QStringLiteral("T1 Wolf riders"))); }},
            {"delete a leader with his units", [] {}, [&] { return army.Delete(firstLeader()); }},
            {"move a leader with his units", [] {},
             [&] { return army.Move(firstLeader(), GroupLeaders().last()); }},
            {"undo a delete", [&] { army.Delete(firstLeader()); },
             [&] {
                 m_history->Undo();
                 return army.Units().GetCount() == 11 ? CArmy::Result::Done : CArmy::Result::Failed;
             }},
        };
    }

private slots:
    void initTestCase() {
        qputenv("SKARNHOLT_TEST_POSTGRES", QFile::encodeName(m_clusterDir.filePath("state")));
        QVERIFY2(TestDataSource::Server(QStringLiteral("start")),
                 "the test's cluster does not start");
        OpenCatalogue();
    }
    void cleanupTestCase() {
        TheArmy().Close();
        m_source.reset();
        TheDatabase().CloseDatabase();
        TestDataSource::Server(QStringLiteral("stop"));
    }
    void cleanup() {
        // A failed check must not leave the next one without a server.
        if (m_paused)
            m_paused = !m_source->Server(QStringLiteral("resume"));
        CloseArmy();
    }

    // Nothing was under way: the next edit or read opens the connection again and is done, and
    // the player hears nothing of it but the status line.
    void lostBetweenTwoEditsTheNextOneGoesOn() {
        const QList<std::pair<QByteArray, std::function<bool()>>> losses{
            {"connection ended", [&] { return m_source->EndConnections(); }},
            {"server restarted", [&] { return m_source->Server(QStringLiteral("restart")); }},
        };
        for (const auto& [cause, lose] : losses) {
            Build();
            QVERIFY2(lose(), cause.constData());
            QCOMPARE(TheArmy().AddUnit(GroupLeaders().last(),
                                       Types(QStringLiteral("T2 One-eyed brute"))),
                     CArmy::Result::Done);
            VerifyShownIsStored();
            QCOMPARE(TheArmy().Units().GetCount(), 12);
            QVERIFY2(lose(), cause.constData());
            CItemList<CArmyHeader> armies;
            QVERIFY(TheDatabase().LoadArmies(armies));
            QVERIFY(!armies.IsEmpty());
            QVERIFY2(lose(), cause.constData());
            QVERIFY(AddBattle(QStringLiteral("Bataille ") + cause, QString(),
                              Ids{armies.GetHead()->IdArmee, armies.GetTail()->IdArmee}) > 0);
            for (const MessageBox::Shown& shown : m_messages->Messages())
                QVERIFY2(shown.kind == MessageBox::Kind::Status, qPrintable(shown.text));
            QVERIFY(m_messages->Ids().contains(kReconnectedId));
            m_messages->Clear();
        }
    }

    // The connection ends before each statement of an edit in turn, the commit included: the
    // first is run again on a new connection; after it, nothing of the edit is stored, the
    // player is told so once, the army shown is the army stored, and the next edit is done.
    void lostInsideAnEditNothingOfItIsStored() {
        for (const Edit& edit : Edits()) {
            for (int endAt = 1;; ++endAt) {
                Build();
                edit.prepare();
                const QStringList before = Stored();
                int count = 0;
                bool ended = false;
                TheDatabase().SetStatementHook([&](const QString&) {
                    if (++count == endAt && !ended)
                        ended = m_source->EndConnections();
                    return true;
                });
                const CArmy::Result result = edit.run();
                TheDatabase().SetStatementHook({});
                if (count < endAt)
                    break; // every statement ran: the edit is done
                const QByteArray what =
                    edit.name + " ended at statement " + QByteArray::number(endAt);
                QVERIFY2(ended, what.constData());
                VerifyShownIsStored();
                const bool retried = endAt == 1;
                QVERIFY2(result == (retried ? CArmy::Result::Done : CArmy::Result::Failed),
                         what.constData());
                QVERIFY2(retried || Stored() == before, what.constData());
                QVERIFY2(m_messages->Ids().count(kEditNotStoredId) == (retried ? 0 : 1),
                         what.constData());
                QCOMPARE(TheArmy().AddUnit(GroupLeaders().last(),
                                           Types(QStringLiteral("T2 One-eyed brute"))),
                         CArmy::Result::Done);
                VerifyShownIsStored();
            }
        }
    }

    // The server goes down and stays down: the edit is not stored and the army closes, each
    // read meanwhile says the server does not answer; once it is back, the army opens as it
    // was stored.
    void serverDownTheArmyClosesUntilItIsBack() {
        Build();
        const int armyId = TheArmy().GetHeader().IdArmee;
        const QStringList before = Stored();
        m_paused = m_source->Server(QStringLiteral("pause"));
        QVERIFY(m_paused);
        QCOMPARE(TheArmy().Delete(GroupLeaders().first()), CArmy::Result::Failed);
        QVERIFY(!TheArmy().IsOpen());
        CItemList<CArmyHeader> armies;
        QVERIFY(!TheDatabase().LoadArmies(armies));
        const QList<int> boxes = {kEditNotStoredClosedId, kCannotReconnectId};
        QList<int> shown;
        for (const MessageBox::Shown& message : m_messages->Messages()) {
            if (message.kind != MessageBox::Kind::Status)
                shown << message.id;
        }
        QCOMPARE(shown, boxes);
        QVERIFY(m_messages->Ids().contains(kReconnectingId));
        m_paused = !m_source->Server(QStringLiteral("resume"));
        QVERIFY(!m_paused);
        QVERIFY(TheArmy().Open(armyId));
        QCOMPARE(Stored(), before);
        VerifyShownIsStored();
    }
};

QTEST_GUILESS_MAIN(TestConnectionLoss)
#include "tst_connectionloss.moc"
