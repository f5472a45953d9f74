#include "StoredArmy.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"

#include <QtTest>

#include <functional>

// Undo and redo of the army's edits, on a real data source: each brings the stored army back
// exactly (keys aside), in one transaction, and the history never outlives what it saw.
class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyEditUndoneAndRedoneIsStoredExactly();
    void anUndoIsStoredWholeOrNotAtAll();
    void theHistoryEndsWithWhatItSaw();

private:
    const CUnitType* Type(const QString& name) const { return TypeNamed(m_types, name); }
    QList<const CUnitType*> WithAttached(const QString& name) const {
        return ::WithAttached(m_types, name);
    }
    CArmyUnit* Member(const QString& typeName) const;
    int NewArmy(const QString& name = QString());
    // The stored army, and the army in memory in the same form: both must agree.
    QStringList Stored() const;
    QStringList InMemory() const;

    std::unique_ptr<TestDataSource> m_source;
    CItemList<CUnitType*> m_types;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CArmyHistory> m_history;
    int m_serial = 0;
};

void TestUndo::initTestCase() {
    QString failure;
    m_source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(m_source, qPrintable(failure));
    QVERIFY(CArmyDatabase::Instance().LoadUnitTypes(m_types));
    m_messages = std::make_unique<MessageRecorder>();
    m_history = std::make_unique<CArmyHistory>(CArmy::Instance());
}

void TestUndo::cleanup() {
    CArmyDatabase::Instance().SetStatementHook({});
    CArmy::Instance().Close();
    m_messages->Clear();
}

CArmyUnit* TestUndo::Member(const QString& typeName) const {
    for (CArmyUnit* unit : CArmy::Instance().Units()) {
        if (unit->NomUnitType == typeName)
            return unit;
    }
    return nullptr;
}

int TestUndo::NewArmy(const QString& name) {
    CArmy& army = CArmy::Instance();
    army.Close();
    army.Create(13, name.isEmpty() ? QStringLiteral("Défaite %1").arg(++m_serial) : name, 1000);
    army.Open(army.GetHeader().IdArmee);
    return army.GetHeader().IdArmee;
}

QStringList TestUndo::Stored() const {
    return StoredArmyLines(CArmyDatabase::Instance(), CArmy::Instance().GetHeader().IdArmee);
}

QStringList TestUndo::InMemory() const {
    const CArmy& army = CArmy::Instance();
    QHash<int, int> place;
    for (const CArmyUnit* unit : army.Units())
        place.insert(unit->IdUnite, unit->IdVisual);
    const auto placeOf = [&place](int key) {
        return key == -1 ? QStringLiteral("-") : QString::number(place.value(key, -2));
    };
    QStringList lines{QStringLiteral("%1 %2 %3")
                          .arg(army.GetName())
                          .arg(army.GetHeader().NombrePointMax)
                          .arg(army.GetHeader().CoutTotal)};
    for (const CArmyUnit* unit : army.Units())
        lines << QStringLiteral("%1 %2 h%3 leader %4 main %5 fig %6 mus %7 pc %8 cost %9")
                     .arg(QString::number(unit->IdVisual), unit->Nom,
                          QString::number(unit->Hierarchie), placeOf(unit->IdLeader),
                          placeOf(unit->m_pMainUnit ? unit->m_pMainUnit->IdUnite : -1),
                          QString::number(unit->NombreFig), QString::number(unit->Musicien),
                          QString::number(unit->Pc), QString::number(unit->CoutTotal));
    return lines;
}

