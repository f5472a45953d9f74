#include "TestDataSource.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CBattle.h"
#include "data/CBattleEntry.h"
#include "data/CUnitType.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// Every operation against a real SQLite file reached through the ODBC data source.
class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsUnitTypesInTheirOrder();
    void armiesAreReadBackByKey();
    void unitsKeepEveryFieldInItsColumn();
    void updatesRenamesOrdersAndDeletesUnits();
    void battlesKeepTheirArmiesInOrder();
    void failedWritesAreRolledBackAndReported();
    void everyTextRoundTripsAndTouchesNoOtherRow();
    void textLimitsCountCharacters();

private:
    // A value of one row, read with plain SQL on the program's own connection.
    QVariant Scalar(const QString& sql);
    QStringList UnitNames(int armyId);
    // Every row of the user tables, as text, by table and key.
    QMap<QString, QString> Rows();
    QList<int> BattleArmyIds(int battleId);
    static CArmyUnit MakeUnit(const QString& name, int visual);

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CArmyDatabase> m_db;
    // The failures the data layer reported, in order.
    QList<CDataError> m_errors;
};

void TestDatabase::init() {
    m_source = std::make_unique<TestDataSource>();
    QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
    m_errors.clear();
    m_db = std::make_unique<CArmyDatabase>(QStringLiteral("test"));
    m_db->SetErrorSink([this](const CDataError& error) { m_errors << error; });
    QCOMPARE(m_db->OpenDatabase(), 1);
}

void TestDatabase::cleanup() {
    const qsizetype reported = m_errors.size();
    m_db.reset();
    m_source.reset();
    if (QTest::currentTestFunction() != QByteArray("failedWritesAreRolledBackAndReported"))
        QCOMPARE(reported, 0);
}

