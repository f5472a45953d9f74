// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "core/DragPayload.h"
#include "core/StringTable.h"
#include "data/CBattleEntry.h"
#include "data/CRace.h"
#include "export/ArmyExport.h"
#include "export/ArmyFile.h"
#include "model/ArmySharing.h"
#include "model/CArmyModel.h"
#include "model/CCatalogue.h"
#include "model/DataErrorMessages.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QSqlError>
#include <QtTest>

#include <functional>
#include <memory>

// On a club's server each player's armies and battles are his own: two players and an
// administrator of the club, each on a connection of his own as the program has it. The other
// player reads, exports and battles with an army, and changes nothing of it, through the
// program or with plain SQL; the administrator changes everything.
class TestClubOwners : public ArmyFixture {
    Q_OBJECT

    // One player's program: his connection and his open army.
    struct Player {
        QString role;
        std::unique_ptr<CArmyDatabase> db;
        std::unique_ptr<CArmy> army;
    };
    Player m_alice, m_bob, m_carol;

    static QString Role(const char* name) {
        return QStringLiteral("%1_%2")
            .arg(QLatin1String(name))
            .arg(QCoreApplication::applicationPid());
    }
    static bool Connect(Player& player, const char* name) {
        player.role = Role(name);
        player.db = std::make_unique<CArmyDatabase>(player.role);
        ShowDataErrorsAsMessages(*player.db);
        player.army = std::make_unique<CArmy>(*player.db);
        ShowWhatItTells(*player.army);
        return player.db->Open(QStringLiteral("Skarnholt"),
                               {{player.role, QStringLiteral("pw")}}) &&
               player.db->ReadPlayer();
    }
    // Rows a plain statement of that player's changed; -1 when it was refused.
    static int PlainRows(const Player& player, const QString& sql) {
        QSqlQuery query(player.db->Connection());
        return query.exec(sql) ? query.numRowsAffected() : -1;
    }
    static QList<CArmyUnit*> Members(const CArmy& army) {
        return QList<CArmyUnit*>(army.Units().begin(), army.Units().end());
    }
    // Alice's army: her warchief, a leader with riders, and the brute.
    int AliceArmy() {
        CArmy& army = *m_alice.army;
        OpenNewArmy(QStringLiteral("Horde d'Alice"), 1000, army);
        army.AddWarchief(Warlord());
        army.AddGroupLeader(Warlord());
        army.AddUnit(army.Units().GetTail(), Types(QStringLiteral("T1 Wolf riders")));
        army.AddUnit(army.GetWarchief(), Types(QStringLiteral("T2 One-eyed brute")));
        return army.GetHeader().IdArmee;
    }

private slots:
    void initTestCase() {
        if (!TestDataSource::OnPostgreSql())
            QSKIP("the owners are a club server's");
        OpenCatalogue();
        QStringList roles;
        for (const auto& [name, group] :
             {std::pair{"alice", "skarnholt_player"}, std::pair{"bob", "skarnholt_player"},
              std::pair{"carol", "skarnholt_admin"}})
            roles << QStringLiteral("DROP ROLE IF EXISTS %1").arg(Role(name))
                  << QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'pw' IN ROLE %2")
                         .arg(Role(name), QLatin1String(group));
        QVERIFY2(m_source->ExecAsSuperuser(roles), qPrintable(m_source->ErrorText()));
        QVERIFY(Connect(m_alice, "alice") && Connect(m_bob, "bob") && Connect(m_carol, "carol"));
        QVERIFY(!m_alice.db->MayChangeAll() && !m_bob.db->MayChangeAll());
        QVERIFY(m_carol.db->MayChangeAll());
    }
    void cleanupTestCase() {
        for (Player* player : {&m_alice, &m_bob, &m_carol}) {
            if (player->army)
                player->army->Close();
            player->army.reset();
            player->db.reset();
        }
    }
    void cleanup() { m_messages->Clear(); }

