#include "TestData.h"
#include "TestDataSource.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CBattle.h"
#include "data/CBattleEntry.h"
#include "data/CRecordset.h"
#include "data/CUnitStats.h"
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
    void loadsInTheirOrderAndReadsArmiesBackByKey();
    void unitsKeepEveryFieldInItsColumn();
    void battlesKeepTheirArmiesInOrder();
    void failedWritesAreRolledBackAndReported();
    void everyTextRoundTripsAndTouchesNoOtherRow();
    void textLimitsCountCharacters();
    void repeatedStatementsAndColumnNamesKeepTheirValues();

private:
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

void TestDatabase::loadsInTheirOrderAndReadsArmiesBackByKey() {
    // Unit types by race code, then by key.
    QVERIFY(m_source->RunScript(TestDataSource::SourcePath(TestDataSource::kSmallCatalogue)));
    CItemList<CUnitType*> types;
    m_db->LoadUnitTypes(types);
    QList<int> ids;
    for (const CUnitType* type : types)
        ids << type->ArmyTypeId;
    QCOMPARE(ids, (QList<int>{20, 21, 22, 23, 1, 2, 3, 4, 5, 6, 7}));

    // The catalogue's tree reads only what it shows, the rest of a type and its attached types
    // when needed, and then has them as read whole. A refused read, or a type no longer stored,
    // is reported and changes nothing.
    const auto typeRows = [](const CItemList<CUnitType*>& list) {
        QStringList found;
        for (const CUnitType* type : list) {
            QStringList cells{QString::number(type->ArmyTypeId), type->NomGB};
            if (type->m_bComplete) {
                cells << QString::number(type->ArmyTypeIdParent) << type->NomFR;
                for (const CStatField& field : kStatFields)
                    cells << QString::number(field.real ? static_cast<double>(type->*field.real)
                                                        : type->*field.integer);
            }
            found << cells.join(u',');
        }
        return found;
    };
    const QStringList whole = typeRows(types);
    CItemList<CUnitType*> shown, gone;
    QCOMPARE(m_db->LoadUnitTypeSummaries(shown) + m_db->LoadUnitTypeSummaries(gone), 2);
    QCOMPARE(typeRows(shown),
             (QStringList{"1,T1 Wolf riders", "2,T2 One-eyed brute", "3,T3 Orc warlord",
                          "5,T5 Warriors", "6,T6 Rock lobber", "20,Iron cannon", "23,Dwarf lord"}));
    QCOMPARE(m_db->CompleteUnitTypes(shown, 20), 1);
    QStringList expected = typeRows(gone);
    expected[5] = whole[0];
    expected << whole[1] << whole[2];
    QCOMPARE(typeRows(shown), expected);
    m_db->SetStatementHook([](const QString&) { return false; });
    QCOMPARE(m_db->CompleteUnitTypes(shown), 0);
    m_db->SetStatementHook({});
    QCOMPARE(typeRows(shown), expected);
    QCOMPARE(m_db->CompleteUnitTypes(shown), 1);
    expected = typeRows(shown);
    expected.sort();
    QStringList sortedWhole = whole;
    sortedWhole.sort();
    QCOMPARE(expected, sortedWhole);
    QVERIFY(m_source->ExecOnOtherConnection(
        QStringLiteral("DELETE FROM Armees WHERE ArmyTypeId = 23")));
    expected = typeRows(gone);
    QCOMPARE(m_db->CompleteUnitTypes(gone, 23), 0);
    QCOMPARE(typeRows(gone), expected);
    QCOMPARE(m_errors.size(), 2);
    m_errors.clear();

    CArmyHeader first, second;
    QCOMPARE(m_db->InsertArmy(13, QStringLiteral("L'armée d'Urk"), 1500, &first), 1);
    // A second army of the same name gets its own row, and the header read back is that row.
    QCOMPARE(m_db->InsertArmy(11, QStringLiteral("L'armée d'Urk"), 800, &second), 1);
    QVERIFY(second.IdArmee != first.IdArmee);
    QCOMPARE((QVariantList{second.Nom, second.NombrePointMax, second.CoutTotal, second.IdRace}),
             (QVariantList{"L'armée d'Urk", 800, 0, 11}));
    QCOMPARE(m_db->InsertArmy(9, QStringLiteral("Aube"), 500, nullptr), 1);
    QCOMPARE(m_db->FindArmyByName(QStringLiteral("Nobody"), first), 0);

    second.Nom = QStringLiteral("Horde d'Ork");
    second.NombrePointMax = 1200;
    second.CoutTotal = 345;
    QCOMPARE(m_db->UpdateArmy(second), 1);

    // Lists come in a French reader's order whatever the back end's collation: case and accents
    // only part names otherwise equal, and the same name keeps its key order.
    for (const char* name : {"zèbre", "Élite", "armée", "Ours", "Armée", "elite", "Epée", "Ébène"})
        QCOMPARE(m_db->InsertArmy(9, QString::fromUtf8(name), 100, nullptr), 1);
    for (const char* name : {"Écluse", "Zone", "éclat"})
        QCOMPARE(m_db->InsertBattle(QString::fromUtf8(name), QString(), Ids{}), 1);
    CItemList<CArmyHeader*> armies;
    m_db->LoadArmies(armies);
    QStringList rows;
    for (const CArmyHeader* army : armies)
        rows << QStringLiteral("%1 %2 %3")
                    .arg(army->Nom)
                    .arg(army->NombrePointMax)
                    .arg(army->CoutTotal);
    QCOMPARE(rows, (QStringList{"armée 100 0", "Armée 100 0", "Aube 500 0", "Ébène 100 0",
                                "elite 100 0", "Élite 100 0", "Epée 100 0", "Horde d'Ork 1200 345",
                                "L'armée d'Urk 1500 0", "Ours 100 0", "zèbre 100 0"}));
    CItemList<CBattle*> battles;
    m_db->LoadBattles(battles);
    QStringList battleNames;
    for (const CBattle* battle : battles)
        battleNames << battle->Nom;
    QCOMPARE(battleNames, (QStringList{"éclat", "Écluse", "Zone"}));
}

