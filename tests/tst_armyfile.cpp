#include "StoredArmy.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "army/CUnitCostCalculator.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CRace.h"
#include "export/ArmyExport.h"
#include "export/ArmyFile.h"
#include "model/ArmySharing.h"
#include "model/CArmy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

namespace {

const QString kCatalogue = QStringLiteral("db/catalogue.sql");

// The file of the open army, its types named as this database's catalogue names them.
QByteArray FileOf(const CArmy& army) {
    CItemList<CUnitType> types;
    CItemList<CRace> races;
    if (!TheDatabase().LoadUnitTypes(types) || !TheDatabase().LoadRaces(races))
        return "<catalogue unreadable>";
    return ArmyFileText(SharedArmyOf(army, types, races)).toUtf8();
}

// Whether the problem is the text of that id, whatever its placeholders became.
bool Says(const QString& problem, int id) {
    QStringList parts = LoadResString(id).split(QRegularExpression(QStringLiteral("%\\d")));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QString pattern = parts.join(QStringLiteral(".*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(problem)
        .hasMatch();
}

CSharedMember Member(int hierarchy, int leader, int key, const QString& fr, const QString& en,
                     int figures, int quality) {
    CSharedMember member;
    member.hierarchy = hierarchy;
    member.leader = leader;
    member.type = {key, fr, en};
    member.name = en;
    member.figures = figures;
    member.quality = quality;
    return member;
}

// A small Orc horde on the small catalogue: the warlord, a group leader with wolf riders on
// their wolves, warriors, and a rock lobber under the warlord.
CSharedArmy SmallHorde() {
    CSharedArmy army;
    army.name = QStringLiteral("Horde d'Urk 🐗");
    army.budget = 900;
    army.race = {13, QStringLiteral("Orc"), QStringLiteral("Orc")};
    const QString warlordFr = QStringLiteral("Chef d'orcs"),
                  warlord = QStringLiteral("T3 Orc warlord");
    army.members << Member(kWarchief, -1, 3, warlordFr, warlord, 1, 3)
                 << Member(kGroupLeader, 0, 3, warlordFr, warlord, 1, 3);
    army.members[1].commandPoints = 2;
    CSharedMember riders = Member(kCombatUnit, 1, 1, QStringLiteral("Loup-garou monté"),
                                  QStringLiteral("T1 Wolf riders"), 8, 2);
    riders.attached << Member(kUncounted, -1, 4, QStringLiteral("Loup"), QStringLiteral("T4 Wolf"),
                              5, 1);
    riders.musicians = 1;
    riders.standard = true;
    army.members << riders
                 << Member(kCombatUnit, 1, 5, QStringLiteral("Guerriers"),
                           QStringLiteral("T5 Warriors"), 12, 0)
                 << Member(kMachine, 0, 6, QStringLiteral("Lance-pierres"),
                           QStringLiteral("T6 Rock lobber"), 1, 5);
    army.members[3].name = QStringLiteral("Les « gris » \\ 🐺 עברית");
    return army;
}

// What the army tables hold, to tell that a refused file changed nothing.
QString TablesState() {
    QSqlQuery query(TheDatabase().Connection());
    return query.exec(QStringLiteral(
               "SELECT (SELECT COUNT(*) FROM ArmeeDef), (SELECT COALESCE(SUM(CoutTotal), 0) FROM "
               "ArmeeDef), (SELECT COUNT(*) FROM ArmeeCompo), (SELECT COALESCE(SUM(CoutTotal "
               "+ IdVisual), 0) FROM ArmeeCompo)")) &&
                   query.next()
               ? QStringLiteral("%1 %2 %3 %4")
                     .arg(query.value(0).toInt())
                     .arg(query.value(1).toInt())
                     .arg(query.value(2).toInt())
                     .arg(query.value(3).toInt())
               : QStringLiteral("unreadable");
}

// The leaves of a JSON document by their paths (object keys and list places).
using JsonPath = QList<QVariant>;
void Leaves(const QJsonValue& value, const JsonPath& path, QList<JsonPath>* leaves) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            Leaves(it.value(), JsonPath(path) << it.key(), leaves);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            Leaves(array.at(i), JsonPath(path) << i, leaves);
    } else {
        *leaves << path;
    }
}

QJsonValue At(const QJsonValue& value, const JsonPath& path, qsizetype from = 0) {
    if (from == path.size())
        return value;
    const QVariant step = path.at(from);
    return At(step.typeId() == QMetaType::QString ? value.toObject().value(step.toString())
                                                  : value.toArray().at(step.toLongLong()),
              path, from + 1);
}

QJsonValue Replaced(const QJsonValue& value, const JsonPath& path, const QJsonValue& leaf,
                    qsizetype from = 0) {
    if (from == path.size())
        return leaf;
    const QVariant step = path.at(from);
    if (step.typeId() == QMetaType::QString) {
        QJsonObject object = value.toObject();
        object.insert(step.toString(),
                      Replaced(object.value(step.toString()), path, leaf, from + 1));
        return object;
    }
    QJsonArray array = value.toArray();
    array.replace(step.toLongLong(), Replaced(array.at(step.toLongLong()), path, leaf, from + 1));
    return array;
}

} // namespace

