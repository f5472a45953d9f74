#include "StoredArmy.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "model/CArmy.h"

#include <QtTest>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The baseline army every operation starts from:
//   Warchief
//     Leader A
//       Riders + wolf mount
//       Warriors + spirit
//     Leader B
//       Cannon + gunners + mule
//     Brute                 (the warchief's own unit)
struct Baseline {
    CArmyUnit* warchief = nullptr;
    CArmyUnit* brute = nullptr;
    CArmyUnit* leaderA = nullptr;
    CArmyUnit* riders = nullptr;
    CArmyUnit* warriors = nullptr;
    CArmyUnit* leaderB = nullptr;
    CArmyUnit* cannon = nullptr;
};

struct Operation {
    const char* name;
    bool emptyArmy;
    std::function<void(CArmy&, Baseline&)> run;
};

} // namespace

// The army model against a real data source, without any window: its rules, and that
// every editing operation is stored whole or not at all, however it is cut short.
class TestArmyModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyEditIsStoredWholeOrNotAtAll();
    void openingMendsADamagedArmyAndStoresIt();
    void anArmyThatCannotBeReadIsNotOpened();
    void membersAlwaysKeepAName();
    void movesAndDeletesTakeWhatHangsOnThem();
    void eachMemberHasItsChoices();