void TestUndo::everyEditUndoneAndRedoneIsStoredExactly() {
    CArmy& army = CArmy::Instance();
    NewArmy();
    const auto troops = [this](const char* name) { return Member(QString::fromUtf8(name)); };
    // clang-format off
    const QList<std::pair<QString, std::function<void()>>> edits{
        {"ajouter T3 Orc warlord", [&] { army.AddWarchief(*Type("T3 Orc warlord")); }},
        {"ajouter T3 Orc warlord", [&] { army.AddGroupLeader(*Type("T3 Orc warlord")); }},
        {"ajouter T1 Wolf riders", [&] { army.AddUnit(army.Units().GetTail(), WithAttached("T1 Wolf riders")); }},
        {"ajouter T5 Warriors", [&] { army.DropType(WithAttached("T5 Warriors"), troops("T1 Wolf riders")); }},
        {"ajouter Iron cannon", [&] { army.AddUnit(army.GetWarchief(), WithAttached("Iron cannon")); }},
        {"modifier T5 Warriors", [&] {
             CArmyUnit edited = *troops("T5 Warriors");
             edited.NombreFig = 20;
             edited.Musicien = 2;
             edited.Etendard = 1;
             edited.CoutTotal = 150;
             army.UpdateMember(troops("T5 Warriors"), edited); }},
        {"renommer T1 Wolf riders", [&] { army.RenameMember(troops("T1 Wolf riders"), QStringLiteral("Loups « gris » & 🐺")); }},
        {"déplacer Iron cannon", [&] { army.Move(troops("Iron cannon"), troops("T5 Warriors")); }},
        {"modifier les paramètres de l'armée", [&] { army.SetProperties(QStringLiteral("Horde défaite"), 1500); }},
        {"supprimer T3 Orc warlord", [&] { army.Delete(army.ChildrenOf(*army.GetWarchief()).first()); }},
        {"supprimer T3 Orc warlord", [&] { army.Delete(army.GetWarchief()); }},
    };
    // clang-format on

    // Each edit undone gives back the army before it, redone the army after it.
    QList<QStringList> states{Stored()};
    for (const auto& [label, edit] : edits) {
        edit();
        const QStringList after = Stored();
        QVERIFY2(after != states.last(), qPrintable(label));
        QCOMPARE(m_history->UndoText(), QStringLiteral("Annuler : %1").arg(label));
        m_history->Undo();
        QCOMPARE(Stored(), states.last());
        QCOMPARE(InMemory(), states.last());
        QCOMPARE(m_history->RedoText(), QStringLiteral("Rétablir : %1").arg(label));
        m_history->Redo();
        QCOMPARE(Stored(), after);
        QCOMPARE(InMemory(), after);
        const QString fault = StoredArmyFault(CArmyDatabase::Instance(), army.GetHeader().IdArmee);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        states << after;
    }

    // All the way back and forth again: members put back over and over keep their leaders
    // and main units, whatever keys they were given on the way.
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        m_history->Undo();
        QCOMPARE(Stored(), states.at(i));
        QCOMPARE(InMemory(), states.at(i));
    }
    QVERIFY(!m_history->Stack().canUndo());
    QCOMPARE(m_history->UndoText(), QStringLiteral("Annuler"));
    for (qsizetype i = 1; i < states.size(); ++i) {
        m_history->Redo();
        QCOMPARE(Stored(), states.at(i));
        QCOMPARE(InMemory(), states.at(i));
    }
    // A new edit after undoing drops what could have been redone.
    m_history->Undo();
    army.SetProperties(QStringLiteral("Autre"), 700);
    QVERIFY(!m_history->Stack().canRedo());
    QVERIFY(m_messages->Ids().isEmpty());
}

void TestUndo::anUndoIsStoredWholeOrNotAtAll() {
    CArmy& army = CArmy::Instance();
    CArmyDatabase& db = CArmyDatabase::Instance();
    const auto build = [&] {
        NewArmy(QStringLiteral("Refusée"));
        army.AddWarchief(*Type("T3 Orc warlord"));
        army.AddGroupLeader(*Type("T3 Orc warlord"));
        army.AddUnit(army.Units().GetTail(), WithAttached("T1 Wolf riders"));
        army.AddUnit(army.GetWarchief(), WithAttached("Iron cannon"));
        army.Delete(army.ChildrenOf(*army.GetWarchief()).first()); // the leader with his riders
    };
    build();
    const QStringList deleted = Stored();
    int statements = 0;
    db.SetStatementHook([&statements](const QString&) { return ++statements > 0; });
    m_history->Undo();
    db.SetStatementHook({});
    QVERIFY(Stored() != deleted);

    // Refused at each statement in turn, the commit included: the army stays as it was, in
    // memory too, and nothing is left to undo.
    for (int failAt = 1; failAt <= statements; ++failAt) {
        build();
        int count = 0;
        db.SetStatementHook([&count, failAt](const QString&) { return ++count != failAt; });
        m_history->Undo();
        db.SetStatementHook({});
        QCOMPARE(Stored(), deleted);
        QCOMPARE(InMemory(), deleted);
        QVERIFY2(!m_history->Stack().canUndo() && !m_history->Stack().canRedo(),
                 qPrintable(QString::number(failAt)));
    }
}

void TestUndo::theHistoryEndsWithWhatItSaw() {
    CArmy& army = CArmy::Instance();
    const int armyId = NewArmy();
    army.AddWarchief(*Type("T3 Orc warlord"));
    army.AddGroupLeader(*Type("T3 Orc warlord"));
    QVERIFY(m_history->Stack().canUndo());

    // Closing, opening again, opening another army: nothing to undo.
    army.Close();
    QVERIFY(!m_history->Stack().canUndo());
    army.Open(armyId);
    QVERIFY(!m_history->Stack().canUndo());
    army.AddGroupLeader(*Type("T3 Orc warlord"));
    NewArmy();
    QVERIFY(!m_history->Stack().canUndo());

    // Another program's change: the undo is not made, the player is told, the army read again
    // as stored, and the history goes.
    army.Open(armyId);
    army.RenameMember(army.Units().GetTail(), QStringLiteral("Grok"));
    QVERIFY(m_source->ExecOnOtherConnection(
        QStringLiteral("UPDATE ArmeeDef SET Nom = 'Pris', Version = Version + 1 WHERE IdArmee = %1")
            .arg(armyId)));
    const QStringList elsewhere = Stored();
    m_history->Undo();
    QCOMPARE(m_messages->Ids(), QList<int>{kArmyChangedElsewhereId});
    QCOMPARE(Stored(), elsewhere);
    QCOMPARE(InMemory(), elsewhere);
    QVERIFY(!m_history->Stack().canUndo() && !m_history->Stack().canRedo());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