// The army file: what one database writes, another reads back as the same army, byte for byte;
// a file that is not one, or that this catalogue cannot take whole, is refused or shortened as
// the player is told, and a refused one changes nothing.
class TestArmyFile : public QObject {
    Q_OBJECT

    // The Orc horde of the sample catalogue, a member of every kind: warchief, a group leader on
    // his mount, another on foot, units with and without mounts, a culverin with its gunners and
    // horse, choices changed from the type's and names in several scripts.
    static void BuildHorde(CArmy& army, const QString& name) {
        CItemList<CUnitType> types;
        QVERIFY(TheDatabase().LoadUnitTypes(types));
        QVERIFY(army.Create(13, name, 900) && army.Open(army.GetHeader().IdArmee));
        const auto add = [&](CArmyUnit* leader, const char* type) {
            const QList<const CUnitType*> withAttached = WithAttached(types, QLatin1String(type));
            QVERIFY2(!withAttached.isEmpty(), type);
            QCOMPARE(army.AddUnit(leader, withAttached), CArmy::Result::Done);
        };
        add(nullptr, "Tusk-Lord");
        add(nullptr, "Band Leader");
        CArmyUnit* band = army.Units().GetTail();
        for (const char* type : {"Scarred Warriors", "One-Eye Archers", "Aurochs Riders"})
            add(band, type);
        add(nullptr, "Margrave of Skarnholt");
        add(army.GetWarchief(), "Havrecombe Culverin");
        add(army.GetWarchief(), "Redforge Brutes");
        const QList<CArmyUnit*> members(army.Units().begin(), army.Units().end());
        for (CArmyUnit* unit : members) {
            CArmyUnit edited = *unit;
            if (CArmy::ChoicesOf(*unit) == CArmy::Choices::Troops) {
                edited.NombreFig = unit->Max;
                edited.IdQualite = unit->IdQualiteMax;
                edited.Musicien = 2;
                edited.Etendard = 1;
            } else if (unit->IsLeader()) {
                edited.Pc = 3;
            }
            CUnitCostCalculator calculator;
            calculator.SetUnit(&edited);
            calculator.ComputeCost();
            QCOMPARE(army.UpdateMember(unit, edited), CArmy::Result::Done);
        }
        QCOMPARE(army.RenameMember(members.at(2), QStringLiteral("Les « gris » \\ 🐺 עברית")),
                 CArmy::Result::Done);
    }

    // Checks files against docs/skarmy.schema.json with the JSON Schema validator; its status.
    static int SchemaCheck(const QStringList& files) {
        QProcess python;
        python.start(
            QStringLiteral("/usr/bin/python3"),
            QStringList{TestDataSource::SourcePath(QStringLiteral("tests/check_schema.py")),
                        TestDataSource::SourcePath(QStringLiteral("docs/skarmy.schema.json"))} +
                files);
        if (!python.waitForFinished(60000))
            return -1;
        qInfo().noquote() << python.readAll();
        return python.exitStatus() == QProcess::NormalExit ? python.exitCode() : -1;
    }

private slots:
    void cleanup() {
        TheArmy().Close();
        TheDatabase().CloseDatabase();
    }

