// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "core/StringTable.h"

#include <QtTest>

#include <functional>

// Undo and redo of the army's edits, on a real data source: each brings the stored army back
// exactly (keys aside), and the history never outlives what it saw. That an undo is stored in
// one transaction is the army model test's, for every edit.
class TestUndo : public ArmyFixture {
    Q_OBJECT

    int m_serial = 0;

    int NewArmy() {
        OpenNewArmy(QStringLiteral("Défaite %1").arg(++m_serial));
        return TheArmy().GetHeader().IdArmee;
    }
    // The stored army and the army in memory must agree.
    static void VerifyState(const QStringList& expected) {
        QCOMPARE(Stored(), expected);
        QCOMPARE(InMemory(), expected);
    }

private slots:
    void initTestCase() { OpenCatalogue(); }
    void cleanup() { CloseArmy(); }

    void everyEditUndoneAndRedoneIsStoredExactly() {
        CArmy& army = TheArmy();
        NewArmy();
        // clang-format off
        const QList<std::pair<QString, std::function<void()>>> edits{
            {"ajouter T3 Orc warlord", [&] { army.AddWarchief(Warlord()); }},
            {"ajouter T3 Orc warlord", [&] { army.AddGroupLeader(Warlord()); }},
            {"ajouter T1 Wolf riders", [&] { army.AddUnit(army.Units().GetTail(), Types("T1 Wolf riders")); }},
            {"ajouter T5 Warriors", [&] { army.DropType(Types("T5 Warriors"), Member("T1 Wolf riders")); }},
            {"ajouter Iron cannon", [&] { army.AddUnit(army.GetWarchief(), Types("Iron cannon")); }},
            {"ajouter Dwarf lord", [&] { army.AddGroupLeader(Types("Dwarf lord")); }},
            {"modifier T5 Warriors", [&] {
                 CArmyUnit edited = *Member("T5 Warriors");
                 edited.NombreFig = 20;
                 edited.Musicien = 2;
                 edited.Etendard = 1;
                 edited.CoutTotal = 150;
                 army.UpdateMember(Member("T5 Warriors"), edited); }},
            {"renommer T1 Wolf riders", [&] { army.RenameMember(Member("T1 Wolf riders"), QStringLiteral("Loups « gris » & 🐺")); }},
            {"déplacer Iron cannon", [&] { army.Move(Member("Iron cannon"), Member("T5 Warriors")); }},
            {"modifier les paramètres de l'armée", [&] { army.SetProperties(QStringLiteral("Horde défaite"), 1500); }},
            {"supprimer T3 Orc warlord", [&] { army.Delete(army.ChildrenOf(*army.GetWarchief()).first()); }},
            {"supprimer T3 Orc warlord", [&] { army.Delete(army.GetWarchief()); }},
        };
        // clang-format on

        QList<QStringList> states{Stored()};
        for (const auto& [label, edit] : edits) {
            edit();
            QVERIFY2(Stored() != states.last(), qPrintable(label));
            VerifyWhole();
            states << Stored();
        }

        // All the way back and forth: each undo gives back the army before its edit, each redo
        // the army after it, members put back over and over keeping their leaders and main
        // units whatever keys they were given on the way.
        for (qsizetype i = states.size() - 2; i >= 0; --i) {
            const QString label = edits.at(i).first;
            QCOMPARE(Plain(m_history->UndoText()), QStringLiteral("Annuler : %1").arg(label));
            m_history->Undo();
            VerifyState(states.at(i));
            QCOMPARE(Plain(m_history->RedoText()), QStringLiteral("Rétablir : %1").arg(label));
        }
        QCOMPARE(m_history->UndoText(), QStringLiteral("Annuler"));
        for (qsizetype i = 1; i < states.size(); ++i) {
            m_history->Redo();
            VerifyState(states.at(i));
        }
        // An edit of members put back by an undo drops what could have been redone, and is
        // undone in turn.
        m_history->Undo();
        army.Delete(army.ChildrenOf(*army.GetWarchief()).last());
        QVERIFY(!m_history->Stack().canRedo());
        m_history->Undo();
        VerifyState(states.at(states.size() - 2));
        QVERIFY(m_messages->Ids().isEmpty());
    }

    void theHistoryEndsWithWhatItSaw() {
        CArmy& army = TheArmy();
        const int armyId = NewArmy();
        army.AddWarchief(Warlord());
        army.AddGroupLeader(Warlord());
        QVERIFY(m_history->Stack().canUndo());

        // Closing, opening again, opening another army: nothing to undo.
        army.Close();
        QVERIFY(!m_history->Stack().canUndo());
        army.Open(armyId);
        QVERIFY(!m_history->Stack().canUndo());
        army.AddGroupLeader(Warlord());
        NewArmy();
        QVERIFY(!m_history->Stack().canUndo());

        // Another program's change: the undo is not made, the player is told, the army read
        // again as stored, and the history goes.
        army.Open(armyId);
        army.RenameMember(army.Units().GetTail(), QStringLiteral("Grok"));
        QVERIFY(m_source->ExecOnOtherConnection(
            QStringLiteral(
                "UPDATE ArmeeDef SET Nom = 'Pris', Version = Version + 1 WHERE IdArmee = %1")
                .arg(armyId)));
        const QStringList elsewhere = Stored();
        m_history->Undo();
        QCOMPARE(m_messages->Ids(), QList<int>{kArmyChangedElsewhereId});
        VerifyState(elsewhere);
        QVERIFY(!m_history->Stack().canUndo() && !m_history->Stack().canRedo());
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
