// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestData.h"
#include "TestDataSource.h"
#include "data/CArmyUnit.h"
#include "data/CBattleEntry.h"
#include "data/CRecordset.h"
#include "data/CUnitStats.h"

#include <QSqlRecord>
#include <QtTest>

namespace {
CArmyUnit Unit(const QString& name, int visual) {
    CArmyUnit unit;
    unit.Nom = name;
    unit.IdVisual = visual;
    return unit;
}

// The text of each record, joined.
template <typename Records, typename Text> QString Join(const Records& records, Text text) {
    QStringList texts;
    for (const auto* record : records)
        texts << text(*record);
    return texts.join(QLatin1Char(' '));
}
} // namespace

// Every operation against a real SQLite file reached through the ODBC data source.
class TestDatabase : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CArmyDatabase> m_db;
    QList<CDataError> m_errors; // what the data layer reported, in order

    QString BattleArmies(int battleId) {
        CItemList<CBattleEntry> entries;
        m_db->LoadBattleEntries(battleId, entries);
        return Join(entries, [](const CBattleEntry& e) { return QString::number(e.IdArmy); });
    }
    // Every row of the user tables, as text, by table and key.
    QMap<QString, QString> Rows() {
        QMap<QString, QString> rows;
        QSqlQuery query(m_db->Connection());
        for (const char* table : {"ArmeeDef", "ArmeeCompo", "Battle", "BattleCompo"}) {
            query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i)
                    values << query.value(i).toString();
                rows.insert(table + values.first(), values.join(QLatin1Char('|')));
            }
        }
        return rows;
    }

