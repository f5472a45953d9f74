// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CSkarnholtDBApp.h"
#include "battle/CBattleDlg.h"
#include "battle/CBattleListDlg.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"
#include "editor/CArmyListDlg.h"
#include "editor/CArmyParamsDlg.h"
#include "editor/CArmyViewerDlg.h"
#include "editor/CCombatUnitDlg.h"
#include "editor/CLeaderDlg.h"
#include "editor/CRenameUnitDlg.h"
#include "model/CArmy.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Every text a widget and its children show or say: titles, labels, buttons, actions, headers,
// tips, and the names and descriptions a screen reader reads.
QStringList ShownTexts(const QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (const QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        else if (auto* dock = qobject_cast<const QDockWidget*>(widget))
            texts << dock->windowTitle();
        else if (auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* tree = qobject_cast<const QTreeWidget*>(widget))
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << tree->headerItem()->text(c) << tree->headerItem()->toolTip(c);
        else if (auto* table = qobject_cast<const QTableWidget*>(widget))
            for (int r = 0; r < table->rowCount(); ++r)
                texts << (table->item(r, 0) ? table->item(r, 0)->text() : QString());
    }
    for (QString& text : texts)
        text.remove(QLatin1Char('&'));
    return texts;
}

} // namespace

// The string table and the English module: French without it, English with it, on every screen.
class TestEnglish : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheModuleIsTranslated() {
        QFile ts(QStringLiteral(SKARNHOLT_SOURCE_DIR "/i18n/SkarnholtDB_GB.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(ts.readAll());
        QVERIFY2(!source.contains(QStringLiteral("type=\"unfinished\"")),
                 "a text of the English module has no translation");
        QVERIFY(!source.contains(QStringLiteral("type=\"vanished\"")));
        QTranslator module;
        QVERIFY(
            module.load(QStringLiteral(SKARNHOLT_BINARY_DIR "/translations/SkarnholtDB_GB.qm")));
        QVERIFY(StringTableIds().size() > 150);
        for (int id : StringTableIds())
            QVERIFY2(!TranslatedResString(module, id).isEmpty(), qPrintable(QString::number(id)));
        // A gap or an id outside the table gives nothing rather than a neighbour's text.
        QVERIFY(LoadResString(148).isEmpty() && LoadResString(-1).isEmpty() &&
                LoadResString(100000).isEmpty());
    }

    void frenchWithoutTheModuleEnglishWithIt() {
        TestDataSource data(QString::fromLatin1(TestDataSource::kSmallCatalogue));
        QVERIFY2(data.IsValid(), qPrintable(data.ErrorText()));
        int argc = 1;
        char name[] = "skarnholtdb";
        char* argv[] = {name, nullptr};
        CSkarnholtDBApp app(argc, argv, TheDatabase(), TheArmy());
        // Start-up finds the module beside the program (this test stands with one).
        QVERIFY(app.InitInstance() && app.IsEnglish());
        QCOMPARE(app.m_pMainFrame->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        app.ExitInstance();
        QCOMPARE(TheDatabase().OpenDatabase(), true);

        QTemporaryDir empty;
        QVERIFY(!app.LoadLanguageModule(empty.path()) && !app.IsEnglish());
        const QHash<int, QString> french = [] {
            QHash<int, QString> texts;
            for (int id : StringTableIds())
                texts.insert(id, LoadResString(id).remove(QLatin1Char('&')));
            return texts;
        }();
        // The main window with an army, and every dialog, in the language loaded.
        const auto catalogue = LoadedCatalogue();
        const auto screens = [&catalogue] {
            auto* frame = new CMainFrame(TheDatabase(), TheArmy(), *catalogue);
            frame->CreateArmy(13, QStringLiteral("Horde"), 100);
            // The tree's first type, a leader.
            CUnitType* first = nullptr;
            for (const CRaceGroup* group : catalogue->Groups())
                first = first || group->m_unitTypes.isEmpty() ? first : group->m_unitTypes.first();
            catalogue->Complete(*first);
            TheArmy().AddWarchief(*first);
            static CArmyUnit unit;
            unit = CArmyUnit(*first);
            std::vector<std::unique_ptr<QWidget>> all;
            all.emplace_back(frame);
            auto* properties = new CUnitTypePropertiesDlg(TheDatabase());
            properties->SetUnitType(first);
            all.emplace_back(properties);
            all.emplace_back(new CVisibleRacesDlg);
            all.emplace_back(new CAboutDlg);
            all.emplace_back(new CArmyParamsDlg(TheDatabase()));
            all.emplace_back(new CArmyListDlg(TheDatabase(), -1));
            all.emplace_back(new CArmyViewerDlg(*catalogue, TheDatabase()));
            all.emplace_back(new CBattleDlg(TheDatabase()));
            all.emplace_back(new CBattleListDlg(TheDatabase()));
            all.emplace_back(new CRenameUnitDlg);
            all.emplace_back(new CLeaderDlg(&unit));
            all.emplace_back(new CCombatUnitDlg({&unit}));
            for (const auto& screen : all)
                screen->show();
            return all;
        };
        const auto findOn = [](const std::vector<std::unique_ptr<QWidget>>& shown,
                               const std::function<bool(const QString&)>& wrong) {
            QStringList found;
            for (const auto& screen : shown) {
                for (const QString& text : ShownTexts(screen.get()))
                    if (wrong(text))
                        found << screen->metaObject()->className() + QStringLiteral(": ") + text;
            }
            return found;
        };
        // The French screens and messages spell their words as French readers do.
        {
            static const QRegularExpression misspelt(QStringLiteral(
                "Fermée l'armée|battaille|Barre des armée(?!s)|Voulez vous|continuez \\?|"
                "choisissez en une|\\bEtendard|(^|[^\\w])A propos|Skarnholt Maker"));
            const auto shown = screens();
            QVERIFY(
                !findOn(shown, [](const QString& text) { return text == "Fichier"; }).isEmpty());
            QStringList found =
                findOn(shown, [](const QString& text) { return text.contains(misspelt); });
            for (const QString& text : french)
                if (text.contains(misspelt))
                    found << text;
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
            TheArmy().Close();
        }

        QVERIFY(app.LoadLanguageModule(QStringLiteral(SKARNHOLT_BINARY_DIR "/translations")));
        QVERIFY(app.IsEnglish());
        // The same French word under two ids, each translated in its place.
        QCOMPARE(LoadResString(177) + LoadResString(232), QStringLiteral("ShieldShield"));
        // French texts whose English differs must show nowhere once the module is loaded.
        QSet<QString> frenchOnly;
        for (auto it = french.cbegin(); it != french.cend(); ++it) {
            if (it.value() != LoadResString(it.key()).remove(QLatin1Char('&')))
                frenchOnly.insert(it.value());
        }
        QVERIFY(frenchOnly.size() > 100);
        const auto shown = screens();
        const QStringList left =
            findOn(shown, [&frenchOnly](const QString& text) { return frenchOnly.contains(text); });
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        TheArmy().Close();
        TheDatabase().CloseDatabase();
    }
};

QTEST_APPLESS_MAIN(TestEnglish)
#include "tst_english.moc"