void TestDatabase::unitsKeepEveryFieldInItsColumn() {
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

    // clang-format off
    const auto fields = [](const CArmyUnit& u) {
        return QVariantList{u.IdUnite, u.IdParentUnit, u.IdLeader, u.IdVisual, u.NombreFig, u.Nom,
            u.Etendard, u.Musicien, u.Pc, u.CoutTotal, u.Hierarchie, u.NomUnitType, u.IdRace,
            u.IdQualiteMin, u.IdQualiteMax, u.IdQualite, u.IdType, u.Force, u.Resistance, u.Valeur,
            u.IdArmure, u.IdArmePrincipale, u.IdArmeSecondaire, u.Bouclier, u.Mouvement,
            u.JetSauvegarde, u.IdEclairage, u.Points, u.UPG, u.Min, u.Max, u.CombatantType};
    };
    // clang-format on
    const auto stored = [this] {
        CItemList<CArmyUnit*> units;
        m_db->LoadArmyUnits(42, units);
        return units.GetCount() == 1 ? *units.GetHead() : CArmyUnit();
    };
    CArmyUnit b = stored();
    QCOMPARE(fields(b), fields(unit));
    QCOMPARE((QList<int>{b.IdArmee, b.Terrible}), (QList<int>{42, 0}));

    // The member dialogs' update writes its own columns, each in its place, and no other.
    b.NombreFig = 40;
    b.Nom = QStringLiteral("Les gars d'Urk");
    b.Etendard = 0;
    b.Musicien = 41;
    b.Pc = 42;
    b.CoutTotal = 43;
    b.IdQualite = 44;
    CArmyUnit expected = b;
    b.Force = 45;
    QCOMPARE(m_db->UpdateUnit(b), 1);
    QCOMPARE(fields(stored()), fields(expected));
}

void TestDatabase::battlesKeepTheirArmiesInOrder() {
    const int kept = AddArmy(QStringLiteral("Kept"), 1, 100, *m_db);
    const int gone = AddArmy(QStringLiteral("Gone"), 2, 200, *m_db);
    const int battle = AddBattle(QStringLiteral("L'assaut"), QStringLiteral("Au pont d'Arn"),
                                 Ids{gone, kept}, *m_db);
    QCOMPARE(BattleArmyIds(battle), (QList<int>{gone, kept}));

    // An army deleted since is left out of the battle's armies.
    QCOMPARE(m_db->DeleteArmy(gone), 1);
    CItemList<CArmyHeader*> headers;
    m_db->LoadBattleArmies(battle, headers);
    QCOMPARE(headers.GetCount(), 1);
    QCOMPARE(headers.GetHead()->NombrePointMax, 100);

    QCOMPARE(m_db->UpdateBattle(battle, QStringLiteral("Le siège"),
                                QStringLiteral("Deux lignes\nd'assaut"), Ids{7, 4}),
             1);
    CBattle byId;
    QCOMPARE(m_db->FindBattleById(battle, &byId), 1);
    QCOMPARE((QStringList{byId.Nom, byId.Description}),
             (QStringList{"Le siège", "Deux lignes\nd'assaut"}));
    QCOMPARE(BattleArmyIds(battle), (QList<int>{7, 4}));

    QCOMPARE(m_db->InsertBattle(QStringLiteral("Second"), QString(), Ids{7, 4}), 1);
    QCOMPARE(m_db->DeleteBattle(battle), 1);
    QCOMPARE(m_db->FindBattleById(battle, nullptr), 0);
    QCOMPARE(CountRows("BattleCompo", *m_db), 2); // the other battle's rows
}