private slots:
    void init() {
        m_source = std::make_unique<TestDataSource>();
        QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
        m_errors.clear();
        m_db = std::make_unique<CArmyDatabase>(QStringLiteral("test"));
        m_db->SetErrorSink([this](const CDataError& error) { m_errors << error; });
        QCOMPARE(m_db->OpenDatabase(), true);
    }

    void cleanup() {
        const qsizetype reported = m_errors.size();
        m_db.reset();
        m_source.reset();
        if (QTest::currentTestFunction() != QByteArray("failedWritesAreRolledBackAndReported"))
            QCOMPARE(reported, 0);
    }

    void loadsInTheirOrderAndReadsArmiesBackByKey() {
        // Unit types by race code, then by key.
        QVERIFY(m_source->RunScript(TestDataSource::SourcePath(TestDataSource::kSmallCatalogue)));
        CItemList<CUnitType> types;
        m_db->LoadUnitTypes(types);
        QCOMPARE(Join(types, [](const CUnitType& t) { return QString::number(t.ArmyTypeId); }),
                 QStringLiteral("20 21 22 23 24 1 2 3 4 5 6 7"));

        // The catalogue's tree reads only what it shows, the rest of a type and its attached types
        // when needed, and then has them as read whole. A refused read, or a type no longer stored,
        // is reported and changes nothing.
        const auto typeRows = [](const CItemList<CUnitType>& list) {
            QStringList found;
            for (const CUnitType* type : list) {
                QStringList cells{QString::number(type->ArmyTypeId), type->NomGB};
                // What the tree groups by, the same whether read whole or in summary.
                cells << QString::number(type->IdRace) << QString::number(type->CombatantType);
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
        CItemList<CUnitType> shown, gone;
        QCOMPARE(m_db->LoadUnitTypeSummaries(shown) + m_db->LoadUnitTypeSummaries(gone), 2);
        QCOMPARE(typeRows(shown), (QStringList{"1,T1 Wolf riders,13,2", "2,T2 One-eyed brute,13,3",
                                               "3,T3 Orc warlord,13,1", "5,T5 Warriors,13,2",
                                               "6,T6 Rock lobber,13,6", "20,Iron cannon,11,6",
                                               "23,Dwarf lord,11,1"}));
        QCOMPARE(m_db->CompleteUnitTypes(shown, 20), true);
        QStringList expected = typeRows(gone);
        expected[5] = whole[0];
        expected << whole[1] << whole[2];
        QCOMPARE(typeRows(shown), expected);
        m_db->SetStatementHook([](const QString&) { return false; });
        QCOMPARE(m_db->CompleteUnitTypes(shown), false);
        m_db->SetStatementHook({});
        QCOMPARE(typeRows(shown), expected);
        QVERIFY(m_source->ExecOnOtherConnection(
            QStringLiteral("DELETE FROM Armees WHERE ArmyTypeId = 23")));
        expected = typeRows(gone);
        QCOMPARE(m_db->CompleteUnitTypes(gone, 23), false);
        QCOMPARE(typeRows(gone), expected);
        QCOMPARE(m_errors.size(), 2);
        m_errors.clear();

        CArmyHeader first, second;
        QCOMPARE(m_db->InsertArmy(13, QStringLiteral("L'armée d'Urk"), 1500, &first), true);
        // A second army of the same name gets its own row, and the header read back is that row.
        QCOMPARE(m_db->InsertArmy(11, QStringLiteral("L'armée d'Urk"), 800, &second), true);
        QVERIFY(second.IdArmee != first.IdArmee);
        QCOMPARE((QVariantList{second.Nom, second.NombrePointMax, second.CoutTotal, second.IdRace}),
                 (QVariantList{"L'armée d'Urk", 800, 0, 11}));

        // Lists come in a French reader's order whatever the back end's collation: case and
        // accents only part names otherwise equal, and the same name keeps its key order. (An
        // army's new name, budget and total are the army model test's.)
        for (const char* name : {"zèbre", "Élite", "armée", "Ours", "Armée", "elite", "Epée"})
            QCOMPARE(m_db->InsertArmy(9, QString::fromUtf8(name), 100, nullptr), true);
        for (const char* name : {"Écluse", "Zone", "éclat"})
            QCOMPARE(m_db->InsertBattle(QString::fromUtf8(name), QString(), Ids{}), true);
        CItemList<CArmyHeader> armies;
        m_db->LoadArmies(armies);
        const auto row = [](const CArmyHeader& a) {
            return QStringLiteral("%1:%2:%3").arg(a.Nom).arg(a.NombrePointMax).arg(a.CoutTotal);
        };
        QCOMPARE(Join(armies, row),
                 QStringLiteral("armée:100:0 Armée:100:0 elite:100:0 Élite:100:0 Epée:100:0 "
                                "L'armée d'Urk:1500:0 L'armée d'Urk:800:0 Ours:100:0 "
                                "zèbre:100:0"));
        CItemList<CBattle> battles;
        m_db->LoadBattles(battles);
        QCOMPARE(Join(battles, [](const CBattle& b) { return b.Nom; }),
                 QStringLiteral("éclat Écluse Zone"));
    }

    void unitsKeepEveryFieldInItsColumn() {
        // A value of its own in every column, so that two columns swapped show.
        // clang-format off
        const QList<int CArmyUnit::*> ints{&CArmyUnit::IdParentUnit, &CArmyUnit::IdLeader,
            &CArmyUnit::IdVisual, &CArmyUnit::NombreFig, &CArmyUnit::Musicien, &CArmyUnit::Pc,
            &CArmyUnit::CoutTotal, &CArmyUnit::Hierarchie, &CUnitStats::IdRace,
            &CUnitStats::IdQualiteMin, &CUnitStats::IdQualiteMax, &CUnitStats::IdQualite,
            &CUnitStats::IdType, &CUnitStats::Force, &CUnitStats::Resistance, &CUnitStats::Valeur,
            &CUnitStats::IdArmure, &CUnitStats::IdArmePrincipale, &CUnitStats::IdArmeSecondaire,
            &CUnitStats::JetSauvegarde, &CUnitStats::IdEclairage, &CUnitStats::Points,
            &CUnitStats::UPG, &CUnitStats::Min, &CUnitStats::Max, &CUnitStats::CombatantType};
        // clang-format on
        const auto fields = [&ints](const CArmyUnit& u) {
            QVariantList values{u.IdUnite,  u.Nom,      u.NomUnitType,
                                u.Etendard, u.Bouclier, u.Mouvement};
            for (int CArmyUnit::*field : ints)
                values << u.*field;
            return values;
        };
        CArmyUnit unit;
        int value = 2;
        for (int CArmyUnit::*field : ints)
            unit.*field = value++;
        unit.IdArmee = 999; // the army comes from the argument, not from this field
        unit.Nom = QStringLiteral("Chef d'orcs");
        unit.NomUnitType = QStringLiteral("Guerrier d'élite");
        unit.Etendard = unit.Bouclier = 1;
        unit.Terrible = 7; // anything but 1 is written as no
        unit.Mouvement = 4.5f;
        QCOMPARE(m_db->InsertUnit(42, unit), true);
        const auto stored = [this] {
            CItemList<CArmyUnit> units;
            m_db->LoadArmyUnits(42, units);
            return units.GetCount() == 1 ? *units.GetHead() : CArmyUnit();
        };
        CArmyUnit b = stored();
        QCOMPARE(fields(b), fields(unit));
        QCOMPARE((QList<int>{b.IdArmee, b.Terrible}), (QList<int>{42, 0}));

        // The member dialogs' update writes its own columns, each in its place, and no other.
        b.Nom = QStringLiteral("Les gars d'Urk");
        b.Etendard = 0;
        b.NombreFig = 40;
        b.Musicien = 41;
        b.Pc = 42;
        b.CoutTotal = 43;
        b.IdQualite = 44;
        CArmyUnit expected = b;
        b.Force = 45;
        QCOMPARE(m_db->UpdateUnit(b), true);
        QCOMPARE(fields(stored()), fields(expected));
    }

    void battlesKeepTheirArmiesInOrder() {
        const int kept = AddArmy(QStringLiteral("Kept"), 1, 100, *m_db);
        const int gone = AddArmy(QStringLiteral("Gone"), 2, 200, *m_db);
        const int battle = AddBattle(QStringLiteral("L'assaut"), QStringLiteral("Au pont d'Arn"),
                                     Ids{gone, kept}, *m_db);
        QCOMPARE(BattleArmies(battle), QStringLiteral("%1 %2").arg(gone).arg(kept));

        // An army deleted since is left out of the battle's armies.
        QCOMPARE(m_db->DeleteArmy(gone), true);
        CItemList<CArmyHeader> headers;
        m_db->LoadBattleArmies(battle, headers);
        QCOMPARE(Join(headers, [](const CArmyHeader& a) { return a.Nom; }), QStringLiteral("Kept"));

        QCOMPARE(m_db->UpdateBattle(battle, QStringLiteral("Le siège"), QStringLiteral("Brume"),
                                    Ids{7, 4}),
                 1);
        CBattle byId;
        QCOMPARE(m_db->FindBattleById(battle, &byId), 1);
        QCOMPARE((QStringList{byId.Nom, byId.Description}), (QStringList{"Le siège", "Brume"}));
        QCOMPARE(BattleArmies(battle), QStringLiteral("7 4"));

        QCOMPARE(m_db->InsertBattle(QStringLiteral("Second"), QString(), Ids{7, 4}), true);
        QCOMPARE(m_db->DeleteBattle(battle), true);
        QCOMPARE(m_db->FindBattleById(battle, nullptr), 0);
        QCOMPARE(CountRows("BattleCompo", *m_db), 2); // the other battle's rows
    }

    void failedWritesAreRolledBackAndReported() {
        // A battle whose army rows cannot be stored is not stored either.
        QVERIFY(m_source->ExecOnOtherConnection("DROP TABLE BattleCompo"));
        QCOMPARE(m_db->InsertBattle(QStringLiteral("Half"), QString(), Ids{1, 2}), false);
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(m_errors.first().kind, CDataError::Kind::Statement);
        QVERIFY(m_errors.first().text.contains("BattleCompo", Qt::CaseInsensitive));
        QCOMPARE(CountRows("Battle", *m_db), 0);

        // With the connection closed nothing is written, and the failure is said. (Members
        // refused at each statement are the army model test's.)
        m_db->CloseDatabase();
        QCOMPARE(m_db->DeleteBattle(1), false);
        QCOMPARE(m_errors.size(), 2);
    }

    void manyMembersAreStoredInBatchesWholeOrNotAtAll() {
        // More members than one statement binds: one prepared insert runs for each full
        // batch with that batch's rows, and one more takes the rest.
        const int armyId = AddArmy(QStringLiteral("Horde"), 13, 1000, *m_db);
        const auto members = [this](int count) {
            const QList<int> keys = m_db->ReserveUnitKeys(count);
            std::vector<CArmyUnit> made(keys.size());
            for (qsizetype i = 0; i < keys.size(); ++i) {
                made[i] = Unit(QStringLiteral("U%1").arg(i), static_cast<int>(i));
                made[i].IdUnite = keys.at(i);
            }
            return made;
        };
        const int count = m_db->MaxBoundValues() / 10;
        std::vector<CArmyUnit> horde = members(count);
        QList<CArmyUnit*> units;
        for (CArmyUnit& unit : horde)
            units << &unit;
        QStringList inserts;
        m_db->SetStatementHook([&inserts](const QString& sql) {
            if (sql.startsWith(QLatin1String("INSERT")))
                inserts << sql;
            return true;
        });
        QCOMPARE(m_db->InsertUnits(armyId, units), true);
        QVERIFY(inserts.size() >= 3);
        QVERIFY(inserts.at(0) == inserts.at(1) && inserts.last() != inserts.at(0));
        CItemList<CArmyUnit> stored;
        QVERIFY(m_db->LoadArmyUnits(armyId, stored));
        const auto line = [](const CArmyUnit& u) {
            return QStringLiteral("%1 %2 %3").arg(u.IdUnite).arg(u.IdVisual).arg(u.Nom);
        };
        QCOMPARE(Join(stored, line), Join(units, line));

        // Refused at its last batch, the insert leaves none of the batches run before it.
        std::vector<CArmyUnit> more = members(count);
        for (qsizetype i = 0; i < units.size(); ++i)
            units[i] = &more[i];
        int offered = 0;
        m_db->SetStatementHook([&offered, &inserts](const QString& sql) {
            return !sql.startsWith(QLatin1String("INSERT")) || ++offered < inserts.size();
        });
        QCOMPARE(m_db->InsertUnits(armyId, units), false);
        m_db->SetStatementHook({});
        QCOMPARE(offered, inserts.size());
        QCOMPARE(m_db->CountArmyUnits(armyId), count);
        QCOMPARE(m_errors.size(), 1);
        m_errors.clear();
    }

    void everyTextRoundTripsAndTouchesNoOtherRow() {
        // Characters beyond 16 bits, combining marks, right-to-left text, quotes of every kind,
        // backslashes, placeholders, SQL, control characters, blanks around, the longest name.
        const QStringList corpus{
            QStringLiteral("Dragon 🐉 𝔊𝔯𝔬𝔨 𓀀 𠜎 e\u0301le\u0300ve שלום עולם مرحبا"),
            QStringLiteral("L'armée \"d'Urk\" « Grok » ‘Ka’ “Ba” `x` '' C:\\chemin\\ \\' \\\\"),
            QStringLiteral("%1 %2 %s %d %n x'); DROP TABLE ArmeeDef;-- WHERE IdUnite = 7 --"),
            QStringLiteral("ligne 1\nligne 2\ttab\r\nfin"),
            QStringLiteral("  blancs autour  "),
            QString(255, QChar(u'x')).replace(u'x', QStringLiteral("🐉")),
        };
        CArmyHeader army, other;
        QVERIFY(m_db->InsertArmy(1, QStringLiteral("Armée"), 100, &army));
        QVERIFY(m_db->InsertArmy(2, QStringLiteral("Autre"), 200, &other));
        CArmyUnit unit = Unit(QStringLiteral("Unité"), 1);
        CArmyUnit bystander = Unit(QStringLiteral("Voisin"), 0);
        QVERIFY(m_db->InsertUnit(army.IdArmee, unit) && m_db->InsertUnit(other.IdArmee, bystander));
        const Ids ids{army.IdArmee, other.IdArmee};
        const int battle = AddBattle(QStringLiteral("Bataille"), QStringLiteral("Ici"), ids, *m_db);

        // Each operation that takes a text: the text read back is the text given, and no row
        // but those it names (or adds) has changed.
        for (const QString& text : corpus) {
            QMap<QString, QString> before = Rows();
            CArmyHeader added;
            QVERIFY(m_db->InsertArmy(3, text, 300, &added));
            QCOMPARE(added.Nom, text);
            QCOMPARE(m_db->FindArmyByName(text, added), 1);
            army.Nom = text;
            QVERIFY(m_db->UpdateArmy(army));
            CArmyHeader read;
            QCOMPARE(m_db->FindArmyById(army.IdArmee, read), 1);
            QCOMPARE(read.Nom, text);

            CArmyUnit gone = Unit(text, 2);
            gone.NomUnitType = text;
            QVERIFY(m_db->InsertUnit(army.IdArmee, gone));
            unit.Nom = text;
            QVERIFY(m_db->RenameUnit(unit));
            unit.NombreFig += 1;
            QVERIFY(m_db->UpdateUnit(unit));
            CItemList<CArmyUnit> units;
            QVERIFY(m_db->LoadArmyUnits(army.IdArmee, units));
            QCOMPARE(Join(units, [](const CArmyUnit& u) { return u.Nom + '|' + u.NomUnitType; }),
                     text + "| " + text + '|' + text);
            QVERIFY(m_db->DeleteUnit(gone));
            QMap<QString, QString> after = Rows();
            for (auto* rows : {&before, &after}) {
                for (const QString& key : {"ArmeeDef" + QString::number(added.IdArmee),
                                           "ArmeeDef" + QString::number(army.IdArmee),
                                           "ArmeeCompo" + QString::number(unit.IdUnite)})
                    rows->remove(key);
            }
            QVERIFY2(after == before, text.left(20).toUtf8());

            QVERIFY(m_db->UpdateBattle(battle, text, text, ids));
            CBattle battleRead;
            QCOMPARE(m_db->FindBattleById(battle, &battleRead), 1);
            QCOMPARE((QStringList{battleRead.Nom, battleRead.Description}),
                     (QStringList{text, text}));
            QCOMPARE(m_db->FindBattleByName(text, nullptr), 1);
        }
    }

    void textLimitsCountCharacters() {
        // 255 characters fit whatever their size; one more is refused whole with its message.
        const QString dragons = QString(255, QChar(u'x')).replace(u'x', QStringLiteral("🐉"));
        QVERIFY(CArmyDatabase::FitsTextColumn(dragons));
        QVERIFY(!CArmyDatabase::FitsTextColumn(dragons + QStringLiteral("x")));
        CArmyUnit unit = Unit(QString(256, u'x'), 0);
        QCOMPARE(m_db->InsertUnit(1, unit), false);
        QCOMPARE(m_db->InsertBattle(QStringLiteral("Nom"), QString(256, u'd'), Ids{}), false);
        QCOMPARE(m_errors.size(), 2);
        QCOMPARE(m_errors.at(0).kind, CDataError::Kind::NameTooLong);
        QCOMPARE(m_errors.at(1).kind, CDataError::Kind::DescriptionTooLong);
        QCOMPARE(CountRows("ArmeeCompo", *m_db) + CountRows("Battle", *m_db), 0);
        m_errors.clear();
    }

    // Storing many members in one transaction runs one statement again with new values: the
    // army model's moves and undos show those values stored.
    void aColumnNamedThroughAReusedBufferIsFoundAnew() {
        CRecordset set(*m_db);
        QVERIFY(set.Open(QStringLiteral("SELECT 7 AS First, 9 AS Second")));
        char name[16] = "First";
        QCOMPARE(set.Long(name), 7);
        qstrcpy(name, "SECOND"); // another column, in another case
        QCOMPARE(set.Long(name), 9);
    }
};

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