private:
    const CUnitType& Warlord() const { return *TypeNamed(m_types, "T3 Orc warlord"); }
    QList<const CUnitType*> WithAttached(const QString& name) const {
        return ::WithAttached(m_types, name);
    }
    int NewArmy(bool empty, Baseline* baseline);
    QStringList StoredArmy(int armyId) const {
        return StoredArmyLines(CArmyDatabase::Instance(), armyId);
    }
    // The open army's members by type, indented by depth.
    static QStringList Shape();
    // What every stored army must satisfy, whatever happened to it.
    void VerifyConsistent(int armyId) const {
        const QString fault = StoredArmyFault(CArmyDatabase::Instance(), armyId);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    std::unique_ptr<TestDataSource> m_source;
    CItemList<CUnitType*> m_types;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestArmyModel::initTestCase() {
    QString failure;
    m_source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(m_source, qPrintable(failure));
    QVERIFY(CArmyDatabase::Instance().LoadUnitTypes(m_types));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestArmyModel::cleanup() {
    CArmyDatabase::Instance().SetStatementHook({});
    if (CArmy::Instance().IsOpen())
        CArmy::Instance().Close();
    m_messages->Clear();
}

int TestArmyModel::NewArmy(bool empty, Baseline* b) {
    CArmy& army = CArmy::Instance();
    if (army.IsOpen())
        army.Close();
    if (!army.Create(13, QStringLiteral("Armée"), 500) || !army.Open(army.GetHeader().IdArmee))
        return -1;
    if (empty)
        return army.GetHeader().IdArmee;
    army.AddWarchief(Warlord());
    b->warchief = army.GetWarchief();
    army.AddGroupLeader(Warlord());
    b->leaderA = army.Units().GetTail();
    army.AddGroupLeader(Warlord());
    b->leaderB = army.Units().GetTail();
    army.AddUnit(b->leaderA, WithAttached("T1 Wolf riders"));
    army.AddUnit(b->leaderA, WithAttached("T5 Warriors"));
    army.AddUnit(b->leaderB, WithAttached("Iron cannon"));
    army.AddUnit(b->warchief, WithAttached("T2 One-eyed brute"));
    // The members in the order drawn above.
    const QList<CArmyUnit*> units(army.Units().begin(), army.Units().end());
    b->riders = units.value(2);
    b->warriors = units.value(4);
    b->cannon = units.value(7);
    b->brute = units.value(10);
    return army.GetHeader().IdArmee;
}

QStringList TestArmyModel::Shape() {
    const CArmy& army = CArmy::Instance();
    QStringList shape;
    for (const CArmyUnit* unit : army.Units())
        shape << QString(army.Depth(*unit), QLatin1Char(' ')) + unit->NomUnitType;
    return shape;
}

void TestArmyModel::everyEditIsStoredWholeOrNotAtAll() {
    // clang-format off
    const QList<Operation> operations{
        {"add warchief", true, [this](CArmy& a, Baseline&) { a.AddWarchief(Warlord()); }},
        {"add group leader", false, [this](CArmy& a, Baseline&) { a.AddGroupLeader(Warlord()); }},
        {"add machine and crew", false, [this](CArmy& a, Baseline& b) { a.AddUnit(b.leaderA, WithAttached("Iron cannon")); }},
        {"drop riders on a unit", false, [this](CArmy& a, Baseline& b) { a.DropType(WithAttached("T1 Wolf riders"), b.warriors); }},
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
    CArmyDatabase& db = CArmyDatabase::Instance();
    CArmy& army = CArmy::Instance();
    for (const Operation& operation : operations) {
        const QByteArray what = operation.name;
        Baseline baseline;
        // Once through: what the army is before and after, and how many statements it takes.
        int armyId = NewArmy(operation.emptyArmy, &baseline);
        const QStringList before = StoredArmy(armyId);
        int statements = 0;
        db.SetStatementHook([&statements](const QString&) { return ++statements > 0; });
        operation.run(army, baseline);
        db.SetStatementHook({});
        const QStringList after = StoredArmy(armyId);
        QVERIFY2(after != before, what);
        VerifyConsistent(armyId);

        // Refused at each statement in turn, the commit included: nothing of it is stored,
        // and the army in memory is what is stored.
        for (int failAt = 1; failAt <= statements; ++failAt) {
            armyId = NewArmy(operation.emptyArmy, &baseline);
            int count = 0;
            db.SetStatementHook([&count, failAt](const QString&) { return ++count != failAt; });
            m_messages->Clear();
            operation.run(army, baseline);
            db.SetStatementHook({});
            QVERIFY2(StoredArmy(armyId) == before,
                     what + " failing at " + QByteArray::number(failAt));
            QCOMPARE(m_messages->Messages().size(), 1);
            QCOMPARE(army.Units().GetCount(), before.size() - 1);
            QCOMPARE(army.ComputeTotal(), army.GetHeader().CoutTotal);
        }

        // Killed at each statement in turn, and right after the operation: the database alone
        // holds the army before it, or after it. On SQLite only: a child shares its parent's
        // connection, and there it is the file's own journal that must roll back.
        for (int killAt = 1; !TestDataSource::OnPostgreSql() && killAt <= statements + 1;
             ++killAt) {
            armyId = NewArmy(operation.emptyArmy, &baseline);
            const pid_t child = fork();
            if (child == 0) {
                int count = 0;
                db.SetStatementHook([&count, killAt](const QString&) {
                    if (++count == killAt)
                        _exit(0);
                    return true;
                });
                operation.run(army, baseline);
                _exit(0);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status));
            QVERIFY(army.Open(armyId));
            QVERIFY2(StoredArmy(armyId) == (killAt <= statements ? before : after),
                     what + " killed at " + QByteArray::number(killAt));
            VerifyConsistent(armyId);
        }
    }
}

void TestArmyModel::openingMendsADamagedArmyAndStoresIt() {
    Baseline b;
    const int armyId = NewArmy(false, &b);
    const int warchiefKey = b.warchief->IdUnite;
    const int leaderKey = b.leaderA->IdUnite;
    CArmy& army = CArmy::Instance();
    army.Close();
    // Another program left a unit before its leader, one under a leader that is gone, one under
    // a unit, and a total that is not the members' sum.
    const auto damage = [&](const QString& sql) {
        return m_source->ExecOnOtherConnection(sql.arg(armyId));
    };
    QVERIFY(damage("UPDATE ArmeeCompo SET IdVisual = -1 WHERE IdArmee = %1 AND "
                   "NomUnitType = 'T5 Warriors'"));
    QVERIFY(damage("UPDATE ArmeeCompo SET IdLeader = 99999 WHERE IdArmee = %1 AND "
                   "NomUnitType IN ('T1 Wolf riders', 'T4 Wolf')"));
    QVERIFY(damage("UPDATE ArmeeCompo SET IdLeader = (SELECT IdUnite FROM ArmeeCompo WHERE "
                   "IdArmee = %1 AND NomUnitType = 'T2 One-eyed brute') WHERE IdArmee = %1 AND "
                   "NomUnitType = 'Iron cannon'"));
    QVERIFY(damage("UPDATE ArmeeDef SET CoutTotal = 3 WHERE IdArmee = %1"));

    QVERIFY(army.Open(armyId));
    // The warriors under their leader, the riders and the cannon under the warchief in their
    // stored order, each with its attached units right after it.
    QCOMPARE(Shape(),
             (QStringList{"T3 Orc warlord", " T3 Orc warlord", "  T5 Warriors", "  Kindless spirit",
                          " T1 Wolf riders", " T4 Wolf", " T3 Orc warlord", " Iron cannon",
                          " Gunners", " Draught mule", " T2 One-eyed brute"}));
    for (const CArmyUnit* unit : army.Units()) {
        if (unit->NomUnitType == "T5 Warriors")
            QCOMPARE(unit->IdLeader, leaderKey);
        if (unit->NomUnitType == "T1 Wolf riders" || unit->NomUnitType == "Iron cannon")
            QCOMPARE(unit->IdLeader, warchiefKey);
    }
    // What was mended is what is stored now.
    VerifyConsistent(armyId);
    const QStringList mended = StoredArmy(armyId);
    army.Close();
    QVERIFY(army.Open(armyId));
    QCOMPARE(StoredArmy(armyId), mended);
    QVERIFY(m_messages->Ids().isEmpty());
}

void TestArmyModel::anArmyThatCannotBeReadIsNotOpened() {
    Baseline b;
    const int armyId = NewArmy(false, &b);
    CArmy& army = CArmy::Instance();
    army.Close();
    // The members cannot be read: nothing of the army is kept, nothing is written. (Both
    // drivers fail a query before its first row, so a fetch cannot be made to fail part-way.)
    CArmyDatabase& db = CArmyDatabase::Instance();
    db.SetStatementHook(
        [](const QString& sql) { return !sql.startsWith("SELECT * FROM ArmeeCompo"); });
    CItemList<CArmyUnit*> units;
    units.Append(new CArmyUnit);
    QCOMPARE(db.LoadArmyUnits(armyId, units), 0);
    QCOMPARE(units.GetCount(), 1); // the caller's list as it was
    QCOMPARE(army.Open(armyId), 0);
    db.SetStatementHook({});
    QVERIFY(!army.IsOpen() && !army.HasUnits() && army.GetHeader().IdArmee == -1);
    QCOMPARE(m_messages->Messages().size(), 2);
    QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
    CArmyHeader header;
    QCOMPARE(db.FindArmyById(armyId, header), CArmyDatabase::kFound);
    QVERIFY(header.CoutTotal > 0); // no empty total was written over the stored one
}

void TestArmyModel::membersAlwaysKeepAName() {
    Baseline b;
    NewArmy(false, &b);
    CArmy& army = CArmy::Instance();
    // Blanks alone are no name: the member takes its type's name back.
    QCOMPARE(army.RenameMember(b.brute, QStringLiteral(" \t ")), CArmy::Result::Done);
    QCOMPARE(b.brute->Nom, QStringLiteral("T2 One-eyed brute"));
    CArmyUnit edited = *b.warriors;
    edited.Nom = QString();
    QCOMPARE(army.UpdateMember(b.warriors, edited), CArmy::Result::Done);
    QCOMPARE(b.warriors->Nom, QStringLiteral("T5 Warriors"));
    // Blanks around a name are the player's.
    QCOMPARE(army.RenameMember(b.brute, QStringLiteral(" Grok ")), CArmy::Result::Done);
    QVERIFY(StoredArmy(army.GetHeader().IdArmee)
                .at(b.brute->IdVisual + 1)
                .startsWith(QStringLiteral("%1  Grok  h4").arg(b.brute->IdVisual)));
}

// A leader released on a unit, and the questions asked, are the army view test's.
void TestArmyModel::movesAndDeletesTakeWhatHangsOnThem() {
    Baseline b;
    const int armyId = NewArmy(false, &b);
    CArmy& army = CArmy::Instance();
    // A unit released on a unit lands right after it (and its mount), under its leader.
    QCOMPARE(army.Move(b.brute, b.riders), CArmy::Result::Done);
    QCOMPARE(Shape().mid(2, 4), (QStringList{"  T1 Wolf riders", "  T4 Wolf", "  T2 One-eyed brute",
                                             "  T5 Warriors"}));
    QCOMPARE(b.brute->IdLeader, b.leaderA->IdUnite);

    // A group leader goes with every unit he commands and every unit attached to them.
    QCOMPARE(army.Delete(b.leaderA), CArmy::Result::Done);
    QCOMPARE(Shape(), (QStringList{"T3 Orc warlord", " T3 Orc warlord", "  Iron cannon",
                                   "  Gunners", "  Draught mule"}));
    QCOMPARE(StoredArmy(armyId).size(), 6); // the header and the five members left
    VerifyConsistent(armyId);
}

void TestArmyModel::eachMemberHasItsChoices() {
    Baseline b;
    NewArmy(false, &b);
    using Choices = CArmy::Choices;
    QList<Choices> choices;
    for (const CArmyUnit* unit : CArmy::Instance().Units())
        choices << CArmy::ChoicesOf(*unit);
    // Warchief, leader A, riders, wolf (a mount), warriors, spirit and cannon (one figure, no
    // upgrade), leader B, its gunners, the mule (no price), the brute (an individual).
    QCOMPARE(choices, (QList<Choices>{Choices::CommandPoints, Choices::CommandPoints,
                                      Choices::Troops, Choices::NameOnly, Choices::Troops,
                                      Choices::NameOnly, Choices::CommandPoints, Choices::NameOnly,
                                      Choices::Troops, Choices::NameOnly, Choices::NameOnly}));
}

QTEST_MAIN(TestArmyModel)
#include "tst_armymodel.moc"
