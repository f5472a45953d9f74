// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CMainFrame.h"
#include "battle/CBattleDlg.h"
#include "catalogue/CCatalogueBar.h"
#include "core/FileViewer.h"
#include "core/MessageBox.h"
#include "core/TextExport.h"
#include "data/CArmyUnit.h"
#include "data/CBattleEntry.h"
#include "editor/CArmyView.h"
#include "export/BattleReport.h"
#include "model/CArmy.h"

#include <QLineEdit>
#include <QtTest>

// The army export and the battle report, compared byte for byte with texts written by hand.
class TestExports : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<FileViewerRecorder> m_viewer;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;

private slots:
    void init() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        m_messages = std::make_unique<MessageRecorder>();
        m_viewer = std::make_unique<FileViewerRecorder>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup() {
        QDir::setCurrent(m_previousDir);
        m_dir.reset();
        m_viewer.reset();
        m_messages.reset();
        TheDatabase().CloseDatabase();
        m_source.reset();
    }

    // Names stay in the current directory, visible, and free of what common systems refuse.
    void fileNamesStayInTheCurrentDirectory() {
        QCOMPARE(ExportFileName(QStringLiteral("a/b")), QStringLiteral("a_b.txt"));
        QCOMPARE(ExportFileName(QStringLiteral("../x")), QStringLiteral("_x.txt"));
        QCOMPARE(ExportFileName(QStringLiteral("..\\..\\x")), QStringLiteral("_.._x.txt"));
        QCOMPARE(ExportFileName(QStringLiteral("Gué*?:\"<>|\t\x01é")),
                 QStringLiteral("Gué_________é.txt"));
        QCOMPARE(ExportFileName(QStringLiteral(".cachée")), QStringLiteral("cachée.txt"));
        QCOMPARE(ExportFileName(QStringLiteral("..")), QStringLiteral("_.txt"));
    }

    void armyExportWritesWhatTheListShows() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        CArmyView* view = frame.ArmyView();
        frame.CreateArmy(13, QStringLiteral("Ma horde"), 1000);
        CArmy& army = TheArmy();
        const CItemList<CUnitType>& types = catalogue->UnitTypes();
        army.AddWarchief(*TypeNamed(types, "T3 Orc warlord"));
        army.AddGroupLeader(*TypeNamed(types, "T3 Orc warlord"));
        army.AddUnit(army.Units().GetTail(), WithAttached(types, "T1 Wolf riders"));
        view->ExportArmy();

        const QString expected = QStringLiteral(
            "Armée\tMa horde\n"
            "Budget\t1000\n"
            "Coût\t175\n"
            "Race\tOrc\n\n\n"
            "Nom\tQua\tType\tFor\tRes\tVal\tArmure\tArme\tMvt\tJp\tTer\tEcl\tNotes\t\n"
            "T3 Orc warlord\tElite\tTribale\t5\t5\t8\tLourde / Bouclier\t1 main\t12.5\t4\t\tAucun\t"
            "60 pts - 0 Pc\t\n"
            "    T3 Orc warlord\tElite\tTribale\t5\t5\t8\tLourde / Bouclier\t1 "
            "main\t12.5\t4\t\tAucun\t"
            "60 pts - 0 Pc\t\n"
            "        T1 Wolf riders\tMoyen\tTribale\t3\t3\t4\tMoyenne / "
            "Bouclier\tLance\t10\t5\t\tJour\t"
            "55 pts - 5 fig\t\n"
            "        T4 Wolf\t''\t''\t3\t2\t3\tAucune\tGriffes et crocs\t''\t''\t\t''\t\t\n");
        QCOMPARE(QString::fromUtf8(ReadFile("Ma_horde.txt")), expected);
        frame.OnCloseArmy();
    }

    void battleReportListsEachArmyWithItsUnits() {
        CArmyDatabase& db = TheDatabase();
        CArmyHeader nordmen, empty;
        QCOMPARE(db.InsertArmy(11, QStringLiteral("Nordmen"), 1000, &nordmen), true);
        QCOMPARE(db.InsertArmy(13, QStringLiteral("Urk"), 1200, &empty), true);
        nordmen.CoutTotal = 980;
        empty.CoutTotal = 1150;
        db.UpdateArmy(nordmen);
        db.UpdateArmy(empty);

        CItemList<CUnitType> types;
        db.LoadUnitTypes(types);
        CArmyUnit lord(*TypeNamed(types, "Dwarf lord")), gunners(*TypeNamed(types, "Gunners"));
        lord.Hierarchie = 1;
        lord.IdVisual = 0;
        lord.CoutTotal = 70;
        QCOMPARE(db.InsertUnit(nordmen.IdArmee, lord), true);
        gunners.Hierarchie = 6;
        gunners.IdVisual = 1;
        gunners.IdLeader = lord.IdUnite;
        gunners.NombreFig = 2;
        gunners.Musicien = 1;
        gunners.CoutTotal = 36;
        QCOMPARE(db.InsertUnit(nordmen.IdArmee, gunners), true);

        // The third battle: the report must show its own key.
        const Ids armies{nordmen.IdArmee, empty.IdArmee};
        AddBattle(QStringLiteral("first"), QString(), armies);
        AddBattle(QStringLiteral("second"), QString(), armies);
        const int battle = AddBattle(QStringLiteral("Col du nord"),
                                     QStringLiteral("Deux lignes\nde front"), armies);

        const QString rule = QStringLiteral("--------------------------------------------\n");
        const QString titles = QStringLiteral(
            "Nom\tQua\tType\tFor\tRes\tVal\tArmure\tArme\tMvt\tJp\tTer\tEcl\tNotes\n");
        const QString expected =
            rule + "Bataille:\t\tCol du nord\n" + "Bataille Id:\t\t3\n" +
            "Budget total:\t\t2200\n" + "Coût total:\t\t2130\n\n\n" + "Description\n" +
            "-----------\n" + "Deux lignes\nde front" + "\n\n" + rule + "Armée:\t\tNordmen\n" +
            rule + "Race:\t\tNain\n" + "Budget:\t\t1000\n" + "Coût:\t\t980\n\n" + titles +
            "Dwarf lord\tElite\tDiscipliné\t5\t6\t8\tTrès lourde / Bouclier\t2 "
            "mains\t7.5\t3\t\tAucun\t"
            "70 pts - 0 Pc\n" +
            "    Gunners\tMoyen\tDiscipliné\t3\t4\t4\tMoyenne / Bouclier\t1 main\t7.5\t5\t\tAucun\t"
            "36 pts - 2 fig, 1 Mus\n" +
            "\n\n" + rule + "Armée:\t\tUrk\n" + rule + "Race:\t\tOrc\n" + "Budget:\t\t1200\n" +
            "Coût:\t\t1150\n\n" + titles;

        WriteBattleReport(*ReadBattle(battle));
        QCOMPARE(QString::fromUtf8(ReadFile("Col_du_nord.txt")), expected);
        // The report command's list comes with its first battle chosen: Enter alone reports it.
        const QString path = m_dir->filePath("Col_du_nord.txt");
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        QTimer::singleShot(0, [] {
            auto* list = static_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::keyClick(list, Qt::Key_Return);
            if (list->isVisible())
                list->reject();
        });
        frame.OnBattleReport();
        QCOMPARE(m_viewer->Opened(), (QStringList{path, path}));
    }

    void failuresWriteNothingAndOpenNothing() {
        // A battle another player deleted while the list was open: said, and nothing written.
        const int gone = AddBattle(QStringLiteral("Disparue"), QString(), Ids{});
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        QTimer::singleShot(0, [gone] {
            auto* list = static_cast<QDialog*>(QApplication::activeModalWidget());
            TheDatabase().DeleteBattle(gone);
            QTest::keyClick(list, Qt::Key_Return);
            if (list->isVisible())
                list->reject();
        });
        frame.OnBattleReport();
        QCOMPARE(m_messages->Ids(), QList<int>{169});
        // A file that cannot be written (a name too long for the file system, whoever runs this):
        // a message naming it, no file, no viewer.
        const QString name = QString(300, QLatin1Char('n')) + ".txt";
        QVERIFY(!WriteExportAndView(name, QStringLiteral("t")));
        QCOMPARE(m_messages->Ids(), (QList<int>{169, 237}));
        QVERIFY(m_messages->Messages().last().text.contains(name));
        QVERIFY(m_viewer->Opened().isEmpty());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    // The desktop's opener, faked on PATH: given the path as one argument; its failure (xdg-open
    // ends with 4 where nothing shows text) or its absence is said with the path, its success
    // is not. The status line says where the file went.
    void theOpenersFailureIsSaid() {
        m_viewer.reset();
        QTemporaryDir bin;
        const QString opener = bin.filePath("xdg-open");
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$#:$1\" >> \"$0.calls\"\nexit \"$OPENER_STATUS\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString file = m_dir->filePath("a.txt");

        qputenv("OPENER_STATUS", "0");
        QVERIFY(WriteExportAndView("a.txt", "t"));
        qputenv("OPENER_STATUS", "4");
        QVERIFY(WriteExportAndView("a.txt", "t"));
        QTRY_COMPARE(m_messages->Ids(), (QList<int>{244, 244, 245}));
        QVERIFY(m_messages->Messages().first().kind == MessageBox::Kind::Status &&
                m_messages->Messages().first().text.contains(file));
        QVERIFY(m_messages->Messages().last().text.contains(file));
        QCOMPARE(ReadFile(opener + ".calls"), ("1:" + file + "\n1:" + file + "\n").toUtf8());
        QVERIFY(script.remove());
        QVERIFY(WriteExportAndView("a.txt", "t"));
        QTRY_COMPARE(m_messages->Ids(), (QList<int>{244, 244, 245, 244, 245}));
    }

    void aBattleNameAlreadyTakenIsRefusedAfterTheDialog() {
        CArmyDatabase& db = TheDatabase();
        const int first = AddArmy(QStringLiteral("A"), 11);
        const int second = AddArmy(QStringLiteral("B"));
        QVERIFY(AddBattle(QStringLiteral("Pont"), QStringLiteral("old"), Ids{first, second}) > 0);

        const auto catalogue = LoadedCatalogue();

        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        auto enterBattle = [&](const QString& name) {
            QTimer::singleShot(0, [&, name] {
                auto* dialog = qobject_cast<CBattleDlg*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->NameEdit()->setText(name);
                dialog->AddArmy(second);
                dialog->AddArmy(first);
                dialog->accept();
            });
            frame.OnAddBattle();
        };
        enterBattle(QStringLiteral("Pont"));
        QCOMPARE(m_messages->Ids(), QList<int>{168});
        CBattle kept;
        QCOMPARE(db.FindBattleByName(QStringLiteral("Pont"), &kept), 1);
        QCOMPARE(kept.Description, QStringLiteral("old"));
        enterBattle(QStringLiteral("Gué"));
        QCOMPARE(db.FindBattleByName(QStringLiteral("Gué"), nullptr), 1);
        QCOMPARE(CountRows("BattleCompo"), 4);
    }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
