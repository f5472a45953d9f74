// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CMainFrame.h"
#include "app/CSkarnholtDBApp.h"
#include "cli/ExportTool.h"
#include "core/CommandIds.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "editor/CArmyView.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QtTest>

#include <memory>

// An army shared as a file from the window and the exporter, and imported back by the window
// (asking first when members would be left out), by skarnholtdb-import, and by the program
// started on the file as the desktop starts it.
class TestSharing : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_file;
    int m_argc = 2;
    char m_name[12] = "skarnholtdb";
    char* m_argv[3] = {};
    std::unique_ptr<CSkarnholtDBApp> m_app;
    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<MessageRecorder> m_messages;
    const QString m_army = QStringLiteral("Horde d'Urk 🐗");

    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    static QString Tables() {
        return QStringLiteral("%1 %2").arg(CountRows("ArmeeDef")).arg(CountRows("ArmeeCompo"));
    }
    // skarnholtdb-import, copied where no English module stands beside it; its status.
    int Import(const QStringList& arguments, QString* out, QString* err) {
        const QString program = Path("skarnholtdb-import");
        QFile::copy(QStringLiteral(SKARNHOLT_BINARY_DIR "/skarnholtdb-import"), program);
        QProcess tool;
        tool.start(program, arguments);
        if (!tool.waitForFinished(60000))
            return -1;
        *out = QString::fromUtf8(tool.readAllStandardOutput());
        *err = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitCode();
    }

