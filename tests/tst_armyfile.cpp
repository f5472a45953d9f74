// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoredArmy.h"
#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "army/CUnitCostCalculator.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "export/ArmyExport.h"
#include "export/ArmyFile.h"
#include "model/ArmySharing.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace {

// A small Orc horde on the small catalogue, as the program writes it: the warlord, a group
// leader with wolf riders on their wolves and warriors, and a rock lobber under the warlord.
QByteArray Horde() {
    return ReadFile(TestDataSource::SourcePath(QStringLiteral("tests/data/horde.skarmy")));
}

CSharedArmy Parsed(const QByteArray& bytes) {
    CSharedArmy army;
    QString problem;
    if (!ParseArmyFile(bytes, &army, &problem))
        qWarning() << problem;
    return army;
}

// The file of the open army, its types named as this database's catalogue names them.
QByteArray FileOf(const CArmy& army) {
    CItemList<CUnitType> types;
    CItemList<CRace> races;
    TheDatabase().LoadUnitTypes(types) && TheDatabase().LoadRaces(races);
    return ArmyFileText(SharedArmyOf(army, types, races)).toUtf8();
}

// Whether the problem is the text of that id, whatever its placeholders became.
bool Says(const QString& problem, int id) {
    QStringList parts = LoadResString(id).split(QRegularExpression(QStringLiteral("%\\d")));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(problem)
        .hasMatch();
}

// What the army tables hold, to tell that a refused file stored nothing.
QString TablesState() {
    return QStringLiteral("%1 %2").arg(CountRows("ArmeeDef")).arg(CountRows("ArmeeCompo"));
}

} // namespace

// The army file: what one database writes, another reads back as the same army, byte for byte;
// a file that is not one, or that this catalogue cannot take whole, is refused or shortened as
// the player is told, and a refused one changes nothing.
class TestArmyFile : public QObject {
    Q_OBJECT

    // The Orc horde of the sample catalogue, a member of every kind (a group leader on his
    // mount, units with and without mounts, a culverin with its gunners and horse), every
    // choice changed from the type's and a name in several scripts.
    static void BuildHorde(CArmy& army, const QString& name) {
        CItemList<CUnitType> types;
        QVERIFY(TheDatabase().LoadUnitTypes(types));
        QVERIFY(army.Create(13, name, 900) && army.Open(army.GetHeader().IdArmee));
        // Those marked ">" under the group leader, the others under the warchief.
        for (const QString type : {"Tusk-Lord", "Band Leader", ">Scarred Warriors",
                                   ">One-Eye Archers", ">Aurochs Riders", "Margrave of Skarnholt",
                                   "Havrecombe Culverin", "Redforge Brutes"}) {
            const bool underBand = type.startsWith(u'>');
            CArmyUnit* leader = underBand ? *std::next(army.Units().begin()) : army.GetWarchief();
            QCOMPARE(army.AddUnit(leader, WithAttached(types, type.mid(underBand ? 1 : 0))),
                     CArmy::Result::Done);
        }
        const QList<CArmyUnit*> members(army.Units().begin(), army.Units().end());
        for (CArmyUnit* unit : members) {
            CArmyUnit edited = *unit;
            const bool troops = CArmy::ChoicesOf(*unit) == CArmy::Choices::Troops;
            edited.NombreFig = troops ? unit->Max : unit->NombreFig;
            edited.IdQualite = troops ? unit->IdQualiteMax : unit->IdQualite;
            edited.Musicien = troops ? 2 : 0;
            edited.Etendard = troops ? 1 : 0;
            edited.Pc = unit->IsLeader() ? 3 : 0;
            CUnitCostCalculator calculator;
            calculator.SetUnit(&edited);
            calculator.ComputeCost();
            QCOMPARE(army.UpdateMember(unit, edited), CArmy::Result::Done);
        }
        QCOMPARE(army.RenameMember(members.at(2), QStringLiteral("Les « gris » \\ 🐺 עברית")),
                 CArmy::Result::Done);
    }

