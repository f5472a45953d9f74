#include "TestDataSource.h"
#include "app/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CBattle.h"
#include "data/CBattleEntry.h"
#include "data/CRace.h"
#include "data/CUnitType.h"

#include <QSqlQuery>
#include <QtTest>

// Every operation against a real SQLite file reached through the ODBC data source.
class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsCatalogueInItsOrders();
    void insertsArmiesAndReadsThemBackByKey();
    void updatesAndDeletesArmies();
    void insertsUnitsWithEveryFieldInItsColumn();
    void newUnitKeyIsTheRowJustInserted();
    void updatesRenamesOrdersAndDeletesUnits();
    void storesAllUnitOrdersInOneGo();
    void insertsUpdatesAndDeletesBattles();
    void battleArmiesSkipArmiesThatNoLongerExist();
    void failedWritesAreRolledBackAndReported();

private:
    // A value of one row, read with plain SQL on the program's own connection.
    QVariant Scalar(const QString& sql);
    CArmyUnit MakeUnit(const QString& name, int visual, int leader = -1);
    static QVariantList StoredFields(const CArmyUnit& u);

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CArmyDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestDatabase::init() {
    m_source = std::make_unique<TestDataSource>();
    QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
    m_messages = std::make_unique<MessageRecorder>();
    m_db = std::make_unique<CArmyDatabase>(QStringLiteral("test"));
    QCOMPARE(m_db->OpenDatabase(), 1);
}

void TestDatabase::cleanup() {
    if (m_messages &&
        QTest::currentTestFunction() != QByteArray("failedWritesAreRolledBackAndReported"))
        QCOMPARE(m_messages->Ids(), QList<int>{});
    m_db.reset();
    m_messages.reset();
    m_source.reset();
}