    // Export, import into a fresh database whose keys differ, export again: the same file, and
    // the text export of the imported army byte for byte the first one's; then the name is made
    // unique, and prices follow this catalogue.
    void roundTripsIntoAnotherDatabase() {
        const QString name = QStringLiteral("Horde d'Urk 🐗 \"rouge\"");
        QByteArray file;
        QString text;
        {
            TestDataSource source(kCatalogue);
            QVERIFY2(source.IsValid(), qPrintable(source.ErrorText()));
            QVERIFY(TheDatabase().OpenDatabase());
            BuildHorde(TheArmy(), name);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(TheArmy().Units().GetCount(), 12);
            file = FileOf(TheArmy());
            text = ArmyExportText(TheArmy());
            cleanup();
        }
        TestDataSource source(kCatalogue);
        QVERIFY2(source.IsValid(), qPrintable(source.ErrorText()));
        QVERIFY(TheDatabase().OpenDatabase());
        CArmy& army = TheArmy();
        BuildHorde(army, QStringLiteral("Autre"));
        army.Close();

        CSharedArmy shared;
        QString problem;
        QVERIFY2(ParseArmyFile(file, &shared, &problem), qPrintable(problem));
        QList<int> imported;
        for (int i = 1; i <= 3; ++i) {
            if (i == 3)
                QVERIFY(source.ExecOnOtherConnection(
                    QStringLiteral("UPDATE Armees SET Points = Points + 1 WHERE NomGB = 'Scarred "
                                   "Warriors'")));
            CArmyImport import(TheDatabase(), shared);
            QCOMPARE(import.Match(), CArmyImport::Outcome::Ready);
            QVERIFY(import.Misfits().isEmpty());
            imported << import.Store();
            QVERIFY(imported.last() >= 0);
            QCOMPARE(import.StoredName(), i == 1 ? name : name + QStringLiteral(" (%1)").arg(i));
            QCOMPARE(StoredArmyFault(TheDatabase(), imported.last()), QString());
        }
        QVERIFY(army.Open(imported.first()));
        QCOMPARE(FileOf(army), file);
        QCOMPARE(ArmyExportText(army), text);
        // Thirty figures of one more point each: the price is this catalogue's.
        const int firstCost = army.GetHeader().CoutTotal;
        QVERIFY(army.Open(imported.last()));
        QCOMPARE(army.GetHeader().CoutTotal, firstCost + 30);

        // What the program writes is what the schema describes, and the schema holds it to it.
        QTemporaryDir dir;
        const QString written = dir.filePath(QStringLiteral("horde.skarmy"));
        const QString empty = dir.filePath(QStringLiteral("empty.skarmy"));
        const QString wrong = dir.filePath(QStringLiteral("wrong.skarmy"));
        CSharedArmy nothing = shared;
        nothing.members.clear();
        nothing.race.key = -1;
        QVERIFY(!WriteExport(QString(), written, QString::fromUtf8(file)).isEmpty());
        QVERIFY(!WriteExport(QString(), empty, ArmyFileText(nothing)).isEmpty());
        QVERIFY(!WriteExport(QString(), wrong,
                             QString::fromUtf8(file).replace(QStringLiteral("\"standard\": true"),
                                                             QStringLiteral("\"standard\": 1")))
                     .isEmpty());
        QCOMPARE(SchemaCheck({written, empty}), 0);
        QCOMPARE(SchemaCheck({wrong}), 1);
    }