    // The files checked against docs/skarmy.schema.json by the JSON Schema validator.
    static int SchemaCheck(const QStringList& files) {
        QProcess python;
        python.setProcessChannelMode(QProcess::ForwardedChannels);
        python.start(
            QStringLiteral("/usr/bin/python3"),
            QStringList{TestDataSource::SourcePath(QStringLiteral("tests/check_schema.py")),
                        TestDataSource::SourcePath(QStringLiteral("docs/skarmy.schema.json"))} +
                files);
        return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit
                   ? python.exitCode()
                   : -1;
    }

private slots:
    void cleanup() {
        TheArmy().Close();
        TheDatabase().CloseDatabase();
    }

    // Export, import into a fresh database whose keys differ, export again: the same file, and
    // the imported army's text export byte for byte the first one's; imported again, the name
    // is made unique and the prices are this catalogue's. The schema holds the files written.
    void roundTripsIntoAnotherDatabase() {
        const QString name = QStringLiteral("Horde d'Urk 🐗 \"rouge\"");
        QByteArray file;
        QString text;
        {
            TestDataSource source(QStringLiteral("db/catalogue.sql"));
            QVERIFY2(source.IsValid() && TheDatabase().OpenDatabase(),
                     qPrintable(source.ErrorText()));
            BuildHorde(TheArmy(), name);
            QCOMPARE(TheArmy().Units().GetCount(), 12);
            file = FileOf(TheArmy());
            text = ArmyExportText(TheArmy());
            cleanup();
        }
        TestDataSource source(QStringLiteral("db/catalogue.sql"));
        QVERIFY2(source.IsValid() && TheDatabase().OpenDatabase(), qPrintable(source.ErrorText()));
        BuildHorde(TheArmy(), QStringLiteral("Autre"));
        QList<int> imported;
        for (int i = 1; i <= 3; ++i) {
            if (i == 3)
                QVERIFY(source.ExecOnOtherConnection(QStringLiteral(
                    "UPDATE Armees SET Points = Points + 1 WHERE NomGB = 'Scarred Warriors'")));
            const auto importCatalogue = LoadedCatalogue();
            CArmyImport import(TheDatabase(), *importCatalogue, Parsed(file));
            QCOMPARE(import.Match(), CArmyImport::Outcome::Ready);
            QVERIFY(import.Misfits().isEmpty());
            imported << import.Store();
            QCOMPARE(import.StoredName(), i == 1 ? name : name + QStringLiteral(" (%1)").arg(i));
            QCOMPARE(StoredArmyFault(TheDatabase(), imported.last()), QString());
        }
        QVERIFY(TheArmy().Open(imported.first()));
        QCOMPARE(FileOf(TheArmy()), file);
        QCOMPARE(ArmyExportText(TheArmy()), text);
        // Thirty figures at one point more each.
        const int cost = TheArmy().GetHeader().CoutTotal;
        QVERIFY(TheArmy().Open(imported.last()));
        QCOMPARE(TheArmy().GetHeader().CoutTotal, cost + 30);

        QTemporaryDir dir;
        const QStringList files{dir.filePath("horde.skarmy"), dir.filePath("wrong.skarmy")};
        QVERIFY(!WriteExport(QString(), files.at(0), QString::fromUtf8(file)).isEmpty());
        QVERIFY(!WriteExport(QString(), files.at(1), QString::fromUtf8(file).replace("true", "1"))
                     .isEmpty());
        QCOMPARE(SchemaCheck(files.mid(0, 1)), 0);
        QCOMPARE(SchemaCheck(files.mid(1)), 1);
    }

