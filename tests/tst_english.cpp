#include "TestDataSource.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CSkarnholtDBApp.h"
#include "army/CellFormats.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "core/CommandIds.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "editor/CArmyView.h"
#include "widgets/CUnitStatsList.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The language module: French without it, English with it, for every text of the program.
class TestEnglish : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheModuleIsTranslated();
    void frenchWithoutTheModuleEnglishWithIt();
};

void TestEnglish::everyTextOfTheModuleIsTranslated() {
    QFile ts(QStringLiteral(SKARNHOLT_SOURCE_DIR "/i18n/SkarnholtDB_GB.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(ts.readAll());
    QVERIFY(source.count(QStringLiteral("<message")) > 100);
    QVERIFY2(!source.contains(QStringLiteral("type=\"unfinished\"")),
             "a text of the English module has no translation");
    QVERIFY(!source.contains(QStringLiteral("type=\"vanished\"")));

    // Every text of the string table, new ones included, is in the module.
    QTranslator module;
    QVERIFY(module.load(QStringLiteral(SKARNHOLT_BINARY_DIR "/translations/SkarnholtDB_GB.qm")));
    for (int id : StringTableIds())
        QVERIFY2(!TranslatedResString(module, id).isEmpty(), qPrintable(QString::number(id)));
}

void TestEnglish::frenchWithoutTheModuleEnglishWithIt() {
    TestDataSource data(QString::fromLatin1(TestDataSource::kSmallCatalogue));
    QVERIFY2(data.IsValid(), qPrintable(data.ErrorText()));
    int argc = 1;
    char name[] = "skarnholtdb";
    char* argv[] = {name, nullptr};
    CSkarnholtDBApp app(argc, argv);
    // Start-up finds the module beside the program (this test stands with one).
    QVERIFY(app.InitInstance());
    QVERIFY(app.IsEnglish());
    QCOMPARE(app.m_pMainFrame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    app.ExitInstance();
    QCOMPARE(CArmyDatabase::Instance().OpenDatabase(), 1);

    QTemporaryDir empty;
    QVERIFY(!app.LoadLanguageModule(empty.path()));
    QVERIFY(!app.IsEnglish());
    QCOMPARE(LoadResString(144), QStringLiteral("Nom"));
    {
        CMainFrame frame;
        QCOMPARE(frame.menuBar()->actions().first()->text(), QStringLiteral("&Fichier"));
    }

    QVERIFY(app.LoadLanguageModule(QStringLiteral(SKARNHOLT_BINARY_DIR "/translations")));
    QVERIFY(app.IsEnglish());
    QCOMPARE(LoadResString(163),
             QStringLiteral("Cannot open the data source: Skarnholt, see ODBC."));
    QCOMPARE(LoadResString(203), QStringLiteral("Veteran"));
    // The same French word under two ids, each translated.
    QCOMPARE(LoadResString(177), QStringLiteral("Shield"));
    QCOMPARE(LoadResString(232), QStringLiteral("Shield"));
    for (int id = 128; id <= 234; ++id) {
        if (!BuiltInResString(id).isEmpty())
            QVERIFY2(!LoadResString(id).isEmpty(), qPrintable(QString::number(id)));
    }

    CMainFrame frame;
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "A&rmy", "&Battles", "&View", "&Help"}));
    QCOMPARE(frame.Action(ID_VIEW_ARMYBAR)->text(), QStringLiteral("Army bar"));
    QCOMPARE(frame.Action(ID_CHOOSE_RACES)->toolTip(), QStringLiteral("Select the races shown"));
    QCOMPARE(frame.ArmyView()->List()->headerItem()->toolTip(1 + kSaveColumn),
             QStringLiteral("Save roll"));
    QCOMPARE(frame.Action(ID_APP_EXIT)->text(), QStringLiteral("E&xit"));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text(),
             QStringLiteral("Ready"));

    CUnitTypePropertiesDlg properties;
    properties.SetUnitType(frame.CatalogueBar()->UnitTypes().GetHead());
    QCOMPARE(properties.windowTitle(), QStringLiteral("Unit type properties"));
    QCOMPARE(properties.PropertyList()->horizontalHeaderItem(0)->text(),
             QStringLiteral("Properties"));
    QCOMPARE(properties.PropertyList()->item(1, 0)->text(), QStringLiteral("Qual"));

    CVisibleRacesDlg races;
    QCOMPARE(races.windowTitle(), QStringLiteral("Visible races"));
    QStringList buttons;
    for (QPushButton* button : races.findChildren<QPushButton*>())
        buttons << button->text();
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"All", "Cancel", "None", "OK"}));

    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Skarnholt Maker"));
    CArmyDatabase::Instance().CloseDatabase();
}

QTEST_APPLESS_MAIN(TestEnglish)
#include "tst_english.moc"