    // Every kind of bad file is refused with its own reason, before anything is stored.
    void badFilesAreRefusedWithTheirReason() {
        const QString valid = ArmyFileText(SmallHorde());
        CSharedArmy army;
        QString problem;
        QVERIFY2(ParseArmyFile(valid.toUtf8(), &army, &problem), qPrintable(problem));
        QCOMPARE(ArmyFileText(army), valid);
        const auto edited = [&valid](const QString& from, const QString& to) {
            QString text = valid;
            return text.replace(from, to).toUtf8();
        };
        const QByteArray header = "{\"format\": \"skarnholtdb-army\", \"version\": 1, \"name\": "
                                  "\"x\", \"budget\": 1, \"race\": {\"key\": 13, \"fr\": \"Orc\", "
                                  "\"en\": \"Orc\"}, \"members\": ";
        QByteArray manyMembers = header + "[{}";
        for (int i = 1; i < 100000; ++i)
            manyMembers += ",{}";
        manyMembers += "]}";
        const QByteArray deep =
            "{\"format\": \"skarnholtdb-army\", \"race\": " + QByteArray(10000, '[') +
            QByteArray(10000, ']') + "}";
        const QByteArray member =
            "{\"rank\": \"unit\", \"type\": {\"key\": 5, \"fr\": \"Guerriers\", "
            "\"en\": \"T5 Warriors\"}, \"name\": \"x\", \"figures\": 10, "
            "\"quality\": 0, \"musicians\": 0, \"standard\": false, "
            "\"commandPoints\": 0";
        const QList<std::tuple<const char*, QByteArray, int>> bad{
            {"empty", QByteArray(), kFileNotJsonId},
            {"not JSON", "Horde d'Urk\n", kFileNotJsonId},
            {"truncated", valid.toUtf8().chopped(valid.size() / 3), kFileNotJsonId},
            {"a list", "[1, 2]", kFileOtherFormatId},
            {"another format", edited("skarnholtdb-army", "skarnholtdb-battle"),
             kFileOtherFormatId},
            {"a later version", edited("\"version\": 1", "\"version\": 2"), kFileLaterVersionId},
            {"a version in words", edited("\"version\": 1", "\"version\": \"1\""),
             kFileWrongIntegerId},
            {"a budget in words", edited("\"budget\": 900", "\"budget\": \"900\""),
             kFileWrongIntegerId},
            {"no budget", edited("\"budget\": 900", "\"budget\": 0"), kFileWrongIntegerId},
            {"half a figure", edited("\"figures\": 12", "\"figures\": 12.5"), kFileWrongIntegerId},
            {"a standard as a number", edited("\"standard\": true", "\"standard\": 1"),
             kFileWrongBooleanId},
            {"a race as a number", edited("{\"key\": 13, \"fr\": \"Orc\", \"en\": \"Orc\"}", "13"),
             kFileWrongObjectId},
            {"members as an object", header + "{}}", kFileWrongListId},
            {"a field unknown", edited("\"budget\"", "\"points\": 1, \"budget\""),
             kFileUnknownFieldId},
            {"a field missing", edited("  \"name\": \"Horde d'Urk 🐗\",\n", ""),
             kFileMissingFieldId},
            {"a name of blanks", edited("\"Horde d'Urk 🐗\"", "\"   \""), kFileEmptyNameId},
            {"a name of a million characters",
             edited("\"Horde d'Urk 🐗\"", QLatin1Char('"') + QString(1000000, u'a') + '"'),
             kFileWrongTextId},
            {"a control character escaped", edited("Horde d'Urk", "Horde\\u0007d'Urk"),
             kFileWrongTextId},
            {"half a character", edited("Horde d'Urk", "Horde\\ud800d'Urk"), kFileWrongTextId},
            {"a control character raw", edited("Horde d'Urk", "Horde\td'Urk"), kFileControlByteId},
            {"bytes that are not UTF-8", edited("Horde", "Ho").replace("Ho", "Ho\xff\xfe"),
             kFileNotUtf8Id},
            {"an overlong slash", edited("Horde", "H").replace("H", "H\xc0\xaf"), kFileNotUtf8Id},
            {"a surrogate in UTF-8", edited("Horde", "H").replace("H", "H\xed\xa0\x80"),
             kFileNotUtf8Id},
            {"nesting 10,000 deep", deep, kFileTooDeepId},
            {"100,000 members", manyMembers, kFileTooManyMembersId},
            {"100,000 attached members",
             header + "[" + member + ", \"attached\": [" + manyMembers.mid(header.size() + 1) +
                 "]}",
             kFileTooManyMembersId},
            {"a leader that does not exist", edited("\"leader\": 1", "\"leader\": 99"),
             kFileBadLeaderId},
            {"a leader standing after",
             edited("\"leader\": 1, \"type\": {\"key\": 5", "\"leader\": 4, \"type\": {\"key\": 5"),
             kFileBadLeaderId},
            {"a unit for leader",
             edited("\"leader\": 1, \"type\": {\"key\": 5", "\"leader\": 2, \"type\": {\"key\": 5"),
             kFileBadLeaderId},
            {"a group leader his own leader",
             edited("\"rank\": \"groupLeader\", \"leader\": 0",
                    "\"rank\": \"groupLeader\", \"leader\": 1"),
             kFileBadLeaderId},
            {"two warchiefs", edited("\"groupLeader\"", "\"warchief\""), kFileWarchiefFirstId},
            {"no warchief first", header + "[" + member + "}]}", kFileWarchiefFirstId},
            {"a rank unknown", edited("\"machine\"", "\"catapult\""), kFileWrongRankId},
            {"an attached leader", edited("\"uncounted\"", "\"groupLeader\""),
             kFileAttachedLeaderId},
            {"an attached member with attached ones",
             edited("\"commandPoints\": 0}]", "\"commandPoints\": 0, \"attached\": []}]"),
             kFileUnknownFieldId},
        };
        for (const auto& [label, bytes, id] : bad) {
            QVERIFY2(!ParseArmyFile(bytes, &army, &problem), label);
            QVERIFY2(Says(problem, id), qPrintable(QStringLiteral("%1: %2").arg(label, problem)));
            QVERIFY2(army.members.isEmpty(), label);
        }

        // Files that are not there, are no plain files or are too big: a file of 1 GB is not
        // read at all, a pipe not waited on.
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big.skarmy")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(1) << 30));
        big.close();
        QVERIFY(!ReadArmyFile(big.fileName(), &army, &problem));
        QVERIFY2(Says(problem, kFileTooLargeId), qPrintable(problem));
        QVERIFY(!ReadArmyFile(dir.filePath(QStringLiteral("missing.skarmy")), &army, &problem));
        QVERIFY2(Says(problem, kFileUnreadableId), qPrintable(problem));
        QVERIFY(!ReadArmyFile(dir.path(), &army, &problem));
        QVERIFY2(Says(problem, kFileNotRegularId), qPrintable(problem));
        QVERIFY(!ReadArmyFile(QStringLiteral("/dev/zero"), &army, &problem));
        QVERIFY2(Says(problem, kFileNotRegularId), qPrintable(problem));
        const QString pipe = dir.filePath(QStringLiteral("pipe.skarmy"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        QVERIFY(!ReadArmyFile(pipe, &army, &problem));
        QVERIFY2(Says(problem, kFileNotRegularId), qPrintable(problem));
    }

    // Members this catalogue lacks, names otherwise, has of another kind or holds to another
    // range are named; the army goes in without them and what hangs on them, or not at all when
    // its warchief or its race is not here.
    void membersThisCatalogueLacksAreNamedAndLeftOut() {
        QString failure;
        const auto source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(source, qPrintable(failure));
        CSharedArmy army = SmallHorde();
        CSharedMember warriors = army.members.at(3);
        warriors.leader = 0;
        warriors.type.key = 99;
        army.members << warriors; // row 7: a type this catalogue lacks
        warriors.type.key = 5;
        warriors.figures = 50;
        army.members << warriors; // row 8: more figures than the type allows
        CSharedMember riders = army.members.at(2);
        riders.leader = 0;
        riders.attached[0].type.nameFr = QStringLiteral("Chien");
        riders.attached[0].type.nameEn = QStringLiteral("Dog");
        army.members << riders; // rows 9-10: its wolf is named otherwise here
        CSharedMember leader = army.members.at(1);
        leader.type = warriors.type;
        army.members << leader; // row 11: a group leader of a unit's type
        warriors.leader = static_cast<int>(army.members.size()) - 1;
        warriors.figures = 10;
        army.members << warriors; // row 12: under him, fits, goes with him
        riders = army.members.at(2);
        riders.quality = 5;
        army.members << riders; // rows 13-14: a quality out of range

        const QString before = TablesState();
        CArmyImport import(TheDatabase(), army);
        QCOMPARE(import.Match(), CArmyImport::Outcome::Ready);
        const QStringList misfits = import.Misfits();
        QCOMPARE(misfits.size(), 5);
        QVERIFY2(Says(misfits.at(0), kMemberTypeUnknownId) && misfits.at(0).startsWith("membre 7 "),
                 qPrintable(misfits.at(0)));
        QVERIFY2(Says(misfits.at(1), kMemberFiguresId) && misfits.at(1).contains(" 50 "),
                 qPrintable(misfits.at(1)));
        QVERIFY2(Says(misfits.at(2), kMemberTypeRenamedId) && misfits.at(2).contains("« Dog »"),
                 qPrintable(misfits.at(2)));
        QVERIFY2(Says(misfits.at(3), kMemberOtherKindId), qPrintable(misfits.at(3)));
        QVERIFY2(Says(misfits.at(4), kMemberQualityId), qPrintable(misfits.at(4)));
        QCOMPARE(import.MemberCount(), 14);
        QCOMPARE(import.LeftOutCount(), 8);
        QCOMPARE(TablesState(), before);
        const int armyId = import.Store();
        QVERIFY(armyId >= 0);
        QVERIFY(TheArmy().Open(armyId));
        CSharedArmy kept = SmallHorde();
        kept.name = import.StoredName();
        CItemList<CUnitType> types;
        CItemList<CRace> races;
        QVERIFY(TheDatabase().LoadUnitTypes(types) && TheDatabase().LoadRaces(races));
        QCOMPARE(ArmyFileText(SharedArmyOf(TheArmy(), types, races)), ArmyFileText(kept));
        QCOMPARE(StoredArmyFault(TheDatabase(), armyId), QString());

        // Without its warchief, or its race, there is no army to import.
        const QString stored = TablesState();
        army.members[0].type.key = 99;
        CArmyImport headless(TheDatabase(), army);
        QCOMPARE(headless.Match(), CArmyImport::Outcome::Refused);
        QVERIFY2(Says(headless.Problem(), kWarchiefMisfitId), qPrintable(headless.Problem()));
        army = SmallHorde();
        army.race.nameFr = army.race.nameEn = QStringLiteral("Ork");
        CArmyImport raceless(TheDatabase(), army);
        QCOMPARE(raceless.Match(), CArmyImport::Outcome::Refused);
        QVERIFY2(Says(raceless.Problem(), kRaceUnknownId), qPrintable(raceless.Problem()));
        QCOMPARE(raceless.Store(), -1);
        QCOMPARE(TablesState(), stored);
    }

    // Flipped bytes, cut ends, values swapped or replaced, for a few seconds: every file is
    // refused with a reason and changes nothing, or goes in whole as an army that reads back as
    // it was stored and exports to a file that imports to the same.
    void mutatedFilesAreRefusedOrImportedWhole() {
        QString failure;
        const auto source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(source, qPrintable(failure));
        const QByteArray valid = ArmyFileText(SmallHorde()).toUtf8();
        const QJsonObject document = QJsonDocument::fromJson(valid).object();
        QList<JsonPath> leaves;
        Leaves(document, {}, &leaves);
        const QList<QJsonValue> odd{-1,           0,      1,     5,    10001,        2.5,
                                    "",           "unit", "Orc", true, QJsonValue(), QJsonArray(),
                                    QJsonObject()};
        const quint32 seed = qEnvironmentVariableIsSet("SKARNHOLT_MUTATION_SEED")
                                 ? qEnvironmentVariableIntValue("SKARNHOLT_MUTATION_SEED")
                                 : QRandomGenerator::global()->generate();
        const int seconds = qEnvironmentVariableIsSet("SKARNHOLT_MUTATION_SECONDS")
                                ? qEnvironmentVariableIntValue("SKARNHOLT_MUTATION_SECONDS")
                                : 3;
        QRandomGenerator random(seed);
        const auto below = [&random](qsizetype bound) {
            return static_cast<qsizetype>(random.bounded(static_cast<quint64>(bound)));
        };
        QElapsedTimer clock;
        clock.start();
        int tried = 0, imported = 0;
        for (; clock.elapsed() < seconds * 1000; ++tried) {
            QByteArray bytes = valid;
            switch (random.bounded(4)) {
            case 0:
                for (int n = 1 + random.bounded(3); n > 0; --n)
                    bytes[below(bytes.size())] = static_cast<char>(random.bounded(256));
                break;
            case 1:
                bytes.truncate(below(bytes.size()));
                break;
            case 2: {
                const JsonPath a = leaves.at(below(leaves.size()));
                const JsonPath b = leaves.at(below(leaves.size()));
                QJsonValue swapped = Replaced(document, a, At(document, b));
                swapped = Replaced(swapped, b, At(document, a));
                bytes = QJsonDocument(swapped.toObject()).toJson();
                break;
            }
            default:
                bytes = QJsonDocument(Replaced(document, leaves.at(below(leaves.size())),
                                               odd.at(below(odd.size())))
                                          .toObject())
                            .toJson();
            }
            const QString context = QStringLiteral("seed %1, file %2:\n%3")
                                        .arg(seed)
                                        .arg(tried)
                                        .arg(QString::fromUtf8(bytes.left(2000)));
            const QString before = TablesState();
            CSharedArmy army;
            QString problem;
            int armyId = -1;
            if (ParseArmyFile(bytes, &army, &problem)) {
                CArmyImport import(TheDatabase(), army);
                if (import.Match() == CArmyImport::Outcome::Ready) {
                    armyId = import.Store();
                    QVERIFY2(armyId >= 0, qPrintable(context));
                    QCOMPARE(CountRows(QStringLiteral("ArmeeCompo WHERE IdArmee = %1").arg(armyId)),
                             import.MemberCount() - import.LeftOutCount());
                } else {
                    problem = import.Problem();
                }
            }
            if (armyId < 0) {
                QVERIFY2(!problem.isEmpty(), qPrintable(context));
                QVERIFY2(TablesState() == before, qPrintable(context));
                continue;
            }
            ++imported;
            QVERIFY2(StoredArmyFault(TheDatabase(), armyId).isEmpty(), qPrintable(context));
            QVERIFY(TheArmy().Open(armyId));
            const QByteArray once = FileOf(TheArmy());
            QVERIFY2(ParseArmyFile(once, &army, &problem), qPrintable(problem + context));
            CArmyImport again(TheDatabase(), army);
            QVERIFY2(again.Match() == CArmyImport::Outcome::Ready && again.Misfits().isEmpty(),
                     qPrintable(context));
            const int twice = again.Store();
            QVERIFY(TheArmy().Open(twice));
            CSharedArmy copy;
            QVERIFY(ParseArmyFile(FileOf(TheArmy()), &copy, &problem));
            copy.name = army.name;
            QCOMPARE(ArmyFileText(copy).toUtf8(), once);
            TheArmy().Close();
            QVERIFY(TheDatabase().DeleteArmyAndContents(armyId) &&
                    TheDatabase().DeleteArmyAndContents(twice));
        }
        qInfo("%d mutated files in %d s (seed %u): %d imported", tried, seconds, seed, imported);
        QVERIFY(tried > 20 && imported > 0);
    }
};

QTEST_GUILESS_MAIN(TestArmyFile)
#include "tst_armyfile.moc"