QVariant TestDatabase::Scalar(const QString& sql) {
    QSqlQuery query(m_db->Connection());
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

QStringList TestDatabase::UnitNames(int armyId) {
    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(armyId, units);
    QStringList names;
    for (const CArmyUnit* unit : units)
        names << unit->Nom;
    return names;
}

QList<int> TestDatabase::BattleArmyIds(int battleId) {
    CItemList<CBattleEntry*> entries;
    m_db->LoadBattleEntries(battleId, entries);
    QList<int> ids;
    for (const CBattleEntry* entry : entries)
        ids << entry->IdArmy;
    return ids;
}

CArmyUnit TestDatabase::MakeUnit(const QString& name, int visual) {
    CArmyUnit unit;
    unit.Nom = name;
    unit.IdVisual = visual;
    return unit;
}

void TestDatabase::loadsUnitTypesInTheirOrder() {
    QVERIFY(m_source->RunScript(TestDataSource::SourcePath(TestDataSource::kSmallCatalogue)));
    QVERIFY(
        m_source->ExecOnOtherConnection("UPDATE Armees SET Mouvement = 4.5 WHERE ArmyTypeId = 1"));

    // Types by race code, then by key.
    CItemList<CUnitType*> types;
    m_db->LoadUnitTypes(types);
    QList<int> ids;
    for (const CUnitType* type : types)
        ids << type->ArmyTypeId;
    QCOMPARE(ids, (QList<int>{20, 21, 22, 23, 1, 2, 3, 4, 5, 6, 7}));
    const CUnitType* riders = *std::next(types.begin(), 4);
    QCOMPARE((QVariantList{riders->NomFR, riders->Bouclier, riders->Mouvement, riders->Max}),
             (QVariantList{"Loup-garou monté", 1, 4.5f, 10}));
    QCOMPARE((*std::next(types.begin(), 5))->Terrible, 1);

    CItemList<CUnitType*> attached;
    m_db->LoadUnitTypesByParent(20, attached);
    // Loading appends: the list is not emptied first.
    m_db->LoadUnitTypesByParent(1, attached);
    QCOMPARE(attached.GetCount(), 3);
    QCOMPARE(attached.GetTail()->NomGB, QStringLiteral("T4 Wolf"));
}

void TestDatabase::armiesAreReadBackByKey() {
    CArmyHeader first, second;
    QCOMPARE(m_db->InsertArmy(13, QStringLiteral("L'armée d'Urk"), 1500, &first), 1);
    // A second army of the same name gets its own row, and the header read back is that row.
    QCOMPARE(m_db->InsertArmy(11, QStringLiteral("L'armée d'Urk"), 800, &second), 1);
    QVERIFY(second.IdArmee != first.IdArmee);
    QCOMPARE((QVariantList{second.Nom, second.NombrePointMax, second.CoutTotal, second.IdRace}),
             (QVariantList{"L'armée d'Urk", 800, 0, 11}));
    QCOMPARE(m_db->InsertArmy(9, QStringLiteral("Aube"), 500, nullptr), 1);

    CArmyHeader untouched;
    untouched.Nom = QStringLiteral("kept");
    QCOMPARE(m_db->FindArmyById(99999, untouched), 0);
    QCOMPARE(m_db->FindArmyByName(QStringLiteral("Nobody"), untouched), 0);
    QCOMPARE(untouched.Nom, QStringLiteral("kept"));

    second.Nom = QStringLiteral("Horde d'Ork");
    second.NombrePointMax = 1200;
    second.CoutTotal = 345;
    QCOMPARE(m_db->UpdateArmy(second), 1);
    CArmyHeader found;
    QCOMPARE(m_db->FindArmyByName(QStringLiteral("Horde d'Ork"), found), 1);
    QCOMPARE((QList<int>{found.IdArmee, found.NombrePointMax, found.CoutTotal}),
             (QList<int>{second.IdArmee, 1200, 345}));

    CItemList<CArmyHeader*> armies;
    m_db->LoadArmies(armies);
    QStringList names;
    for (const CArmyHeader* army : armies)
        names << army->Nom;
    QCOMPARE(names, (QStringList{"Aube", "Horde d'Ork", "L'armée d'Urk"}));

    // Deleting the header leaves the units; deleting the units is a step of its own.
    CArmyUnit unit = MakeUnit(QStringLiteral("Boyz"), 0);
    QCOMPARE(m_db->InsertUnit(first.IdArmee, unit), 1);
    QCOMPARE(m_db->DeleteArmy(first.IdArmee), 1);
    QCOMPARE(m_db->FindArmyById(first.IdArmee, found), 0);
    QCOMPARE(UnitNames(first.IdArmee), QStringList{"Boyz"});
    QCOMPARE(m_db->DeleteArmyUnits(first.IdArmee), 1);
    QVERIFY(UnitNames(first.IdArmee).isEmpty());
}

void TestDatabase::unitsKeepEveryFieldInItsColumn() {
    QCOMPARE(m_db->GetMaxId(QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite")), 0);
    QStringList log;
    m_db->SetStatementHook([&log](const QString& sql) {
        log << sql;
        return true;
    });
    CItemList<CArmyUnit*> none;
    QCOMPARE(m_db->UpdateAllUnitOrders(none), 1); // an empty army: nothing to run
    QVERIFY(log.isEmpty());

    // A row whose key was chosen by another program must not be taken for ours.
    CArmyUnit theirs = MakeUnit(QStringLiteral("Other"), 0);
    QCOMPARE(m_db->InsertUnit(9, theirs), 1);
    QVERIFY(m_source->ExecOnOtherConnection("UPDATE ArmeeCompo SET IdUnite = 500"));

    // A value of its own in every column, so that two columns swapped show.
    CArmyUnit unit;
    int value = 2;
    // clang-format off
    for (int* field : {&unit.IdParentUnit, &unit.IdLeader, &unit.IdVisual, &unit.NombreFig,
             &unit.Musicien, &unit.Pc, &unit.CoutTotal, &unit.Hierarchie, &unit.IdRace,
             &unit.IdQualiteMin, &unit.IdQualiteMax, &unit.IdQualite, &unit.IdType, &unit.Force,
             &unit.Resistance, &unit.Valeur, &unit.IdArmure, &unit.IdArmePrincipale,
             &unit.IdArmeSecondaire, &unit.JetSauvegarde, &unit.IdEclairage, &unit.Points,
             &unit.UPG, &unit.Min, &unit.Max, &unit.CombatantType})
        *field = value++;
    // clang-format on
    unit.IdArmee = 999; // the army comes from the argument, not from this field
    unit.Nom = QStringLiteral("Chef d'orcs");
    unit.NomUnitType = QStringLiteral("Guerrier d'élite");
    unit.Etendard = unit.Bouclier = 1;
    unit.Terrible = 7; // anything but 1 is written as no
    unit.Mouvement = 4.5f;

    QCOMPARE(m_db->InsertUnit(42, unit), 1);
    m_db->SetStatementHook({});
    // Values travel bound, never inside the statement's text.
    QVERIFY(!log.join(' ').contains("orcs"));
    QCOMPARE(m_db->GetMaxId(QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite")), unit.IdUnite);

    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(42, units);
    QCOMPARE(units.GetCount(), 1);
    const CArmyUnit& b = *units.GetHead();
    // clang-format off
    const auto fields = [](const CArmyUnit& u) {
        return QVariantList{u.IdUnite, u.IdParentUnit, u.IdLeader, u.IdVisual, u.NombreFig, u.Nom,
            u.Etendard, u.Musicien, u.Pc, u.CoutTotal, u.Hierarchie, u.NomUnitType, u.IdRace,
            u.IdQualiteMin, u.IdQualiteMax, u.IdQualite, u.IdType, u.Force, u.Resistance, u.Valeur,
            u.IdArmure, u.IdArmePrincipale, u.IdArmeSecondaire, u.Bouclier, u.Mouvement,
            u.JetSauvegarde, u.IdEclairage, u.Points, u.UPG, u.Min, u.Max, u.CombatantType};
    };
    // clang-format on
    QCOMPARE(fields(b), fields(unit));
    QCOMPARE((QList<int>{b.IdArmee, b.Terrible}), (QList<int>{42, 0}));
    QVERIFY(!b.m_pMainUnit && b.m_attached.IsEmpty());
}

void TestDatabase::updatesRenamesOrdersAndDeletesUnits() {
    CArmyUnit a = MakeUnit(QStringLiteral("A"), 2);
    CArmyUnit b = MakeUnit(QStringLiteral("B"), 0);
    CArmyUnit c = MakeUnit(QStringLiteral("C"), 1);
    for (CArmyUnit* unit : {&a, &b, &c})
        QCOMPARE(m_db->InsertUnit(5, *unit), 1);
    QCOMPARE(UnitNames(5), (QStringList{"B", "C", "A"}));

    b.NombreFig = 20;
    b.Nom = QStringLiteral("Les gars d'Urk");
    b.Etendard = 1;
    b.Musicien = 4;
    b.Pc = 2;
    b.CoutTotal = 130;
    b.IdQualite = 3;
    b.Force = 9; // not among the columns the unit dialogs change
    QCOMPARE(m_db->UpdateUnit(b), 1);
    CItemList<CArmyUnit*> units;
    m_db->LoadArmyUnits(5, units);
    const CArmyUnit* s = units.GetHead();
    QCOMPARE((QVariantList{s->IdUnite, s->NombreFig, s->Nom, s->Etendard, s->Musicien, s->Pc,
                           s->CoutTotal, s->IdQualite, s->Force}),
             (QVariantList{b.IdUnite, 20, "Les gars d'Urk", 1, 4, 2, 130, 3, 0}));

    c.Nom = QStringLiteral("C'est nous");
    QCOMPARE(m_db->RenameUnit(c), 1);
    QCOMPARE(UnitNames(5), (QStringList{"Les gars d'Urk", "C'est nous", "A"}));

    // All orders in one go; a leader is written only where one is set.
    CItemList<CArmyUnit*> all(false);
    for (CArmyUnit* unit : {&a, &b, &c})
        all.Append(unit);
    a.IdVisual = -1;
    c.IdLeader = a.IdUnite;
    QCOMPARE(m_db->UpdateAllUnitOrders(all), 1);
    units.RemoveAll();
    m_db->LoadArmyUnits(5, units);
    QCOMPARE(units.GetHead()->Nom, QStringLiteral("A"));
    QCOMPARE(units.GetTail()->IdLeader, a.IdUnite);

    QCOMPARE(m_db->DeleteUnit(b), 1);
    QCOMPARE(UnitNames(5), (QStringList{"A", "C'est nous"}));
}

void TestDatabase::battlesKeepTheirArmiesInOrder() {
    CArmyHeader kept, gone;
    QCOMPARE(m_db->InsertArmy(1, QStringLiteral("Kept"), 100, &kept), 1);
    QCOMPARE(m_db->InsertArmy(2, QStringLiteral("Gone"), 200, &gone), 1);
    CIdList armies;
    armies.Append(gone.IdArmee);
    armies.Append(kept.IdArmee);
    QCOMPARE(
        m_db->InsertBattle(QStringLiteral("L'assaut"), QStringLiteral("Au pont d'Arn"), armies), 1);
    CBattle battle;
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("L'assaut"), nullptr), 1);
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("Personne"), nullptr), 0);
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("L'assaut"), &battle), 1);
    QCOMPARE(battle.Description, QStringLiteral("Au pont d'Arn"));
    QCOMPARE(BattleArmyIds(battle.IdBattle), (QList<int>{gone.IdArmee, kept.IdArmee}));

    // An army deleted since is left out of the battle's armies.
    QCOMPARE(m_db->DeleteArmy(gone.IdArmee), 1);
    CItemList<CArmyHeader*> headers;
    m_db->LoadBattleArmies(battle.IdBattle, headers);
    QCOMPARE(headers.GetCount(), 1);
    QCOMPARE(headers.GetHead()->NombrePointMax, 100);

    CIdList changed;
    changed.Append(7);
    changed.Append(4);
    QCOMPARE(m_db->UpdateBattle(battle.IdBattle, QStringLiteral("Le siège"),
                                QStringLiteral("Deux lignes\nd'assaut"), changed),
             1);
    CBattle byId;
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, &byId), 1);
    QCOMPARE((QStringList{byId.Nom, byId.Description}),
             (QStringList{"Le siège", "Deux lignes\nd'assaut"}));
    QCOMPARE(BattleArmyIds(battle.IdBattle), (QList<int>{7, 4}));

    CIdList more;
    more.Append(9);
    QCOMPARE(m_db->ReplaceBattleArmies(battle.IdBattle, more), 1);
    QCOMPARE(BattleArmyIds(battle.IdBattle), (QList<int>{9}));

    QCOMPARE(m_db->InsertBattle(QStringLiteral("Second"), QString(), more), 1);
    QCOMPARE(m_db->DeleteBattle(battle.IdBattle), 1);
    QCOMPARE(m_db->FindBattleById(battle.IdBattle, nullptr), 0);
    QCOMPARE(Scalar("SELECT COUNT(*) FROM BattleCompo").toInt(), 1); // the other battle's row
}