QVariant TestDatabase::Scalar(const QString& sql) {
    QSqlQuery query(m_db->Connection());
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

CArmyUnit TestDatabase::MakeUnit(const QString& name, int visual, int leader) {
    CUnitType type;
    type.NomGB = name;
    type.Points = 5;
    type.Max = 12;
    type.CombatantType = kCombatUnitType;
    CArmyUnit unit(type);
    unit.Hierarchie = kCombatUnit;
    unit.IdVisual = visual;
    unit.IdLeader = leader;
    return unit;
}

// clang-format off
QVariantList TestDatabase::StoredFields(const CArmyUnit& u) {
    return {u.IdUnite, u.IdParentUnit, u.IdLeader, u.IdArmee, u.IdVisual, u.NombreFig, u.Nom,
            u.Etendard, u.Musicien, u.Pc, u.CoutTotal, u.Hierarchie, u.NomUnitType, u.IdRace,
            u.IdQualiteMin, u.IdQualiteMax, u.IdQualite, u.IdType, u.Force, u.Resistance,
            u.Valeur, u.IdArmure, u.IdArmePrincipale, u.IdArmeSecondaire, u.Bouclier,
            u.Mouvement, u.JetSauvegarde, u.Terrible, u.IdEclairage, u.Points, u.UPG, u.Min,
            u.Max, u.CombatantType};
}
// clang-format on

void TestDatabase::loadsCatalogueInItsOrders() {
    QVERIFY(m_source->ExecOnOtherConnection(
        "INSERT INTO Races (IdAuto,RaceFR,RaceGB,IdRace) VALUES "
        "(1,'Orc','Orc',13),(2,'Nain','Dwarf',11),(3,'Elf noir','Dark elf',3)"));
    QVERIFY(m_source->ExecOnOtherConnection(
        "INSERT INTO Armees (ArmyTypeId,ArmyTypeIdParent,NomFR,NomGB,IdRace,IdQualiteMin,"
        "IdQualiteMax,IdQualite,IdType,Force,Resistance,Valeur,IdArmure,IdArmePrincipale,"
        "IdArmeSecondaire,Bouclier,Mouvement,JetSauvegarde,Terrible,IdEclairage,Points,UPG,Min,"
        "Max,CombatantType) VALUES "
        "(30,-1,'Chevaucheur','Rider',11,1,2,1,0,3,4,5,2,1,5,'1',4.5,5,'0',1,12,2,5,10,2),"
        "(31,30,'Bélier d''Orage','Storm Ram',11,1,1,1,0,4,4,2,0,11,0,'0',7,0,'1',0,0,0,5,10,4),"
        "(10,-1,'Chef','Boss',13,2,2,2,1,4,4,6,1,2,0,'0',5,5,'1',2,60,0,1,1,1),"
        "(20,-1,'Guerrier','Warrior',11,0,0,0,0,3,3,4,0,1,0,'0',4,6,'0',0,6,0,10,20,2)"));

    CItemList<CRace*> races;
    m_db->LoadRaces(races);
    QStringList raceNames;
    for (const CRace* race : races)
        raceNames << race->RaceGB;
    QCOMPARE(raceNames, (QStringList{"Dark elf", "Dwarf", "Orc"}));
    QCOMPARE(races.GetHead()->IdRace, 3);
    QCOMPARE(races.GetHead()->RaceFR, QStringLiteral("Elf noir"));
    QCOMPARE(races.GetHead()->m_bShown, 1);

    CItemList<CUnitType*> types;
    m_db->LoadUnitTypes(types);
    QList<int> ids;
    for (const CUnitType* type : types)
        ids << type->ArmyTypeId;
    QCOMPARE(ids, (QList<int>{20, 30, 31, 10}));

    const CUnitType* rider = *std::next(types.begin());
    QCOMPARE(rider->ArmyTypeIdParent, -1);
    QCOMPARE(rider->NomFR, QStringLiteral("Chevaucheur"));
    QCOMPARE(rider->Bouclier, 1);
    QCOMPARE(rider->Mouvement, 4.5f);
    QCOMPARE(rider->Max, 10);

    CItemList<CUnitType*> attached;
    m_db->LoadUnitTypesByParent(30, attached);
    QCOMPARE(attached.GetCount(), 1);
    QCOMPARE(attached.GetHead()->NomFR, QStringLiteral("Bélier d'Orage"));
    QCOMPARE(attached.GetHead()->Terrible, 1);
    QVERIFY(attached.GetHead()->IsUncountedType());

    // Loading appends: the list is not emptied first.
    m_db->LoadUnitTypesByParent(30, attached);
    QCOMPARE(attached.GetCount(), 2);
}

void TestDatabase::insertsArmiesAndReadsThemBackByKey() {
    CArmyHeader first;
    QCOMPARE(m_db->InsertArmy(13, QStringLiteral("L'armée d'Urk"), 1500, &first), 1);
    QVERIFY(first.IdArmee > 0);
    QCOMPARE(first.Nom, QStringLiteral("L'armée d'Urk"));
    QCOMPARE(first.NombrePointMax, 1500);
    QCOMPARE(first.CoutTotal, 0);
    QCOMPARE(first.IdRace, 13);
    QCOMPARE(Scalar("SELECT Nom FROM ArmeeDef WHERE IdArmee = " + QString::number(first.IdArmee))
                 .toString(),
             QStringLiteral("L'armée d'Urk"));

    // A second army of the same name gets its own row, and the header read back is that row.
    CArmyHeader second;
    QCOMPARE(m_db->InsertArmy(11, QStringLiteral("L'armée d'Urk"), 800, &second), 1);
    QVERIFY(second.IdArmee != first.IdArmee);
    QCOMPARE(second.NombrePointMax, 800);
    QCOMPARE(second.IdRace, 11);

    QCOMPARE(m_db->InsertArmy(9, QStringLiteral("Aube"), 500, nullptr), 1);

    CArmyHeader found;
    QCOMPARE(m_db->FindArmyById(second.IdArmee, found), 1);
    QCOMPARE(found.NombrePointMax, 800);
    CArmyHeader byName;
    QCOMPARE(m_db->FindArmyByName(QStringLiteral("Aube"), byName), 1);
    QCOMPARE(byName.IdRace, 9);

    CArmyHeader untouched;
    untouched.Nom = QStringLiteral("kept");
    QCOMPARE(m_db->FindArmyById(99999, untouched), 0);
    QCOMPARE(m_db->FindArmyByName(QStringLiteral("Nobody"), untouched), 0);
    QCOMPARE(untouched.Nom, QStringLiteral("kept"));
    QCOMPARE(untouched.IdArmee, -1);

    CItemList<CArmyHeader*> armies;
    m_db->LoadArmies(armies);
    QStringList names;
    for (const CArmyHeader* army : armies)
        names << army->Nom;
    QCOMPARE(names, (QStringList{"Aube", "L'armée d'Urk", "L'armée d'Urk"}));
}

void TestDatabase::updatesAndDeletesArmies() {
    CArmyHeader army;
    QCOMPARE(m_db->InsertArmy(13, QStringLiteral("Horde"), 1000, &army), 1);
    army.Nom = QStringLiteral("Horde d'Ork");
    army.NombrePointMax = 1200;
    army.CoutTotal = 345;
    QStringList log;
    m_db->SetStatementLog(&log);
    QCOMPARE(m_db->UpdateArmy(army), 1);
    QCOMPARE(log, QStringList{QString("UPDATE ArmeeDef SET Nom = 'Horde d''Ork', NombrePointMax = "
                                      "1200, CoutTotal = 345  WHERE IdArmee = %1")
                                  .arg(army.IdArmee)});
    m_db->SetStatementLog(nullptr);
    CArmyHeader reread;
    QCOMPARE(m_db->FindArmyById(army.IdArmee, reread), 1);
    QCOMPARE(reread.Nom, QStringLiteral("Horde d'Ork"));
    QCOMPARE(reread.NombrePointMax, 1200);
    QCOMPARE(reread.CoutTotal, 345);

    CArmyUnit unit = MakeUnit(QStringLiteral("Boyz"), 0);
    QCOMPARE(m_db->InsertUnit(army.IdArmee, unit), 1);

    // Deleting the header leaves the units; deleting the units leaves the header.
    QCOMPARE(m_db->DeleteArmy(army.IdArmee), 1);
    QCOMPARE(m_db->FindArmyById(army.IdArmee, reread), 0);
    QCOMPARE(Scalar("SELECT COUNT(*) FROM ArmeeCompo").toInt(), 1);
    QCOMPARE(m_db->DeleteArmyUnits(army.IdArmee), 1);
    QCOMPARE(Scalar("SELECT COUNT(*) FROM ArmeeCompo").toInt(), 0);
}

void TestDatabase::insertsUnitsWithEveryFieldInItsColumn() {
    QCOMPARE(m_db->GetMaxId(QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite")), 0);

    CArmyUnit unit;
    unit.IdParentUnit = 7;
    unit.IdLeader = 3;
    unit.IdArmee = 999; // the army comes from the argument, not from this field
    unit.IdVisual = 4;
    unit.NombreFig = 12;
    unit.Nom = QStringLiteral("Chef d'orcs");
    unit.Etendard = 1;
    unit.Musicien = 2;
    unit.Pc = 3;
    unit.CoutTotal = 90;
    unit.Hierarchie = kCombatUnit;
    unit.NomUnitType = QStringLiteral("Guerrier d'élite");
    unit.IdRace = 13;
    unit.IdQualite = 2;
    unit.IdQualiteMin = 1;
    unit.IdQualiteMax = 3;
    unit.IdType = 1;
    unit.Force = 4;
    unit.Resistance = 5;
    unit.Valeur = 6;
    unit.IdArmure = 2;
    unit.IdArmePrincipale = 7;
    unit.IdArmeSecondaire = 5;
    unit.Bouclier = 1;
    unit.Mouvement = 4.5f;
    unit.JetSauvegarde = 5;
    unit.Terrible = 7; // anything but 1 is written as no
    unit.IdEclairage = 2;
    unit.Points = 5;
    unit.UPG = 2;
    unit.Min = 10;
    unit.Max = 20;
    unit.CombatantType = kCombatUnitType;

    QStringList log;
    m_db->SetStatementLog(&log);
    QCOMPARE(m_db->InsertUnit(42, unit), 1);
    m_db->SetStatementLog(nullptr);
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains("'Chef d''orcs'"), qPrintable(log.first()));
    QVERIFY2(log.first().contains(",4.500000,"), qPrintable(log.first()));
    QVERIFY(log.first().startsWith("INSERT INTO ArmeeCompo (IdParentUnit,IdLeader,IdArmee,"));
    QVERIFY(unit.IdUnite > 0);
    QCOMPARE(unit.Nom, QStringLiteral("Chef d'orcs")); // the caller's text is not doubled
    QCOMPARE(m_db->GetMaxId(QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite")), unit.IdUnite);

    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(42, units);
    QCOMPARE(units.GetCount(), 1);
    const CArmyUnit& back = *units.GetHead();
    CArmyUnit expected = unit;
    expected.IdArmee = 42;
    expected.Terrible = 0;
    QCOMPARE(StoredFields(back), StoredFields(expected));
    QCOMPARE(back.m_pMainUnit, nullptr);
    QVERIFY(back.m_attached.IsEmpty());
}

void TestDatabase::newUnitKeyIsTheRowJustInserted() {
    // Another program's rows, with keys of its own choosing, do not confuse the key read back.
    QVERIFY(m_source->ExecOnOtherConnection(
        "INSERT INTO ArmeeCompo (IdUnite,IdParentUnit,IdLeader,IdArmee,IdVisual,NombreFig,Nom,"
        "Etendard,Musicien,Pc,CoutTotal,Hierarchie,NomUnitType,IdRace,IdQualite,IdQualiteMin,"
        "IdQualiteMax,IdType,Force,Resistance,Valeur,IdArmure,IdArmePrincipale,IdArmeSecondaire,"
        "Bouclier,Mouvement,JetSauvegarde,Terrible,IdEclairage,Points,UPG,Min,Max,CombatantType)"
        " VALUES (500,-1,-1,9,0,1,'Other','0',0,0,0,1,'x',0,0,0,0,0,0,0,0,0,0,0,'0',0,0,'0',0,0,0,"
        "0,0,1)"));
    for (int i = 0; i < 3; ++i) {
        CArmyUnit unit = MakeUnit(QStringLiteral("Unit %1").arg(i), i);
        QCOMPARE(m_db->InsertUnit(1, unit), 1);
        QCOMPARE(Scalar(QString("SELECT Nom FROM ArmeeCompo WHERE IdUnite = %1").arg(unit.IdUnite))
                     .toString(),
                 unit.Nom);
    }
}

void TestDatabase::updatesRenamesOrdersAndDeletesUnits() {
    CArmyUnit a = MakeUnit(QStringLiteral("A"), 2);
    CArmyUnit b = MakeUnit(QStringLiteral("B"), 0);
    CArmyUnit c = MakeUnit(QStringLiteral("C"), 1);
    for (CArmyUnit* unit : {&a, &b, &c})
        QCOMPARE(m_db->InsertUnit(5, *unit), 1);

    auto names = [this]() {
        CItemList<CArmyUnit*> units;
        m_db->LoadArmyUnits(5, units);
        QStringList result;
        for (const CArmyUnit* unit : units)
            result << unit->Nom;
        return result;
    };
    QCOMPARE(names(), (QStringList{"B", "C", "A"}));

    a.IdVisual = -1;
    QCOMPARE(m_db->UpdateUnitOrder(a), 1);
    QCOMPARE(names(), (QStringList{"A", "B", "C"}));

    b.NombreFig = 20;
    b.Nom = QStringLiteral("Les gars d'Urk");
    b.Etendard = 1;
    b.Musicien = 1;
    b.Pc = 2;
    b.CoutTotal = 130;
    b.IdQualite = 3;
    b.Force = 9; // not among the columns the unit dialogs change
    QCOMPARE(m_db->UpdateUnit(b), 1);
    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(5, units);
    const CArmyUnit* stored = *std::next(units.begin());
    QCOMPARE(stored->IdUnite, b.IdUnite);
    QCOMPARE(stored->NombreFig, 20);
    QCOMPARE(stored->Nom, QStringLiteral("Les gars d'Urk"));
    QCOMPARE(stored->Etendard, 1);
    QCOMPARE(stored->Musicien, 1);
    QCOMPARE(stored->Pc, 2);
    QCOMPARE(stored->CoutTotal, 130);
    QCOMPARE(stored->IdQualite, 3);
    QCOMPARE(stored->Force, 0);

    c.Nom = QStringLiteral("C'est nous");
    QCOMPARE(m_db->RenameUnit(c), 1);
    QCOMPARE(names(), (QStringList{"A", "Les gars d'Urk", "C'est nous"}));

    QCOMPARE(m_db->DeleteUnit(b), 1);
    QCOMPARE(names(), (QStringList{"A", "C'est nous"}));
}

void TestDatabase::storesAllUnitOrdersInOneGo() {
    QStringList log;
    m_db->SetStatementLog(&log);
    CItemList<CArmyUnit*> none;
    QCOMPARE(m_db->UpdateAllUnitOrders(none), 1);
    QVERIFY(log.isEmpty());
    m_db->SetStatementLog(nullptr);

    CItemList<CArmyUnit*> units;
    auto* chief = new CArmyUnit(MakeUnit(QStringLiteral("Chief"), 0));
    auto* troop = new CArmyUnit(MakeUnit(QStringLiteral("Troop"), 1));
    units.Append(chief);
    units.Append(troop);
    for (CArmyUnit* unit : units)
        QCOMPARE(m_db->InsertUnit(8, *unit), 1);
    chief->IdVisual = 1;
    troop->IdVisual = 0;
    troop->IdLeader = chief->IdUnite;
    QCOMPARE(m_db->UpdateAllUnitOrders(units), 1);

    CItemList<CArmyUnit*> stored;
    m_db->LoadArmyUnits(8, stored);
    QCOMPARE(stored.GetHead()->Nom, QStringLiteral("Troop"));
    QCOMPARE(stored.GetHead()->IdLeader, chief->IdUnite);
    QCOMPARE(stored.GetTail()->Nom, QStringLiteral("Chief"));
    QCOMPARE(stored.GetTail()->IdLeader, -1);
}

void TestDatabase::insertsUpdatesAndDeletesBattles() {
    CIdList armies;
    armies.Append(4);
    armies.Append(2);
    QCOMPARE(
        m_db->InsertBattle(QStringLiteral("L'assaut"), QStringLiteral("Au pont d'Arn"), armies), 1);
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("L'assaut"), nullptr), 1);
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("Personne"), nullptr), 0);

    CBattle battle;
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("L'assaut"), &battle), 1);
    QVERIFY(battle.IdBattle > 0);
    QCOMPARE(battle.Description, QStringLiteral("Au pont d'Arn"));
    CBattle byId;
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, &byId), 1);
    QCOMPARE(byId.Nom, QStringLiteral("L'assaut"));
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, nullptr), 1);
    QCOMPARE(m_db->FindBattleById(battle.IdBattle + 100, &byId), 0);

    auto armyIds = [this](int battleId) {
        CItemList<CBattleEntry*> entries;
        m_db->LoadBattleEntries(battleId, entries);
        QList<int> ids;
        for (const CBattleEntry* entry : entries) {
            if (entry->IdBattle != battleId)
                return QList<int>{-1};
            ids << entry->IdArmy;
        }
        return ids;
    };
    QCOMPARE(armyIds(battle.IdBattle), (QList<int>{4, 2}));

    CIdList changed;
    changed.Append(7);
    changed.Append(4);
    QCOMPARE(m_db->UpdateBattle(battle.IdBattle, QStringLiteral("Le siège"),
                                QStringLiteral("Deux lignes\nd'assaut"), changed),
             1);
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, &byId), 1);
    QCOMPARE(byId.Nom, QStringLiteral("Le siège"));
    QCOMPARE(byId.Description, QStringLiteral("Deux lignes\nd'assaut"));
    QCOMPARE(armyIds(battle.IdBattle), (QList<int>{7, 4}));

    CIdList more;
    more.Append(9);
    QCOMPARE(m_db->InsertBattleArmies(battle.IdBattle, more), 1);
    QCOMPARE(armyIds(battle.IdBattle), (QList<int>{7, 4, 9}));
    QCOMPARE(m_db->ReplaceBattleArmies(battle.IdBattle, more), 1);
    QCOMPARE(armyIds(battle.IdBattle), (QList<int>{9}));

    QCOMPARE(m_db->InsertBattle(QStringLiteral("Second"), QString(), more), 1);
    CItemList<CBattle*> battles;
    m_db->LoadBattles(battles);
    QCOMPARE(battles.GetCount(), 2);

    QCOMPARE(m_db->DeleteBattle(battle.IdBattle), 1);
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, nullptr), 0);
    QCOMPARE(armyIds(battle.IdBattle), QList<int>{});
    QCOMPARE(Scalar("SELECT COUNT(*) FROM BattleCompo").toInt(), 1); // the other battle's row

    QCOMPARE(m_db->DeleteBattleArmies(battles.GetTail()->IdBattle), 1);
    QCOMPARE(Scalar("SELECT COUNT(*) FROM BattleCompo").toInt(), 0);
}