private slots:
    // The program as the desktop starts it on a file: made now, started by the last test.
    void initTestCase() {
        m_file = QFile::encodeName(Path("Horde.skarmy"));
        m_argv[0] = m_name;
        m_argv[1] = m_file.data();
        m_app = std::make_unique<CSkarnholtDBApp>(m_argc, m_argv, TheDatabase(), TheArmy());
        m_messages = std::make_unique<MessageRecorder>();
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }
    void cleanupTestCase() {
        m_messages.reset();
        m_app.reset();
    }
    void cleanup() { m_messages->Clear(); }

    // Fichier holds both commands after the export, sharing only with an army open; the file
    // the window writes is the one skarnholtdb-export writes.
    void theWindowSharesWhatTheExporterWrites() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        const QList<QAction*> file = frame.findChild<QMenu*>("menuFile")->actions();
        QCOMPARE(file.mid(file.indexOf(frame.Action(ID_ARMY_EXPORT)) + 2, 2),
                 (QList<QAction*>{frame.Action(ID_ARMY_SHARE), frame.Action(ID_ARMY_IMPORT)}));
        QCOMPARE(frame.Action(ID_ARMY_SHARE)->text(), QStringLiteral("&Partager l'armée…"));
        QVERIFY(!frame.Action(ID_ARMY_SHARE)->isEnabled());
        QVERIFY(frame.Action(ID_ARMY_IMPORT)->isEnabled());

        frame.CreateArmy(13, m_army, 900);
        CArmy& army = TheArmy();
        // A type with what the catalogue adds with it, as the editor takes it.
        const auto typed = [&catalogue](const char* name) {
            const int key = TypeNamed(catalogue->UnitTypes(), name)->ArmyTypeId;
            return catalogue->WithAttached(*catalogue->TypeByKey(key));
        };
        army.AddUnit(nullptr, typed("T3 Orc warlord"));
        army.AddUnit(nullptr, typed("T3 Orc warlord"));
        CArmyUnit* leader = army.Units().GetTail();
        for (const char* type : {"T1 Wolf riders", "T5 Warriors"})
            army.AddUnit(leader, typed(type));
        frame.UpdateCommandStates();
        QVERIFY(frame.Action(ID_ARMY_SHARE)->isEnabled());
        QVERIFY(frame.ShareArmy(Path("Horde.skarmy")));
        QVERIFY(!frame.ShareArmy(Path("missing/Horde.skarmy")));
        QCOMPARE(m_messages->Ids(), (QList<int>{kFileWrittenId, kCannotWriteFileId}));
        frame.OnCloseArmy();

        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(RunExportTool(TheDatabase(), {"army", m_army, "--format", "json"}, outStream,
                               errStream),
                 0);
        QCOMPARE(ReadFile(out.trimmed()), ReadFile(Path("Horde.skarmy")));
        QVERIFY(out.trimmed().endsWith(QStringLiteral("/Horde_d_Urk_🐗.skarmy")));
        QVERIFY(QFile::remove(out.trimmed()));
        QCOMPARE(
            RunExportTool(TheDatabase(), {"battle", "1", "--format", "json"}, outStream, errStream),
            1);
        QVERIFY(TheDatabase().OpenDatabase());
    }

    // A file that is no army is refused, naming it; one with a member this catalogue lacks is
    // imported without it only once the player agrees, then opened under a name of its own.
    void theWindowAsksBeforeLeavingMembersOut() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        const QString before = Tables();
        QVERIFY(!WriteExport(m_dir.path(), "bad.skarmy",
                             "{\"format\": \"skarnholtdb-army\", "
                             "\"version\": 7}")
                     .isEmpty());
        QCOMPARE(frame.ImportArmyFiles({Path("bad.skarmy")}), -1);
        QCOMPARE(m_messages->Ids(), QList<int>{kArmyFileRefusedId});
        const QString said = Plain(m_messages->Messages().first().text);
        QVERIFY2(said.contains(Path("bad.skarmy")) && said.contains("format 7"), qPrintable(said));

        QVERIFY(!WriteExport(m_dir.path(), "misfit.skarmy",
                             QString::fromUtf8(ReadFile(Path("Horde.skarmy")))
                                 .replace("\"key\": 5, ", "\"key\": 55, "))
                     .isEmpty());
        m_messages->SetNextAnswer(false);
        QCOMPARE(frame.ImportArmyFiles({Path("misfit.skarmy")}), -1);
        QCOMPARE(Tables(), before);
        m_messages->SetNextAnswer(true);
        const int armyId = frame.ImportArmyFiles({Path("misfit.skarmy")});
        QCOMPARE(m_messages->Ids(), (QList<int>{kArmyFileRefusedId, kMisfitsQuestionId,
                                                kMisfitsQuestionId, kArmyImportedId}));
        QVERIFY(Plain(m_messages->Messages().at(1).text)
                    .contains(QStringLiteral("• membre 5 « T5 Warriors » : le type 55")));
        QVERIFY(TheArmy().IsOpen() && TheArmy().GetHeader().IdArmee == armyId);
        QCOMPARE(TheArmy().GetName(), m_army + QStringLiteral(" (2)"));
        QCOMPARE(TheArmy().Units().GetCount(), 4);
        QVERIFY(frame.ArmyView()->isVisibleTo(&frame));
        frame.OnCloseArmy();
    }

    // skarnholtdb-import as a club runs it: each file on its own, the names the armies got
    // printed, each refusal naming its file, and the first failure's status.
    void theCommandImportsOrRefusesEachFile() {
        QString out, err;
        QCOMPARE(Import({"--help"}, &out, &err), 0);
        QVERIFY(out.startsWith("utilisation : skarnholtdb-import") &&
                out.contains("--skip-unknown"));
        QCOMPARE(Import({}, &out, &err), 1);
        QCOMPARE(Import({"--all", Path("Horde.skarmy")}, &out, &err), 1);
        const QString before = Tables();
        QCOMPARE(Import({Path("misfit.skarmy")}, &out, &err), 2);
        QVERIFY2(
            err.startsWith(
                QStringLiteral("skarnholtdb-import: %1: des membres").arg(Path("misfit.skarmy"))) &&
                err.contains(QStringLiteral("\n  • membre 5 « T5 Warriors »")),
            qPrintable(err));
        QCOMPARE(Tables(), before);
        QCOMPARE(Import({Path("Horde.skarmy"), Path("none.skarmy"), Path("bad.skarmy"),
                         "--skip-unknown", Path("misfit.skarmy")},
                        &out, &err),
                 2);
        QCOMPARE(out, m_army + QStringLiteral(" (3)\n") + m_army + QStringLiteral(" (4)\n"));
        QVERIFY(err.count('\n') == 2 && err.contains(Path("none.skarmy")) &&
                err.contains(Path("bad.skarmy")));
        QCOMPARE(Tables(), QStringLiteral("%1 %2")
                               .arg(before.section(' ', 0, 0).toInt() + 2)
                               .arg(before.section(' ', 1, 1).toInt() + 9));
    }

    // Started on a file, as by a double-click, the program imports it and opens it.
    void theProgramOpensTheFileItIsGiven() {
        TheDatabase().CloseDatabase();
        QVERIFY(m_app->InitInstance());
        QTRY_VERIFY(TheArmy().IsOpen());
        QCOMPARE(TheArmy().GetName(), m_army + QStringLiteral(" (5)"));
        QCOMPARE(TheArmy().Units().GetCount(), 5);
        QCOMPARE(m_messages->Ids(), QList<int>{kArmyImportedId});
        m_app->ExitInstance();
    }
};

QTEST_APPLESS_MAIN(TestSharing)
#include "tst_sharing.moc"
