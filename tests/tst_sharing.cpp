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
#include "editor/CArmyView.h"
#include "model/CArmy.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QtTest>

#include <memory>

// An army shared as a file from the window and the command line, and imported back by the
// window (asking first when members would be left out), by skarnholtdb-import, and by the
// program started on the file as the desktop starts it.
class TestSharing : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_fileArgument;
    int m_argc = 2;
    char m_name[12] = "skarnholtdb";
    char* m_argv[3] = {};
    std::unique_ptr<CSkarnholtDBApp> m_app;
    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<MessageRecorder> m_messages;
    const QString m_army = QStringLiteral("Horde d'Urk 🐗");

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    static bool Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QString Tables() {
        return QStringLiteral("%1 %2")
            .arg(CountRows(QStringLiteral("ArmeeDef")))
            .arg(CountRows(QStringLiteral("ArmeeCompo")));
    }
    // skarnholtdb-import, copied where no English module stands beside it; its status.
    int Import(const QStringList& arguments, QString* out, QString* err) {
        const QString program = Path(QStringLiteral("bin/skarnholtdb-import"));
        if (!QFileInfo::exists(program) &&
            !(QDir(m_dir.path()).mkpath(QStringLiteral("bin")) &&
              QFile::copy(QStringLiteral(SKARNHOLT_BINARY_DIR "/skarnholtdb-import"), program)))
            return -1;
        QProcess tool;
        tool.setWorkingDirectory(m_dir.path());
        tool.start(program, arguments);
        if (!tool.waitForFinished(60000))
            return -1;
        *out = QString::fromUtf8(tool.readAllStandardOutput());
        *err = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

private slots:
    // The program as the desktop starts it on a file, made now, started by the last test.
    void initTestCase() {
        m_fileArgument = QFile::encodeName(Path(QStringLiteral("Horde.skarmy")));
        m_argv[0] = m_name;
        m_argv[1] = m_fileArgument.data();
        m_app = std::make_unique<CSkarnholtDBApp>(m_argc, m_argv, TheDatabase(), TheArmy());
        m_messages = std::make_unique<MessageRecorder>();
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }
    void cleanupTestCase() {
        TheArmy().Close();
        TheDatabase().CloseDatabase();
        m_messages.reset();
        m_app.reset();
    }
    void cleanup() { m_messages->Clear(); }

    // Fichier holds both commands after the export, sharing only with an army open; the file
    // the window writes is the one skarnholtdb-export writes.
    void theWindowSharesWhatTheExporterWrites() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        const QList<QAction*> file = frame.findChild<QMenu*>(QStringLiteral("menuFile"))->actions();
        const qsizetype exported = file.indexOf(frame.Action(ID_ARMY_EXPORT));
        QCOMPARE(file.mid(exported + 2, 2),
                 (QList<QAction*>{frame.Action(ID_ARMY_SHARE), frame.Action(ID_ARMY_IMPORT)}));
        QCOMPARE(frame.Action(ID_ARMY_SHARE)->text(), QStringLiteral("&Partager l'armée…"));
        QCOMPARE(frame.Action(ID_ARMY_IMPORT)->text(), QStringLiteral("I&mporter une armée…"));
        QVERIFY(!frame.Action(ID_ARMY_SHARE)->isEnabled());
        QVERIFY(frame.Action(ID_ARMY_IMPORT)->isEnabled());

        frame.CreateArmy(13, m_army, 900);
        CArmy& army = TheArmy();
        const CItemList<CUnitType>& types = catalogue->UnitTypes();
        army.AddWarchief(*TypeNamed(types, QStringLiteral("T3 Orc warlord")));
        army.AddGroupLeader(*TypeNamed(types, QStringLiteral("T3 Orc warlord")));
        CArmyUnit* leader = army.Units().GetTail();
        army.AddUnit(leader, WithAttached(types, QStringLiteral("T1 Wolf riders")));
        army.AddUnit(leader, WithAttached(types, QStringLiteral("T5 Warriors")));
        QCOMPARE(army.Units().GetCount(), 5);
        frame.UpdateCommandStates();
        QVERIFY(frame.Action(ID_ARMY_SHARE)->isEnabled());
        QVERIFY(frame.ShareArmy(Path(QStringLiteral("Horde.skarmy"))));
        QCOMPARE(m_messages->Ids(), QList<int>{kFileWrittenId});
        QVERIFY(!frame.ShareArmy(Path(QStringLiteral("missing/Horde.skarmy"))));
        QCOMPARE(m_messages->Ids().last(), kCannotWriteFileId);
        frame.OnCloseArmy();

        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const QString tool = Path(QStringLiteral("tool"));
        QVERIFY(QDir().mkpath(tool));
        QCOMPARE(RunExportTool(TheDatabase(),
                               {"army", m_army, "--format", "json", "--output", tool}, outStream,
                               errStream),
                 0);
        QCOMPARE(out, QDir(tool).filePath(QStringLiteral("Horde_d_Urk_🐗.skarmy\n")));
        QCOMPARE(ReadFile(QDir(tool).filePath(QStringLiteral("Horde_d_Urk_🐗.skarmy"))),
                 ReadFile(Path(QStringLiteral("Horde.skarmy"))));
        for (const QStringList& wrong : {QStringList{"battle", "1", "--format", "json"},
                                         QStringList{"army", m_army, "--format=xml"}})
            QCOMPARE(RunExportTool(TheDatabase(), wrong, outStream, errStream), 1);
        QVERIFY(TheDatabase().OpenDatabase());
    }

    // A file that is no army is refused, naming it; one with a member this catalogue lacks is
    // imported without it only once the player agrees, then opened under a name of its own.
    void theWindowAsksBeforeLeavingMembersOut() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        const QString before = Tables();
        const QString bad = Path(QStringLiteral("bad.skarmy"));
        QVERIFY(Write(bad, "{\"format\": \"skarnholtdb-army\", \"version\": 7}"));
        QCOMPARE(frame.ImportArmyFiles({bad}), -1);
        QCOMPARE(m_messages->Ids(), QList<int>{kArmyFileRefusedId});
        const QString said = Plain(m_messages->Messages().first().text);
        QVERIFY2(said.contains(bad) && said.contains(QStringLiteral("format 7")), qPrintable(said));
        QVERIFY(!TheArmy().IsOpen());

        const QString misfit = Path(QStringLiteral("misfit.skarmy"));
        QVERIFY(Write(misfit, ReadFile(Path(QStringLiteral("Horde.skarmy")))
                                  .replace("\"key\": 5, \"fr\": \"Guerriers\"",
                                           "\"key\": 55, \"fr\": \"Guerriers\"")));
        m_messages->Clear();
        m_messages->SetNextAnswer(false);
        QCOMPARE(frame.ImportArmyFiles({misfit}), -1);
        QCOMPARE(m_messages->Ids(), QList<int>{kMisfitsQuestionId});
        QVERIFY(Plain(m_messages->Messages().first().text)
                    .contains(QStringLiteral("membre 5 « T5 Warriors » : le type 55")));
        QCOMPARE(Tables(), before);

        m_messages->Clear();
        m_messages->SetNextAnswer(true);
        const int armyId = frame.ImportArmyFiles({misfit});
        QVERIFY(armyId >= 0);
        QCOMPARE(m_messages->Ids(), (QList<int>{kMisfitsQuestionId, kArmyImportedId}));
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
        QCOMPARE(Import({QStringLiteral("--help")}, &out, &err), 0);
        QVERIFY(out.startsWith(QStringLiteral("utilisation : skarnholtdb-import")));
        QVERIFY(out.contains(QStringLiteral("--skip-unknown")));
        QCOMPARE(Import({}, &out, &err), 1);
        QCOMPARE(Import({QStringLiteral("--all")}, &out, &err), 1);

        const QString before = Tables();
        const QString misfit = Path(QStringLiteral("misfit.skarmy"));
        QCOMPARE(Import({misfit}, &out, &err), 2);
        QVERIFY2(
            err.startsWith(QStringLiteral("skarnholtdb-import: %1: des membres").arg(misfit)) &&
                err.contains(QStringLiteral("\n  • membre 5 « T5 Warriors »")),
            qPrintable(err));
        QCOMPARE(Tables(), before);
        const QString good = Path(QStringLiteral("Horde.skarmy"));
        QCOMPARE(
            Import({good, Path(QStringLiteral("none.skarmy")), Path(QStringLiteral("bad.skarmy")),
                    QStringLiteral("--skip-unknown"), misfit},
                   &out, &err),
            2);
        QCOMPARE(out, m_army + QStringLiteral(" (3)\n") + m_army + QStringLiteral(" (4)\n"));
        QCOMPARE(err.count(QLatin1Char('\n')), 2);
        QVERIFY(err.contains(Path(QStringLiteral("none.skarmy"))) &&
                err.contains(Path(QStringLiteral("bad.skarmy"))));
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