void TestDatabase::failedWritesAreRolledBackAndReported() {
    // A battle whose army rows cannot be stored is not stored either.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE BattleCompo"));
    CIdList armies;
    armies.Append(1);
    armies.Append(2);
    QCOMPARE(m_db->InsertBattle(QStringLiteral("Half"), QString(), armies), 0);
    QCOMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors.first().kind, CDataError::Kind::Statement);
    QVERIFY(m_errors.first().text.contains("BattleCompo"));
    QCOMPARE(Scalar("SELECT COUNT(*) FROM Battle").toInt(), 0);

    // A unit that cannot be stored keeps no key.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE ArmeeCompo"));
    m_errors.clear();
    CArmyUnit unit = MakeUnit(QStringLiteral("Lost"), 0);
    QCOMPARE(m_db->InsertUnit(1, unit), 0);
    QCOMPARE(unit.IdUnite, -1);
    QCOMPARE(m_db->UpdateUnit(unit), 0);
    QCOMPARE(m_db->DeleteArmyUnits(1), 0);
    QVERIFY(UnitNames(1).isEmpty());
    QCOMPARE(m_errors.size(), 4);

    // An army read back fails with its insert: no header is filled.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE ArmeeDef"));
    CArmyHeader header;
    QCOMPARE(m_db->InsertArmy(1, QStringLiteral("X"), 10, &header), 0);
    QCOMPARE(header.IdArmee, -1);

    // With the connection closed nothing is written, and the failure is said.
    m_db->CloseDatabase();
    m_errors.clear();
    QCOMPARE(m_db->DeleteBattle(1), 0);
    QCOMPARE(m_errors.size(), 1);
}

