// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "cli/ExportTool.h"
#include "core/FileViewer.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "editor/CArmyView.h"
#include "editor/CArmyViewerDlg.h"
#include "export/BattleReport.h"
#include "model/CArmy.h"
#include "model/DataErrorMessages.h"

#include <QComboBox>
#include <QProcess>
#include <QtTest>

// skarnholtdb-export writes, for the sample catalogue, an army and a battle, the very bytes the
// program's own commands write; and it says in one line why when it cannot.
class TestExportTool : public QObject {
    Q_OBJECT

    // Runs the tool in this process; its output lines and status.
    static int Run(const QStringList& arguments, QString* out, QString* err) {
        QTextStream outStream(out), errStream(err);
        return RunExportTool(TheDatabase(), arguments, outStream, errStream);
    }

private slots:
    void writesWhatTheProgramWrites() {
        TestDataSource source(QStringLiteral("db/catalogue.sql"));
        QVERIFY2(source.IsValid(), qPrintable(source.ErrorText()));
        ShowDataErrorsAsMessages(TheDatabase());
        QVERIFY(TheDatabase().OpenDatabase());
        MessageRecorder messages;
        FileViewerRecorder viewer;
        QTemporaryDir program, tool;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(program.path()));

        // The program: an army of every kind of member, the catalogue viewer, a battle.
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        frame.CreateArmy(13, QStringLiteral("Horde d'Urk 🐗"), 900);
        CArmy& army = TheArmy();
        const CItemList<CUnitType>& types = catalogue->UnitTypes();
        CArmyUnit* leader = nullptr;
        for (const CUnitType* type : types) {
            if (type->IdRace != 13 || type->ArmyTypeIdParent != -1)
                continue;
            if (!leader) {
                army.AddWarchief(*type);
                army.AddGroupLeader(*type);
                leader = army.Units().GetTail();
            } else if (!type->IsLeaderType()) {
                army.AddUnit(leader, WithAttached(types, type->NomGB));
            }
        }
        QVERIFY(army.Units().GetCount() > 4);
        frame.ArmyView()->ExportArmy();
        const int armyId = army.GetHeader().IdArmee;
        CArmyViewerDlg viewerDialog(*catalogue, TheDatabase());
        viewerDialog.OnExport();
        QVERIFY(QFile::rename(QStringLiteral("SkarnholtArmyList.txt"), QStringLiteral("all.txt")));
        viewerDialog.RaceFilter()->setCurrentIndex(viewerDialog.RaceFilter()->findData(13));
        viewerDialog.OnExport();
        const int battle = AddBattle(QStringLiteral("Le gué"), QStringLiteral("À l'aube"),
                                     Ids{armyId, AddArmy(QStringLiteral("Autre"), 9, 300)});
        WriteBattleReport(*ReadBattle(battle));
        frame.OnCloseArmy();
        QCOMPARE(viewer.Opened().size(), 4);
        // Each file said where it went, and nothing else was said.
        QCOMPARE(messages.Ids(), QList<int>(4, kFileWrittenId));