void TestDatabase::failedWritesAreRolledBackAndReported() {
    // A battle whose army rows cannot be stored is not stored either.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE BattleCompo"));
    QCOMPARE(m_db->InsertBattle(QStringLiteral("Half"), QString(), Ids{1, 2}), 0);
    QCOMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors.first().kind, CDataError::Kind::Statement);
    QVERIFY(m_errors.first().text.contains("BattleCompo", Qt::CaseInsensitive));
    QCOMPARE(CountRows("Battle", *m_db), 0);

    // A unit that cannot be stored keeps no key; failed writes and reads answer 0.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE ArmeeCompo"));
    m_errors.clear();
    CArmyUnit unit = MakeUnit(QStringLiteral("Lost"), 0);
    QCOMPARE(m_db->InsertUnit(1, unit), 0);
    QCOMPARE(unit.IdUnite, -1);
    QCOMPARE(m_db->UpdateUnit(unit), 0);
    CItemList<CArmyUnit*> units;
    QCOMPARE(m_db->LoadArmyUnits(1, units), 0);
    QCOMPARE(m_errors.size(), 3);

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
    CArmyUnit unit = MakeUnit(QStringLiteral("Unité"), 1);
    CArmyUnit bystander = MakeUnit(QStringLiteral("Voisin"), 0);
    QVERIFY(m_db->InsertUnit(army.IdArmee, unit) && m_db->InsertUnit(other.IdArmee, bystander));
    const Ids ids{army.IdArmee, other.IdArmee};
    const int battle = AddBattle(QStringLiteral("Bataille"), QStringLiteral("Ici"), ids, *m_db);

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
        CItemList<CArmyUnit*> units;
        QVERIFY(m_db->LoadArmyUnits(army.IdArmee, units));
        QStringList names;
        for (const CArmyUnit* each : units)
            names << each->Nom << each->NomUnitType;
        QCOMPARE(names, (QStringList{text, QString(), text, text}));
        QVERIFY(m_db->DeleteUnit(added));
        verifyOnly(QStringLiteral("ArmeeCompo %1").arg(added.IdUnite));

        QVERIFY(m_db->UpdateBattle(battle, text, text, ids));
        CBattle read;
        QCOMPARE(m_db->FindBattleById(battle, &read), 1);
        QCOMPARE((QStringList{read.Nom, read.Description}), (QStringList{text, text}));
        QCOMPARE(m_db->FindBattleByName(text, nullptr), 1);
    }
}

void TestDatabase::textLimitsCountCharacters() {
    // 255 characters fit whatever their size; one more is refused whole with its own message.
    const QString dragons = QString(255, QChar(u'x')).replace(u'x', QStringLiteral("🐉"));
    QVERIFY(CArmyDatabase::FitsTextColumn(dragons));
    QVERIFY(!CArmyDatabase::FitsTextColumn(dragons + QStringLiteral("x")));
    CArmyUnit unit = MakeUnit(QString(256, u'x'), 0);
    QCOMPARE(m_db->InsertUnit(1, unit), 0);
    QCOMPARE(m_db->InsertBattle(QStringLiteral("Nom"), QString(256, u'd'), Ids{}), 0);
    QCOMPARE(m_errors.size(), 2);
    QCOMPARE(m_errors.at(0).kind, CDataError::Kind::NameTooLong);
    QCOMPARE(m_errors.at(1).kind, CDataError::Kind::DescriptionTooLong);
    QCOMPARE(CountRows("ArmeeCompo", *m_db), 0);
    m_errors.clear();
}

void TestDatabase::repeatedStatementsAndColumnNamesKeepTheirValues() {
    // A column named through a buffer that then names another one, in another case.
    CRecordset set(*m_db);
    QVERIFY(set.Open(QStringLiteral("SELECT 7 AS First, 9 AS Second")));
    char name[16] = "First";
    QCOMPARE(set.Long(name), 7);
    qstrcpy(name, "SECOND");
    QCOMPARE(set.Long(name), 9);
    QCOMPARE(set.Long("second"), 9);
    set.Close();

    // One statement run for each member with its own values; refused part-way, none is kept,
    // and the next transaction stores them all.
    CItemList<CArmyUnit*> units;
    for (int i = 0; i < 4; ++i) {
        auto* unit = new CArmyUnit(MakeUnit(QStringLiteral("U%1").arg(i), i));
        QCOMPARE(m_db->InsertUnit(1, *unit), 1);
        unit->IdVisual = 10 + i;
        unit->IdLeader = 20 + i;
        units.Append(unit);
    }
    int updates = 0;
    m_db->SetStatementHook([&updates](const QString& sql) {
        return !sql.startsWith(QLatin1String("UPDATE")) || ++updates < 3;
    });
    QCOMPARE(m_db->UpdateAllUnitOrders(units), 0);
    QCOMPARE(m_errors.size(), 1);
    m_errors.clear();
    const auto places = [this] {
        CItemList<CArmyUnit*> stored;
        QStringList found;
        m_db->LoadArmyUnits(1, stored);
        for (const CArmyUnit* unit : stored)
            found << QStringLiteral("%1:%2").arg(unit->Nom).arg(unit->IdVisual);
        return found.join(' ');
    };
    QCOMPARE(places(), QStringLiteral("U0:0 U1:1 U2:2 U3:3"));
    m_db->SetStatementHook({});
    QCOMPARE(m_db->UpdateAllUnitOrders(units), 1);
    QCOMPARE(places(), QStringLiteral("U0:10 U1:11 U2:12 U3:13"));
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