QMap<QString, QString> TestDatabase::Rows() {
    QMap<QString, QString> rows;
    for (const char* table : {"ArmeeDef", "ArmeeCompo", "Battle", "BattleCompo"}) {
        QSqlQuery query(m_db->Connection());
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table))))
            return {};
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows.insert(QStringLiteral("%1 %2").arg(QLatin1String(table), values.first()),
                        values.join(QLatin1Char('|')));
        }
    }
    return rows;
}

void TestDatabase::everyTextRoundTripsAndTouchesNoOtherRow() {
    const QStringList corpus{
        QStringLiteral("Dragon 🐉 x"),
        QStringLiteral("Pingouin 🐧"),
        QStringLiteral("A🐧 WHERE IdUnite = 7 --"),
        QStringLiteral("𝔊𝔯𝔬𝔨 𓀀 𠜎"),
        QStringLiteral("e\u0301le\u0300ve n\u0303"), // combining marks
        QStringLiteral("שלום עולם مرحبا"),
        QStringLiteral("L'armée \"d'Urk\" « Grok » ‘Ka’ “Ba” `x` ''"),
        QStringLiteral("C:\\chemin\\ \\' \\\\"),
        QStringLiteral("%1 %2 %s %d %n"),
        QStringLiteral("x'); DROP TABLE ArmeeDef;--"),
        QStringLiteral(";--"),
        QStringLiteral("ligne 1\nligne 2\ttab\r\nfin"),
        QStringLiteral("  blancs autour  "),
        QString(255, QChar(u'x')).replace(u'x', QStringLiteral("🐉")),
    };
    CArmyHeader army, other;
    QVERIFY(m_db->InsertArmy(1, QStringLiteral("Armée"), 100, &army));
    QVERIFY(m_db->InsertArmy(2, QStringLiteral("Autre"), 200, &other));
    CArmyUnit leader = MakeUnit(QStringLiteral("Chef"), 0);
    leader.Hierarchie = 1;
    CArmyUnit unit = MakeUnit(QStringLiteral("Unité"), 1);
    CArmyUnit bystander = MakeUnit(QStringLiteral("Voisin"), 0);
    QVERIFY(m_db->InsertUnit(army.IdArmee, leader) && m_db->InsertUnit(army.IdArmee, unit) &&
            m_db->InsertUnit(other.IdArmee, bystander));
    CIdList ids;
    ids.Append(army.IdArmee);
    ids.Append(other.IdArmee);
    QVERIFY(m_db->InsertBattle(QStringLiteral("Bataille"), QStringLiteral("Ici"), ids));
    CBattle battle;
    QCOMPARE(m_db->FindBattleByName(QStringLiteral("Bataille"), &battle), 1);

    // Each operation that takes a text: the text read back is the text given, and no row but
    // the one it names (or adds) has changed.
    for (const QString& text : corpus) {
        const QByteArray what = text.left(20).toUtf8();
        QMap<QString, QString> before = Rows();
        const auto verifyOnly = [&](const QString& changedRow) {
            QMap<QString, QString> after = Rows();
            after.remove(changedRow);
            QMap<QString, QString> expected = before;
            expected.remove(changedRow);
            QVERIFY2(after == expected, what);
            before = Rows();
        };
        CArmyHeader header;
        QVERIFY(m_db->InsertArmy(3, text, 300, &header));
        QCOMPARE(header.Nom, text);
        verifyOnly(QStringLiteral("ArmeeDef %1").arg(header.IdArmee));
        QCOMPARE(m_db->FindArmyByName(text, header), 1);

        army.Nom = text;
        QVERIFY(m_db->UpdateArmy(army));
        QCOMPARE(m_db->FindArmyById(army.IdArmee, header), 1);
        QCOMPARE(header.Nom, text);
        verifyOnly(QStringLiteral("ArmeeDef %1").arg(army.IdArmee));

        CArmyUnit added = MakeUnit(text, 2);
        added.NomUnitType = text;
        QVERIFY(m_db->InsertUnit(army.IdArmee, added));
        verifyOnly(QStringLiteral("ArmeeCompo %1").arg(added.IdUnite));
        unit.Nom = text;
        QVERIFY(m_db->RenameUnit(unit));
        verifyOnly(QStringLiteral("ArmeeCompo %1").arg(unit.IdUnite));
        unit.Nom = text;
        unit.NombreFig += 1;
        QVERIFY(m_db->UpdateUnit(unit));
        verifyOnly(QStringLiteral("ArmeeCompo %1").arg(unit.IdUnite));
        leader.Nom = text;
        leader.Pc = 3;
        QVERIFY(m_db->UpdateUnit(leader));
        verifyOnly(QStringLiteral("ArmeeCompo %1").arg(leader.IdUnite));
        CItemList<CArmyUnit*> units;
        QVERIFY(m_db->LoadArmyUnits(army.IdArmee, units));
        QStringList names;
        for (const CArmyUnit* each : units)
            names << each->Nom << each->NomUnitType;
        QCOMPARE(names.mid(0, 6), (QStringList{text, QString(), text, QString(), text, text}));
        QVERIFY(m_db->DeleteUnit(added));
        before = Rows();

        QVERIFY(m_db->UpdateBattle(battle.IdBattle, text, text, ids));
        CBattle read;
        QCOMPARE(m_db->FindBattleById(battle.IdBattle, &read), 1);
        QCOMPARE((QStringList{read.Nom, read.Description}), (QStringList{text, text}));
        QCOMPARE(m_db->FindBattleByName(text, nullptr), 1);
        // Another name of the same length: the last character replaced.
        QString second = text;
        second.chop(second.back().isLowSurrogate() ? 2 : 1);
        second += QLatin1Char('+');
        QVERIFY(m_db->InsertBattle(second, text, ids));
        QCOMPARE(m_db->FindBattleByName(second, &read), 1);
        QCOMPARE(read.Description, text);
        QVERIFY(m_db->DeleteBattle(read.IdBattle));
    }
    // The other army and its member went through all of it untouched.
    QCOMPARE(UnitNames(other.IdArmee), QStringList{"Voisin"});
    QCOMPARE(m_db->FindArmyById(other.IdArmee, other), 1);
    QCOMPARE(other.Nom, QStringLiteral("Autre"));
}

void TestDatabase::textLimitsCountCharacters() {
    // 255 characters fit whatever their size; one more is refused whole with its own message.
    const QString dragons = QString(255, QChar(u'x')).replace(u'x', QStringLiteral("🐉"));
    QVERIFY(CArmyDatabase::FitsTextColumn(dragons));
    QVERIFY(!CArmyDatabase::FitsTextColumn(dragons + QStringLiteral("x")));
    CArmyUnit unit = MakeUnit(QString(256, u'x'), 0);
    QCOMPARE(m_db->InsertUnit(1, unit), 0);
    CIdList none;
    QCOMPARE(m_db->InsertBattle(QStringLiteral("Nom"), QString(256, u'd'), none), 0);
    QCOMPARE(m_errors.size(), 2);
    QCOMPARE(m_errors.at(0).kind, CDataError::Kind::NameTooLong);
    QCOMPARE(m_errors.at(1).kind, CDataError::Kind::DescriptionTooLong);
    QCOMPARE(Scalar("SELECT COUNT(*) FROM ArmeeCompo").toInt(), 0);
    m_errors.clear();
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