        // The tool, by name and by key, into another directory.
        const QDir out(tool.path());
        const QList<QPair<QStringList, QString>> runs{
            {{"army", QStringLiteral("Horde d'Urk 🐗")}, "Horde_d_Urk_🐗.txt"},
            {{"battle", QString::number(battle)}, "Le_gué.txt"},
            {{"catalogue"}, "SkarnholtArmyList.txt"},
        };
        for (const auto& [arguments, file] : runs) {
            QString printed, said;
            QCOMPARE(Run(QStringList{"--output", tool.path()} + arguments, &printed, &said), 0);
            QCOMPARE(printed, out.filePath(file) + QLatin1Char('\n'));
            QVERIFY(said.isEmpty());
        }
        QCOMPARE(ReadFile(out.filePath("Horde_d_Urk_🐗.txt")), ReadFile("Horde_d_Urk_🐗.txt"));
        QCOMPARE(ReadFile(out.filePath("Le_gué.txt")), ReadFile("Le_gué.txt"));
        QCOMPARE(ReadFile(out.filePath("SkarnholtArmyList.txt")), ReadFile("all.txt"));
        // One race, by its English name in any case, into the current directory: a file named
        // after the race, beside the whole catalogue's and another race's.
        QVERIFY(QDir::setCurrent(tool.path()));
        QString printed, said;
        QCOMPARE(Run({"catalogue", "oRC"}, &printed, &said), 0);
        QCOMPARE(printed, out.filePath("Orc.txt") + QLatin1Char('\n'));
        QCOMPARE(ReadFile(out.filePath("Orc.txt")),
                 ReadFile(QDir(program.path()).filePath("SkarnholtArmyList.txt")));
        printed.clear();
        QCOMPARE(Run({"catalogue", "High elf"}, &printed, &said), 0);
        QCOMPARE(printed, out.filePath("Haut_elf.txt") + QLatin1Char('\n'));
        QCOMPARE(ReadFile(out.filePath("SkarnholtArmyList.txt")),
                 ReadFile(QDir(program.path()).filePath("all.txt")));
        QVERIFY(ReadFile(out.filePath("Orc.txt")) != ReadFile(out.filePath("Haut_elf.txt")));
        QCOMPARE(Run({"army", QString::number(armyId)}, &printed, &said), 0);
        QVERIFY(QDir::setCurrent(previous));
    }

    // In French, or in English with the module beside the tool.
    void failuresAreOneLineAndAStatus() {
        TestDataSource source(QString::fromLatin1(TestDataSource::kSmallCatalogue));
        QVERIFY2(source.IsValid(), qPrintable(source.ErrorText()));
        QTemporaryDir dir, programDir;
        const QString program = programDir.filePath("skarnholtdb-export");
        QVERIFY(QFile::copy(SKARNHOLT_BINARY_DIR "/skarnholtdb-export", program));
        const auto run = [&](const QStringList& arguments, QString* err) {
            QProcess tool;
            tool.setWorkingDirectory(dir.path());
            tool.start(program, arguments);
            if (!tool.waitForFinished(30000))
                return -1;
            *err = QString::fromUtf8(tool.readAllStandardError());
            return tool.exitCode();
        };
        QString err;
        QCOMPARE(run({}, &err), 1);
        QVERIFY(err.startsWith("utilisation : skarnholtdb-export"));
        QCOMPARE(run({"army", "Personne"}, &err), 2);
        QCOMPARE(err, QStringLiteral("skarnholtdb-export: aucune armée « Personne »\n"));
        QVERIFY(QFile::copy(SKARNHOLT_BINARY_DIR "/translations/SkarnholtDB_GB.qm",
                            programDir.filePath("SkarnholtDB_GB.qm")));
        QCOMPARE(run({}, &err), 1);
        QVERIFY(err.startsWith("usage: skarnholtdb-export"));
        QCOMPARE(run({"army", "Personne"}, &err), 2);
        QCOMPARE(err, QStringLiteral("skarnholtdb-export: no army Personne\n"));
        QCOMPARE(run({"battle", "404"}, &err), 2);
        QCOMPARE(run({"catalogue", "Ork"}, &err), 2);
        QCOMPARE(run({"catalogue", "--output", dir.filePath("missing/folder")}, &err), 4);
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(source.ExecOnOtherConnection("DROP TABLE Battle"));
        QCOMPARE(run({"battle", "1"}, &err), 3);
        QVERIFY2(
            err.startsWith("skarnholtdb-export: the data source \"Skarnholt\" lacks the tables "
                           "Battle") &&
                err.count(QLatin1Char('\n')) == 1,
            qPrintable(err));
    }
};

QTEST_MAIN(TestExportTool)
#include "tst_exporttool.moc"