    // Bob opens Alice's army read-only: every edit is refused with one message and leaves it
    // as stored; what he exports is what she does.
    void anotherPlayersArmyIsOnlyRead() {
        const int armyId = AliceArmy();
        const QStringList before = Stored(armyId);
        QCOMPARE(m_alice.army->Owner(), m_alice.role);
        CArmy& bob = *m_bob.army;
        QVERIFY(bob.Open(armyId));
        QVERIFY(!bob.IsEditable());
        QCOMPARE(bob.Owner(), m_alice.role);
        QCOMPARE(ArmyExportText(bob), ArmyExportText(*m_alice.army));
        // His tree lets nothing be dragged from it or dropped on it.
        CArmyModel tree(bob);
        tree.SetTypeResolver([this](int) { return Types(QStringLiteral("T5 Warriors")); });
        const std::unique_ptr<QMimeData> member(
            tree.mimeData({tree.index(0, 0, tree.WarchiefIndex())}));
        QMimeData type;
        type.setData(DragPayload::UnitTypesFormat(),
                     DragPayload::Encode({Type("T5 Warriors")->ArmyTypeId}));
        QVERIFY(member &&
                !(tree.flags(tree.index(0, 0, tree.WarchiefIndex())) & Qt::ItemIsDragEnabled));
        QVERIFY(!tree.canDropMimeData(member.get(), Qt::MoveAction, -1, -1, tree.WarchiefIndex()));
        QVERIFY(!tree.canDropMimeData(&type, Qt::CopyAction, -1, -1, tree.WarchiefIndex()));

        // clang-format off
        const QList<std::pair<QByteArray, std::function<CArmy::Result()>>> edits{
            {"add", [&] { return bob.AddUnit(Members(bob).at(1), Types(QStringLiteral("T5 Warriors"))); }},
            {"delete", [&] { return bob.Delete(Members(bob).at(1)); }},
            {"move", [&] { return bob.Move(Members(bob).last(), Members(bob).at(1)); }},
            {"member dialog", [&] {
                 CArmyUnit edited = *Members(bob).at(2);
                 edited.NombreFig += 1;
                 return bob.UpdateMember(Members(bob).at(2), edited); }},
            {"rename", [&] { return bob.RenameMember(Members(bob).at(2), QStringLiteral("Volés")); }},
            {"properties", [&] { return bob.SetProperties(QStringLiteral("Horde de Bob"), 10); }},
        };
        // clang-format on
        for (const auto& [name, edit] : edits) {
            m_messages->Clear();
            QVERIFY2(edit() != CArmy::Result::Done, name.constData());
            QVERIFY2(m_messages->Ids() == QList<int>{kArmyOfAnotherId}, name.constData());
            QVERIFY2(Stored(armyId) == before, name.constData());
            QVERIFY2(bob.IsOpen() && !bob.IsEditable(), name.constData());
        }
        // The data layer, asked directly, changes nothing either.
        m_messages->Clear();
        CArmyUnit renamed = *Members(bob).at(2);
        renamed.Nom = QStringLiteral("Volés");
        QCOMPARE(m_bob.db->RenameUnit(renamed), false);
        QCOMPARE(m_bob.db->TakeArmyVersion(armyId, bob.GetHeader().Version, 0), 0);
        QCOMPARE(m_bob.db->DeleteArmyAndContents(armyId), false);
        QCOMPARE(m_messages->Ids(), (QList<int>{kNotOwnerId, kNotOwnerId}));
        QCOMPARE(Stored(armyId), before);

        // Nor does plain SQL as Bob: his changes find no row, his inserts are refused.
        for (const char* sql :
             {"UPDATE ArmeeDef SET Nom = 'x', Proprietaire = '%2' WHERE IdArmee = %1",
              "UPDATE ArmeeCompo SET IdVisual = IdVisual + 1 WHERE IdArmee = %1",
              "DELETE FROM ArmeeCompo WHERE IdArmee = %1",
              "DELETE FROM ArmeeDef WHERE IdArmee = %1"})
            QVERIFY2(PlainRows(m_bob, QString::fromLatin1(sql).arg(armyId).arg(m_bob.role)) == 0,
                     sql);
        QCOMPARE(PlainRows(m_bob, QStringLiteral("INSERT INTO ArmeeCompo SELECT * FROM ArmeeCompo "
                                                 "WHERE IdArmee = %1")
                                      .arg(armyId)),
                 -1);
        QCOMPARE(PlainRows(m_bob, QStringLiteral("INSERT INTO ArmeeDef (Nom, NombrePointMax, "
                                                 "CoutTotal, IdRace, Proprietaire) VALUES ('Faux', "
                                                 "1, 0, 13, '%1')")
                                      .arg(m_alice.role)),
                 -1);
        QCOMPARE(Stored(armyId), before);
    }

    // The club's administrator changes anyone's army; when the club takes that right away
    // meanwhile, his next edit is refused whole, said so, and the army turns read-only.
    void theAdministratorChangesEverything() {
        const int armyId = AliceArmy();
        CArmy& carol = *m_carol.army;
        QVERIFY(carol.Open(armyId));
        QVERIFY(carol.IsEditable());
        QCOMPARE(carol.AddUnit(carol.GetWarchief(), Types(QStringLiteral("T5 Warriors"))),
                 CArmy::Result::Done);
        QCOMPARE(Stored(armyId), InMemory(carol));

        const QStringList before = Stored(armyId);
        QVERIFY(m_source->ExecAsSuperuser(
            {QStringLiteral("REVOKE skarnholt_admin FROM %1").arg(m_carol.role),
             QStringLiteral("GRANT skarnholt_player TO %1").arg(m_carol.role)}));
        QCOMPARE(carol.Delete(carol.Units().GetTail()), CArmy::Result::Failed);
        QCOMPARE(m_messages->Ids(), QList<int>{kArmyOfAnotherId});
        QCOMPARE(Stored(armyId), before);
        QVERIFY(carol.IsOpen() && !carol.IsEditable());
        QVERIFY(m_source->ExecAsSuperuser(
            {QStringLiteral("GRANT skarnholt_admin TO %1").arg(m_carol.role)}));
        QVERIFY(m_carol.db->ReadPlayer() && carol.IsEditable());
    }