void TestDatabase::battleArmiesSkipArmiesThatNoLongerExist() {
    CArmyHeader kept, gone;
    QCOMPARE(m_db->InsertArmy(1, QStringLiteral("Kept"), 100, &kept), 1);
    QCOMPARE(m_db->InsertArmy(2, QStringLiteral("Gone"), 200, &gone), 1);
    CIdList armies;
    armies.Append(gone.IdArmee);
    armies.Append(kept.IdArmee);
    QCOMPARE(m_db->InsertBattle(QStringLiteral("B"), QStringLiteral("d"), armies), 1);
    CBattle battle;
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("B"), &battle), 1);
    QCOMPARE(m_db->DeleteArmy(gone.IdArmee), 1);

    CItemList<CArmyHeader*> headers;
    m_db->LoadBattleArmies(battle.IdBattle, headers);
    QCOMPARE(headers.GetCount(), 1);
    QCOMPARE(headers.GetHead()->Nom, QStringLiteral("Kept"));
    QCOMPARE(headers.GetHead()->NombrePointMax, 100);
}

void TestDatabase::failedWritesAreRolledBackAndReported() {
    // A battle whose army rows cannot be stored is not stored either.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE BattleCompo"));
    CIdList armies;
    armies.Append(1);
    armies.Append(2);
    QCOMPARE(m_db->InsertBattle(QStringLiteral("Half"), QString(), armies), 0);
    QCOMPARE(m_messages->Messages().size(), 1);
    QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
    QVERIFY(m_messages->Messages().first().text.contains("BattleCompo"));
    QCOMPARE(Scalar("SELECT COUNT(*) FROM Battle").toInt(), 0);

    // A unit that cannot be stored keeps no key.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE ArmeeCompo"));
    m_messages->Clear();
    CArmyUnit unit = MakeUnit(QStringLiteral("Lost"), 0);
    QCOMPARE(m_db->InsertUnit(1, unit), 0);
    QCOMPARE(unit.IdUnite, -1);
    QCOMPARE(m_db->UpdateUnit(unit), 0);
    QCOMPARE(m_db->DeleteArmyUnits(1), 0);
    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(1, units);
    QVERIFY(units.IsEmpty());
    QCOMPARE(m_messages->Messages().size(), 4);

    // An army read back fails with its insert: no header is filled.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE ArmeeDef"));
    CArmyHeader header;
    QCOMPARE(m_db->InsertArmy(1, QStringLiteral("X"), 10, &header), 0);
    QCOMPARE(header.IdArmee, -1);

    // With the connection closed nothing is written, and the failure is said.
    m_db->CloseDatabase();
    m_messages->Clear();
    QCOMPARE(m_db->DeleteBattle(1), 0);
    QCOMPARE(m_messages->Messages().size(), 1);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