    // Every kind of bad file is refused with its own reason, before anything is parsed or
    // stored where the kind allows.
    void badFilesAreRefusedWithTheirReason() {
        const QString valid = QString::fromUtf8(Horde());
        QCOMPARE(ArmyFileText(Parsed(Horde())), valid);
        const auto edited = [&valid](const QString& from, const QString& to) {
            return QString(valid).replace(from, to).toUtf8();
        };
        const QByteArray header = "{\"format\": \"skarnholtdb-army\", \"version\": 1, \"name\": "
                                  "\"x\", \"budget\": 1, \"race\": {\"key\": 13, \"fr\": \"Orc\", "
                                  "\"en\": \"Orc\"}, \"members\": ";
        QByteArray many = "[{}" + QByteArray(",{}").repeated(99999) + "]}";
        const QByteArray unit = "{\"rank\": \"unit\", \"type\": {\"key\": 5, \"fr\": \"\", \"en\": "
                                "\"\"}, \"name\": \"\", \"figures\": 10, \"quality\": 0, "
                                "\"musicians\": 0, \"standard\": false, \"commandPoints\": 0";
        const QList<std::tuple<const char*, QByteArray, int>> bad{
            {"not JSON", "Horde d'Urk\n", kFileNotJsonId},
            {"truncated", valid.toUtf8().chopped(200), kFileNotJsonId},
            {"another format", edited("skarnholtdb-army", "skarnholtdb-battle"),
             kFileOtherFormatId},
            {"a later version", edited("\"version\": 1", "\"version\": 2"), kFileLaterVersionId},
            {"half a figure", edited("\"figures\": 12", "\"figures\": 12.5"), kFileWrongIntegerId},
            {"a standard as a number", edited("\"standard\": true", "\"standard\": 1"),
             kFileWrongBooleanId},
            {"a race as a number", edited("{\"key\": 13, \"fr\": \"Orc\", \"en\": \"Orc\"}", "13"),
             kFileWrongObjectId},
            {"members as an object", header + "{}}", kFileWrongListId},
            {"a field unknown", edited("\"budget\"", "\"points\": 1, \"budget\""),
             kFileUnknownFieldId},
            {"a field missing", edited("\"quality\": 5, ", ""), kFileMissingFieldId},
            {"a name of blanks", edited("Horde d'Urk 🐗", "   "), kFileEmptyNameId},
            {"a name of a million characters", edited("Horde d'Urk", QString(1000000, u'a')),
             kFileWrongTextId},
            {"a control character escaped", edited("Horde", "Ho\\u0007rde"), kFileWrongTextId},
            {"half a character", edited("Horde", "Ho\\ud800rde"), kFileWrongTextId},
            {"a control character raw", edited("Horde", "Ho\trde"), kFileControlByteId},
            {"an overlong slash", edited("Horde", "Ho#").replace("#", "\xc0\xaf"), kFileNotUtf8Id},
            {"a surrogate in UTF-8", edited("Horde", "Ho#").replace("#", "\xed\xa0\x80"),
             kFileNotUtf8Id},
            {"nesting 10,000 deep", header + QByteArray(10000, '[') + QByteArray(10000, ']') + "}",
             kFileTooDeepId},
            {"100,000 members", header + many, kFileTooManyMembersId},
            {"100,000 attached members", header + "[" + unit + ", \"attached\": " + many + "]}",
             kFileTooManyMembersId},
            {"a leader that does not exist", edited("\"leader\": 1", "\"leader\": 99"),
             kFileBadLeaderId},
            {"a leader standing after",
             edited("\"leader\": 1, \"type\": {\"key\": 5", "\"leader\": 4, \"type\": {\"key\": 5"),
             kFileBadLeaderId},
            {"no warchief first", header + "[" + unit + "}]}", kFileWarchiefFirstId},
            {"a rank unknown", edited("\"machine\"", "\"catapult\""), kFileWrongRankId},
            {"an attached leader", edited("\"uncounted\"", "\"groupLeader\""),
             kFileAttachedLeaderId},
        };
        CSharedArmy army;
        QString problem;
        for (const auto& [label, bytes, id] : bad) {
            QVERIFY2(!ParseArmyFile(bytes, &army, &problem) && army.members.isEmpty(), label);
            QVERIFY2(Says(problem, id), qPrintable(QStringLiteral("%1: %2").arg(label, problem)));
        }

        // Files that are not there, are no plain files or are too big: a file of 1 GB is not
        // read at all, a pipe not waited on.
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big.skarmy")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(1) << 30));
        big.close();
        const QString pipe = dir.filePath(QStringLiteral("pipe.skarmy"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        for (const auto& [path, id] :
             {std::pair{big.fileName(), kFileTooLargeId},
              std::pair{dir.filePath(QStringLiteral("none.skarmy")), kFileUnreadableId},
              std::pair{dir.path(), kFileNotRegularId},
              std::pair{QStringLiteral("/dev/zero"), kFileNotRegularId},
              std::pair{pipe, kFileNotRegularId}}) {
            QVERIFY2(!ReadArmyFile(path, &army, &problem), qPrintable(path));
            QVERIFY2(Says(problem, id), qPrintable(problem));
        }
    }

    // Members this catalogue lacks, names otherwise, has of another kind or holds to another
    // range are named; the army goes in without them and what hangs on them, or not at all when
    // its warchief or its race is not here.
    void membersThisCatalogueLacksAreNamedAndLeftOut() {
        QString failure;
        const auto source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(source, qPrintable(failure));
        CSharedArmy army = Parsed(Horde());
        CSharedMember warriors = army.members.at(3), riders = army.members.at(2);
        warriors.leader = riders.leader = 0;
        army.members << warriors << warriors << riders << army.members.at(1) << warriors
                     << army.members.at(2);
        army.members[5].type.key = 99;                     // row 7: a type this catalogue lacks
        army.members[6].figures = 50;                      // row 8: more figures than allowed
        army.members[7].attached[0].type.nameEn = "Dog";   // rows 9-10: a wolf named otherwise
        army.members[7].attached[0].type.nameFr = "Chien"; //
        army.members[8].type = warriors.type;              // row 11: a group leader of warriors
        army.members[9].leader = 8;                        // row 12: under him, goes with him
        army.members[10].quality = 5;                      // rows 13-14: a quality out of range
        const auto importCatalogue = LoadedCatalogue();
        CArmyImport import(TheDatabase(), *importCatalogue, army);
        QCOMPARE(import.Match(), CArmyImport::Outcome::Ready);
        const QStringList misfits = import.Misfits();
        const QList<std::pair<int, const char*>> expected{{kMemberTypeUnknownId, "membre 7 "},
                                                          {kMemberFiguresId, " 50 "},
                                                          {kMemberTypeRenamedId, "« Dog »"},
                                                          {kMemberOtherKindId, "membre 11 "},
                                                          {kMemberQualityId, "membre 13 "}};
        QCOMPARE(misfits.size(), expected.size());
        for (int i = 0; i < misfits.size(); ++i)
            QVERIFY2(Says(misfits.at(i), expected.at(i).first) &&
                         misfits.at(i).contains(QString::fromUtf8(expected.at(i).second)),
                     qPrintable(misfits.at(i)));
        QCOMPARE(import.MemberCount(), 14);
        QCOMPARE(import.LeftOutCount(), 8);
        const int armyId = import.Store();
        QVERIFY(TheArmy().Open(armyId));
        CSharedArmy kept = Parsed(Horde());
        kept.name = import.StoredName();
        QCOMPARE(QString::fromUtf8(FileOf(TheArmy())), ArmyFileText(kept));

        // Without its warchief, or its race, there is no army to import.
        const QString stored = TablesState();
        army.members[0].type.key = 99;
        const auto headlessCatalogue = LoadedCatalogue();
        CArmyImport headless(TheDatabase(), *headlessCatalogue, army);
        QCOMPARE(headless.Match(), CArmyImport::Outcome::Refused);
        QVERIFY2(Says(headless.Problem(), kWarchiefMisfitId), qPrintable(headless.Problem()));
        army = Parsed(Horde());
        army.race.nameFr = army.race.nameEn = QStringLiteral("Ork");
        const auto racelessCatalogue = LoadedCatalogue();
        CArmyImport raceless(TheDatabase(), *racelessCatalogue, army);
        QCOMPARE(raceless.Match(), CArmyImport::Outcome::Refused);
        QVERIFY2(Says(raceless.Problem(), kRaceUnknownId), qPrintable(raceless.Problem()));
        QCOMPARE(raceless.Store(), -1);
        QCOMPARE(TablesState(), stored);
    }

    // Flipped bytes, cut ends, values swapped or replaced, for a few seconds: every file is
    // refused with a reason and changes nothing, or goes in whole as an army that is stored
    // right and exports to a file that imports to the same.
    void mutatedFilesAreRefusedOrImportedWhole() {
        QString failure;
        const auto source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(source, qPrintable(failure));
        const QString valid = QString::fromUtf8(Horde());
        static const QRegularExpression valueAt(
            QStringLiteral("(?<=\": )(\"(?:[^\"\\\\]|\\\\.)*\"|[^,{}\\[\\]\\s]+)"));
        QList<QRegularExpressionMatch> values;
        for (const QRegularExpressionMatch& match : valueAt.globalMatch(valid))
            values << match;
        const QStringList odd{"-1",       "0",       "1",    "5",    "10001", "2.5", "\"\"",
                              "\"unit\"", "\"Orc\"", "true", "null", "[]",    "{}"};
        const auto setting = [](const char* name, quint32 otherwise) {
            return qEnvironmentVariableIsSet(name) ? quint32(qEnvironmentVariableIntValue(name))
                                                   : otherwise;
        };
        const quint32 seed =
            setting("SKARNHOLT_MUTATION_SEED", QRandomGenerator::global()->generate());
        const quint32 seconds = setting("SKARNHOLT_MUTATION_SECONDS", 3);
        QRandomGenerator random(seed);
        const auto any = [&random](qsizetype count) { return int(random.bounded(int(count))); };
        QElapsedTimer clock;
        clock.start();
        int tried = 0, imported = 0;
        const auto importCatalogue = LoadedCatalogue();
        for (; clock.elapsed() < seconds * 1000; ++tried) {
            QString text = valid;
            QRegularExpressionMatch a = values.at(any(values.size())),
                                    b = values.at(any(values.size()));
            if (a.capturedStart() > b.capturedStart())
                std::swap(a, b);
            const int kind = any(4);
            if (kind == 2) // swapped: the later one first, so that the earlier stays in place
                text.replace(b.capturedStart(), b.capturedLength(), a.captured())
                    .replace(a.capturedStart(), a.capturedLength(), b.captured());
            else if (kind == 3)
                text.replace(a.capturedStart(), a.capturedLength(), odd.at(any(odd.size())));
            QByteArray bytes = text.toUtf8();
            if (kind == 0)
                for (int n = 1 + any(3); n > 0; --n)
                    bytes[any(bytes.size())] = char(random.bounded(256));
            else if (kind == 1)
                bytes.truncate(any(bytes.size()));
            const QByteArray context = "seed " + QByteArray::number(seed) + ", file:\n" + bytes;
            const QString before = TablesState();
            CSharedArmy army;
            QString problem;
            int armyId = -1;
            if (ParseArmyFile(bytes, &army, &problem)) {
                CArmyImport import(TheDatabase(), *importCatalogue, army);
                if (import.Match() == CArmyImport::Outcome::Ready) {
                    armyId = import.Store();
                    QVERIFY2(armyId >= 0, context.constData());
                    QCOMPARE(CountRows(QStringLiteral("ArmeeCompo WHERE IdArmee = %1").arg(armyId)),
                             import.MemberCount() - import.LeftOutCount());
                }
                problem = import.Problem();
            }
            if (armyId < 0) {
                QVERIFY2(!problem.isEmpty() && TablesState() == before, context.constData());
                continue;
            }
            ++imported;
            QVERIFY2(StoredArmyFault(TheDatabase(), armyId).isEmpty(), context.constData());
            QVERIFY(TheArmy().Open(armyId));
            const QByteArray once = FileOf(TheArmy());
            CArmyImport again(TheDatabase(), *importCatalogue, Parsed(once));
            QVERIFY2(again.Match() == CArmyImport::Outcome::Ready && again.Misfits().isEmpty(),
                     context.constData());
            const int twice = again.Store();
            QVERIFY(TheArmy().Open(twice));
            CSharedArmy copy = Parsed(FileOf(TheArmy()));
            copy.name = Parsed(once).name;
            QCOMPARE(ArmyFileText(copy).toUtf8(), once);
            TheArmy().Close();
            QVERIFY(TheDatabase().DeleteArmyAndContents(armyId) &&
                    TheDatabase().DeleteArmyAndContents(twice));
        }
        qInfo("%d mutated files in %u s (seed %u): %d imported", tried, seconds, seed, imported);
        QVERIFY(tried > 20 && imported > 0);
    }
};

QTEST_GUILESS_MAIN(TestArmyFile)
#include "tst_armyfile.moc"