    // Another player's army is shared as its owner shares it; imported from the file, the
    // copy is the importer's own, and hers is left as it was.
    void anotherPlayersArmyIsSharedAndImportedAsOnesOwn() {
        const int armyId = AliceArmy();
        const QStringList before = Stored(armyId);
        const auto file = [](const Player& player) {
            CItemList<CUnitType> types;
            CItemList<CRace> races;
            player.db->LoadUnitTypes(types) && player.db->LoadRaces(races);
            return ArmyFileText(SharedArmyOf(*player.army, types, races));
        };
        QVERIFY(m_bob.army->Open(armyId) && !m_bob.army->IsEditable());
        const QString shared = file(m_bob);
        QCOMPARE(shared, file(m_alice));
        CSharedArmy army;
        QString problem;
        QVERIFY2(ParseArmyFile(shared.toUtf8(), &army, &problem), qPrintable(problem));
        CCatalogue catalogue(*m_bob.db);
        CArmyImport import(*m_bob.db, catalogue, army);
        QCOMPARE(import.Match(), CArmyImport::Outcome::Ready);
        QVERIFY(m_bob.army->Open(import.Store()) && m_bob.army->IsEditable());
        QCOMPARE(m_bob.army->Owner(), m_bob.role);
        army.name = import.StoredName();
        QCOMPARE(file(m_bob), ArmyFileText(army));
        QCOMPARE(Stored(armyId), before);
    }

    // Battles mix the players' armies; each battle is its maker's.
    void battlesAreTheirMakersAndMixArmies() {
        const int aliceArmy = AliceArmy();
        const int aliceBattle = AddBattle(QStringLiteral("Le gué d'Alice"), QStringLiteral("Brume"),
                                          Ids{aliceArmy}, *m_alice.db);
        QVERIFY(aliceBattle > 0);
        CArmyHeader bobHeader;
        QVERIFY(m_bob.db->InsertArmy(11, QStringLiteral("Nains de Bob"), 800, &bobHeader));
        QCOMPARE(bobHeader.Proprietaire, m_bob.role);
        // Bob's battle holds Alice's army.
        QVERIFY(AddBattle(QStringLiteral("Revanche"), QString(), Ids{aliceArmy, bobHeader.IdArmee},
                          *m_bob.db) > 0);
        const auto armiesIn = [](CArmyDatabase& db, int battle) {
            CItemList<CArmyHeader> armies;
            return db.LoadBattleArmies(battle, armies) ? armies.GetCount() : -1;
        };
        QCOMPARE(armiesIn(*m_bob.db, aliceBattle), 1);

        CBattle battle;
        QCOMPARE(m_bob.db->FindBattleById(aliceBattle, &battle), 1);
        QCOMPARE(battle.Proprietaire, m_alice.role);
        m_messages->Clear();
        QCOMPARE(m_bob.db->UpdateBattle(aliceBattle, QStringLiteral("Pris"), QString(),
                                        Ids{bobHeader.IdArmee}),
                 false);
        QCOMPARE(m_bob.db->DeleteBattle(aliceBattle), false);
        QCOMPARE(m_messages->Ids(), (QList<int>{kNotOwnerId, kNotOwnerId}));
        QCOMPARE(
            PlainRows(m_bob,
                      QStringLiteral("DELETE FROM Battle WHERE IdBattle = %1").arg(aliceBattle)),
            0);
        QCOMPARE(m_bob.db->FindBattleById(aliceBattle, &battle), 1);
        QCOMPARE(battle.Nom, QStringLiteral("Le gué d'Alice"));
        QCOMPARE(armiesIn(*m_bob.db, aliceBattle), 1);

        // The administrator may; and Bob's own army leaves Alice's battle with him.
        QVERIFY(m_carol.db->UpdateBattle(aliceBattle, QStringLiteral("Le gué"), QString(),
                                         Ids{aliceArmy, bobHeader.IdArmee}));
        QVERIFY(m_bob.db->DeleteArmyAndContents(bobHeader.IdArmee));
        CItemList<CBattleEntry> entries;
        QVERIFY(m_alice.db->LoadBattleEntries(aliceBattle, entries));
        QCOMPARE(entries.GetCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestClubOwners)
#include "tst_clubowners.moc"
