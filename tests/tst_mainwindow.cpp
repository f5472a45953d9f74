// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CMainFrame.h"
#include "army/ValueNames.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "core/CommandIds.h"
#include "core/FileViewer.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "editor/CArmyParamsDlg.h"
#include "editor/CArmyStatsList.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "editor/CArmyViewerDlg.h"
#include "editor/CProblemsPanel.h"
#include "model/CArmy.h"
#include "widgets/CDragTreeWidget.h"
#include "widgets/CUnitStatsList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolTip>
#include <QtTest>

// The real main window on a small catalogue: menus, bars, the catalogue tree, its viewer and its
// dialogs.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CCatalogue> m_catalogue;
    std::unique_ptr<CMainFrame> m_frame;
    QTemporaryDir m_dir;
    QString m_previousDir;

    const CUnitType* Type(const QString& name) const {
        return TypeNamed(m_catalogue->UnitTypes(), name);
    }
    void Press(QKeyCombination key) {
        QApplication::setActiveWindow(m_frame.get());
        QTest::keyClick(m_frame.get(), key.key(), key.keyboardModifiers());
    }
    // The commands of a menu, 0 for a separator.
    static QList<int> Ids(const QList<QAction*>& actions) {
        QList<int> found;
        for (const QAction* action : actions)
            found << (action->isSeparator() ? 0 : action->data().toInt());
        return found;
    }
    // The catalogue tree as a line per race, marked when open, with its types.
    QStringList Catalogue() const {
        const QTreeWidget* tree = m_frame->CatalogueBar()->Tree();
        QStringList lines;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* race = tree->topLevelItem(i);
            QString line = race->text(0) + (race->isExpanded() ? "+:" : ":");
            for (int j = 0; j < race->childCount(); ++j)
                line += u' ' + race->child(j)->text(0);
            lines << line;
        }
        return lines;
    }
    static QStringList ViewerColumn(const CUnitStatsList& list, int column) {
        QStringList texts;
        for (int row = 0; row < list.RowCount(); ++row)
            texts << list.Row(row)->text(column);
        return texts;
    }

private slots:
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        // Exports go to the current folder.
        m_previousDir = QDir::currentPath();
        QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }
    void init() {
        m_catalogue = LoadedCatalogue();
        m_frame = std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), *m_catalogue);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup() {
        m_frame.reset();
        if (TheArmy().IsOpen())
            TheArmy().Close();
    }

    void commandStatesAndTheViewMenu() {
        // Close, export, delete and properties of a member: what works on an army needs one open,
        // what works on a member one selected.
        const auto states = [this] {
            QString enabled;
            for (int id : {ID_ARMY_CLOSE, ID_ARMY_EXPORT, ID_MEMBER_DELETE, ID_MEMBER_PROPERTIES})
                enabled += m_frame->Action(id)->isEnabled() ? u'1' : u'0';
            return enabled;
        };
        QCOMPARE(states(), QStringLiteral("0000"));
        m_frame->CreateArmy(13, QStringLiteral("Enabled"), 100);
        QCOMPARE(states(), QStringLiteral("1100"));
        TheArmy().AddWarchief(*Type("T3 Orc warlord")); // and selects him
        QCOMPARE(states(), QStringLiteral("1111"));
        m_frame->ArmyView()->Tree()->clearSelection();
        QCOMPARE(states(), QStringLiteral("1100"));
        m_frame->OnCloseArmy();
        QCOMPARE(states(), QStringLiteral("0000"));

        m_frame->Action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(!m_frame->statusBar()->isVisible());
    }

    // A session by the desktop's keys and the commands: Ctrl+N for a new army; members added
    // through the catalogue's pop-up menus; Enter and F2 for a member's properties, Shift+F10 for
    // its menu at its item; a delete that asks; Ctrl+W to close.
    void aSessionByKeysAndCommands() {
        // A tool without its picture would be a blank button.
        for (QAction* tool : m_frame->ToolBar()->actions())
            QVERIFY(tool->isSeparator() || !tool->icon().isNull());
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CArmyParamsDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->NameEdit()->setText(QStringLiteral("Zèle au clavier"));
            dialog->BudgetEdit()->setText(QStringLiteral("300"));
            dialog->RaceList()->setCurrentIndex(dialog->RaceList()->findText(GetRaceName(13)));
            dialog->accept();
        });
        Press(Qt::CTRL | Qt::Key_N);
        QCOMPARE(TheArmy().GetName(), QStringLiteral("Zèle au clavier"));

        // The catalogue's pop-up menus offer what fits the type chosen, once an army is open.
        CCatalogueBar* bar = m_frame->CatalogueBar();
        const auto menuOf = [bar](const QString& name) {
            bar->Tree()->setCurrentItem(
                bar->Tree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).first());
            return Ids(std::unique_ptr<QMenu>(bar->CreateContextMenu())->actions());
        };
        const auto trigger = [this](int id) {
            QVERIFY(m_frame->Action(id)->isEnabled());
            m_frame->Action(id)->trigger();
        };
        QCOMPARE(menuOf("T3 Orc warlord"),
                 (QList<int>{ID_ADD_WARCHIEF, ID_ADD_GROUPLEADER, 0, ID_UNITTYPE_PROPERTIES}));
        // A type's statistics are read when it is first added: a read that fails is told and
        // adds nothing, the next adds the member with his type's values.
        {
            MessageRecorder failed;
            TheDatabase().SetStatementHook(
                [](const QString& sql) { return !sql.startsWith(QLatin1String("SELECT * FROM")); });
            trigger(ID_ADD_WARCHIEF);
            TheDatabase().SetStatementHook({});
            QCOMPARE(failed.Messages().size(), 1);
            QVERIFY(TheArmy().Units().IsEmpty());
        }
        trigger(ID_ADD_WARCHIEF);
        const CArmyUnit& chief = *TheArmy().Units().GetHead();
        QCOMPARE((QList<int>{chief.Force, chief.Valeur, chief.IdArmure, chief.JetSauvegarde,
                             chief.CoutTotal}),
                 (QList<int>{5, 8, 3, 4, 60}));
        trigger(ID_ADD_GROUPLEADER);
        QCOMPARE(menuOf("T5 Warriors"), (QList<int>{ID_ADD_UNIT, 0, ID_UNITTYPE_PROPERTIES}));
        trigger(ID_ADD_UNIT); // under the group leader, selected when it came
        QCOMPARE(TheArmy().Units().GetCount(), 3);
        QCOMPARE(TheArmy().Units().GetTail()->NomUnitType, QStringLiteral("T5 Warriors"));
        CArmyView* view = m_frame->ArmyView();
        int opened = 0;
        view->List()->SelectRow(1); // the group leader's, as in the tree
        for (QWidget* where :
             {static_cast<QWidget*>(view->Tree()), static_cast<QWidget*>(view->List())}) {
            for (Qt::Key key : {Qt::Key_F2, Qt::Key_Return}) {
                QTimer::singleShot(0, [&opened] {
                    if (QWidget* dialog = QApplication::activeModalWidget()) {
                        ++opened;
                        dialog->close();
                    }
                });
                QTest::keyClick(where, key);
            }
        }
        QCOMPARE(opened, 4);
        // The member's pop-up menu, and the army's on empty space.
        QCOMPARE(Ids(std::unique_ptr<QMenu>(view->CreateContextMenu(true))->actions()),
                 (QList<int>{ID_MEMBER_PROPERTIES, ID_ARMY_PROPERTIES, ID_MEMBER_DELETE}));
        QCOMPARE(Ids(std::unique_ptr<QMenu>(view->CreateContextMenu(false))->actions()),
                 QList<int>{ID_ARMY_PROPERTIES});
        QPoint shownAt;
        QTimer::singleShot(0, [&shownAt] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                shownAt = menu->pos();
                menu->close();
            }
        });
        QTest::keyClick(view->Tree(), Qt::Key_F10, Qt::ShiftModifier);
        const QRect item = view->Tree()->visualRect(view->Tree()->currentIndex());
        QVERIFY2(QRect(view->Tree()->viewport()->mapToGlobal(item.topLeft()), item.size())
                     .adjusted(-2, -2, 2, 2)
                     .contains(shownAt),
                 "the menu opens at the selected item");

        // The group leader goes with its unit once the question is answered; then the army closes.
        MessageRecorder messages;
        trigger(ID_MEMBER_DELETE);
        QCOMPARE(messages.Ids(), QList<int>{kDeleteGroupLeaderQuestionId});
        QCOMPARE(TheArmy().Units().GetCount(), 1);
        Press(Qt::CTRL | Qt::Key_W);
        QVERIFY(!TheArmy().IsOpen() && !m_frame->Action(ID_ARMY_CLOSE)->isEnabled());
    }

    // Nothing needs the mouse: every command is in a menu of the menu bar, in a pop-up menu the
    // keys open or on a key of its own, and Enter on a problem's line selects its member.
    void everyCommandByKeys() {
        QSet<const QAction*> reached;
        const std::function<void(const QList<QAction*>&)> take = [&](const QList<QAction*>& in) {
            for (const QAction* action : in) {
                reached << action;
                if (action->menu())
                    take(action->menu()->actions());
            }
        };
        take(m_frame->menuBar()->actions());
        m_frame->CreateArmy(13, QStringLiteral("Au clavier"), 500);
        TheArmy().AddWarchief(*Type("T3 Orc warlord"));
        TheArmy().AddGroupLeader(*Type("T3 Orc warlord")); // who commands no unit: a problem
        CCatalogueBar* bar = m_frame->CatalogueBar();
        for (const char* type : {"T3 Orc warlord", "T5 Warriors"}) {
            bar->Tree()->setCurrentItem(
                bar->Tree()->findItems(type, Qt::MatchExactly | Qt::MatchRecursive).first());
            take(std::unique_ptr<QMenu>(bar->CreateContextMenu())->actions());
        }
        take(std::unique_ptr<QMenu>(m_frame->ArmyView()->CreateContextMenu(true))->actions());
        for (const QAction* command : m_frame->findChildren<QAction*>()) {
            if (command->data().toInt() != 0)
                QVERIFY2(reached.contains(command) || !command->shortcut().isEmpty(),
                         qPrintable(command->text()));
        }

        QListWidget* lines = m_frame->ProblemsPanel()->List();
        m_frame->ArmyView()->Tree()->clearSelection();
        lines->setCurrentRow(0);
        QTest::keyClick(lines, Qt::Key_Return);
        QCOMPARE(m_frame->ArmyView()->GetSelectedUnit(), TheArmy().Units().GetTail());
    }

    void catalogueTreeShowsTheChosenRacesWithTypesInKindOrder() {
        CCatalogueBar* bar = m_frame->CatalogueBar();
        CDragTreeWidget* tree = bar->Tree();
        // Races by English name, the Trolls without unit types left out; leaders, then the other
        // kinds in catalogue order, then individuals; no mount, no type of unknown kind, no
        // attached type.
        QCOMPARE(Catalogue(), (QStringList{"Dwarf: Dwarf lord Iron cannon",
                                           "Orc: T3 Orc warlord T1 Wolf riders T5 Warriors T6 Rock "
                                           "lobber T2 One-eyed brute"}));
        // A name cut off by the narrow bar shows whole, in both languages, on hovering.
        QTreeWidgetItem* orc = tree->topLevelItem(1);
        tree->expandItem(orc);
        const QPoint onWarlord = tree->visualItemRect(orc->child(0)).center();
        QHelpEvent hover(QEvent::ToolTip, onWarlord, tree->viewport()->mapToGlobal(onWarlord));
        QApplication::sendEvent(tree->viewport(), &hover);
        QVERIFY(QToolTip::text().contains(QStringLiteral("Chef d'orcs")));

        // A right-click selects what is under the mouse, and nothing on empty space. A race node is
        // no type and has no menu; without an army a type's menu only shows its properties.
        const auto rightClick = [tree](const QPoint& at) {
            QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
        };
        rightClick(tree->visualItemRect(orc).center());
        QVERIFY(!bar->GetSelectedUnitType() && !bar->CreateContextMenu());
        rightClick(onWarlord);
        QCOMPARE(bar->GetSelectedUnitType(), Type("T3 Orc warlord"));
        QCOMPARE(Ids(std::unique_ptr<QMenu>(bar->CreateContextMenu())->actions()),
                 QList<int>{ID_UNITTYPE_PROPERTIES});
        rightClick(QPoint(5, tree->viewport()->height() - 2));
        QVERIFY(tree->selectedItems().isEmpty());

        // The races shown are those ticked in the races dialog.
        const auto choose = [bar](const std::function<void(CVisibleRacesDlg&)>& pick, bool ok) {
            CVisibleRacesDlg dialog;
            dialog.SetRaces(&bar->Catalogue().Races());
            pick(dialog);
            ok ? dialog.accept() : dialog.reject();
            bar->RebuildTree();
        };
        const auto untickOrcs = [](CVisibleRacesDlg& dialog) {
            dialog.RaceList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        };
        // A race unticked by hand is hidden on OK only.
        choose(untickOrcs, false);
        QCOMPARE(tree->topLevelItemCount(), 2);
        choose(untickOrcs, true);
        QCOMPARE(Catalogue(), QStringList{"Dwarf: Dwarf lord Iron cannon"});
        // "Toute" then OK shows even the race without unit types, as a node without children.
        choose(&CVisibleRacesDlg::OnAll, true);
        QCOMPARE(Catalogue().last(), QStringLiteral("Troll:"));
        // "Aucune" takes effect even when the dialog is then cancelled.
        choose(&CVisibleRacesDlg::OnNone, false);
        QCOMPARE(tree->topLevelItemCount(), 0);
    }

    // Maximised; and unmaximised, or where nothing maximises it, the catalogue, the tree and
    // the list at once: three quarters of the screen, centred.
    void opensLargeEnoughForItsThreePanes() {
        const auto catalogue = LoadedCatalogue();
        CMainFrame frame(TheDatabase(), TheArmy(), *catalogue);
        frame.ShowAtStart();
        const QRect available = frame.screen()->availableGeometry();
        QVERIFY(frame.isMaximized());
        const QRect normal = frame.normalGeometry();
        QCOMPARE(normal.size(), available.size() * 3 / 4);
        QVERIFY((normal.center() - available.center()).manhattanLength() <= 2);
    }

    // The search above the catalogue: either language, case and accents aside, every race; the
    // tree comes back as it was.
    void theCatalogueFindsTypesByEitherName() {
        CCatalogueBar* bar = m_frame->CatalogueBar();
        QTreeWidget* tree = bar->Tree();
        // The player shows only the dwarves, opened.
        for (CRace* race : bar->Catalogue().Races())
            race->m_bShown = race->RaceGB == QLatin1String("Dwarf");
        bar->RebuildTree();
        tree->topLevelItem(0)->setExpanded(true);
        const QStringList before = Catalogue();
        QCOMPARE(before, QStringList{"Dwarf+: Dwarf lord Iron cannon"});

        Press(Qt::CTRL | Qt::Key_F);
        QVERIFY(bar->Filter()->hasFocus());
        QTest::keyClicks(bar->Filter(), QStringLiteral("GEANT"));
        QCOMPARE(Catalogue(), QStringList{"Orc+: T2 One-eyed brute"}); // "Géant borgne"
        const auto search = [&](const QString& text) {
            bar->Filter()->setText(text);
            return Catalogue();
        };
        QCOMPARE(search("loup"), QStringList{"Orc+: T1 Wolf riders"}); // not the mount
        QCOMPARE(search(" lord"), (QStringList{"Dwarf+: Dwarf lord", "Orc+: T3 Orc warlord"}));
        QCOMPARE(search("cHeF d'"), QStringList{"Orc+: T3 Orc warlord"}); // "Chef d'orcs"
        QVERIFY(search("zzz").isEmpty());
        for (const auto& [written, typed] :
             {std::pair{"Sœurs de l'Épine", "SOEURS DE L'EPINE"}, std::pair{"Cæsar", "caesar"},
              std::pair{"Großer Bär", "grosser bar"}, std::pair{"Ｆﬁef", "ffief"}})
            QCOMPARE(CCatalogueBar::SearchKey(QString::fromUtf8(written)),
                     CCatalogueBar::SearchKey(QString::fromUtf8(typed)));
        QTest::keyClick(bar->Filter(), Qt::Key_Escape);
        QVERIFY(bar->Filter()->text().isEmpty() && Catalogue() == before);
    }

    void propertiesDialogShowsTypeBesideItsAttachedTypes() {
        CUnitTypePropertiesDlg dialog(TheDatabase());
        dialog.SetUnitType(const_cast<CUnitType*>(Type("Iron cannon")));
        const QTableWidget* table = dialog.PropertyList();
        const auto column = [table](int c) {
            QStringList texts{table->horizontalHeaderItem(c)->text()};
            for (int r = 0; r < table->rowCount(); ++r)
                texts << table->item(r, c)->text();
            return texts;
        };
        // The machine beside its crew and its draught mule, in load order. The machine's quality
        // is its crew's, and it has no movement or price of its own; the mule has only its
        // fighting statistics and gear.
        QCOMPARE(column(1),
                 (QStringList{"Iron cannon", "Nain", "As crew", "As crew", "", "8", "", "Aucune",
                              "Non", "Canon", "", "", "Non", "", "", "", "", ""}));
        QCOMPARE(column(2).first(), QStringLiteral("Gunners"));
        QCOMPARE(column(3),
                 (QStringList{"Draught mule", "Nain", "''", "''", "2", "3", "1", "Aucune", "''",
                              "Cornes et sabots", "''", "''", "''", "''", "''", "''", "''", "''"}));
        // The weapon icon whatever the kind; armour and shield icons only where they are worn.
        const auto hasIcon = [table](int r, int c) { return !table->item(r, c)->icon().isNull(); };
        QVERIFY(hasIcon(8, 1) && !hasIcon(6, 1) && !hasIcon(6, 3));
        QVERIFY(hasIcon(6, 2) && hasIcon(7, 2));
        QCOMPARE(dialog.RaceBitmapId(), 157);
    }

    // Undo and redo by their keys, their texts naming the operation; the problems panel hidden
    // until a problem comes, a line leading to its member.
    void undoKeysAndTheProblemsPanel() {
        CProblemsPanel* panel = m_frame->ProblemsPanel();
        QAction* undo = m_frame->Action(ID_EDIT_UNDO);
        QVERIFY(!panel->isVisible() && !undo->isEnabled() &&
                !m_frame->Action(ID_EDIT_REDO)->isEnabled());
        m_frame->CreateArmy(13, QStringLiteral("Annulée"), 500);
        CArmy& army = TheArmy();
        army.AddWarchief(*Type("T3 Orc warlord"));
        army.AddGroupLeader(*Type("Dwarf lord"));
        army.RenameMember(army.Units().GetTail(), QStringLiteral("Nain & fils"));
        QCOMPARE(Plain(undo->text()), QStringLiteral("Annuler : renommer Dwarf lord"));
        Press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(army.Units().GetTail()->Nom, QStringLiteral("Dwarf lord"));
        Press(Qt::CTRL | Qt::Key_Y);
        Press(Qt::CTRL | Qt::Key_Z);
        Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(army.Units().GetTail()->Nom, QStringLiteral("Nain & fils"));

        // The dwarf and his empty command showed the panel; a line selects him.
        QListWidget* lines = panel->List();
        QVERIFY(panel->isVisible() && lines->count() == 2);
        m_frame->ArmyView()->Tree()->clearSelection();
        const QPoint at(20, lines->visualItemRect(lines->item(0)).center().y());
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(lines->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_frame->ArmyView()->GetSelectedUnit(), army.Units().GetTail());
        // Hidden by the player, it stays hidden until a new problem comes.
        m_frame->Action(ID_VIEW_PROBLEMS)->trigger();
        army.RenameMember(army.GetWarchief(), QStringLiteral("Urk"));
        QVERIFY(!panel->isVisible());
        army.SetProperties(army.GetName(), 50);
        QVERIFY(panel->isVisible());
        m_frame->OnCloseArmy();
        QVERIFY(!undo->isEnabled() && lines->count() == 0);
    }

    // The catalogue viewer: races head their types when all are shown; double-click and OK.
    void viewerHeadsRacesOnlyWithAll() {
        CArmyViewerDlg dialog(*m_catalogue, TheDatabase());
        CUnitStatsList& list = *dialog.List();
        // The mule, the boar and the spirit are attached types; the trolls have none.
        const QStringList all =
            QStringLiteral(
                "|Iron cannon|Gunners|Draught mule|Dwarf lord|War boar||T1 Wolf riders|T2 One-eyed "
                "brute|T3 Orc warlord|T4 Wolf|T5 Warriors|T6 Rock lobber|Kindless spirit")
                .split(u'|');
        QCOMPARE(ViewerColumn(list, 1), all);
        // A race heads its types in the selection colours and holds no record.
        const QTreeWidgetItem* orc = list.Row(6);
        QVERIFY(orc->text(0) == "Orc" &&
                CUnitStatsList::ItemKind(orc) == CUnitStatsList::kNoRecord);
        QCOMPARE(orc->background(0), list.palette().brush(QPalette::Highlight));
        QVERIFY(list.Row(7)->background(0) != orc->background(0));

        // Double-click opens a type's properties, and nothing on a race; OK on a race chooses none.
        for (int row : {0, 1}) {
            QString opened;
            QTimer::singleShot(0, &dialog, [&opened] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    opened = QString::fromLatin1(modal->metaObject()->className());
                    static_cast<QDialog*>(modal)->reject();
                }
            });
            dialog.OnDoubleClick(list.Row(row));
            QCoreApplication::processEvents();
            QCOMPARE(opened, row == 0 ? QString() : QStringLiteral("CUnitTypePropertiesDlg"));
        }
        for (const auto& [row, chosen] : {std::pair{0, -1}, {4, 23}}) {
            list.setCurrentItem(list.Row(row));
            dialog.accept();
            QCOMPARE(dialog.Result().ArmyTypeId, chosen);
        }
        dialog.RaceFilter()->setCurrentIndex(2); // all, then each race
        QCOMPARE(ViewerColumn(list, 1), all.mid(7));
        dialog.RaceFilter()->setCurrentIndex(3);
        QCOMPARE(list.RowCount(), 0);
    }

    // The viewer's export writes the list as shown, with '|' for each tab below.
    void viewerExportWritesTheListAsShown() {
        const auto tabs = [](QByteArray text) { return text.replace('|', '\t'); };
        const QByteArray dwarves = tabs(
            "Nain|Iron cannon|As crew|As crew||8|||Aucune|Canon|||||||||\n"
            "Nain|Gunners|Moyen|Discipliné|3|4|4||Moyenne / Bouclier|1 main|7.5|5||Aucun|8|2|2|4|\n"
            "Nain|Draught mule|''|''|2|3|1||Aucune|Cornes et sabots|''|''||''|''|''|''|''|\n"
            "Nain|Dwarf lord|Elite|Discipliné|5|6|8||Très lourde / Bouclier|2 "
            "mains|7.5|3||Aucun|70||1|1|\n"
            "Nain|War boar|''|''|3|4|2||Aucune|Cornes et sabots|''|''||''|''|''|''|''|\n");
        // With all races shown, each race's rows come under a rule, the race, a rule and the
        // titles.
        const auto section = [&tabs](const QByteArray& race, const QByteArray& rows) {
            const QByteArray rule = "-------------------------------------\n";
            return tabs("\n\n" + rule + race + "||||||||||||||||||\n" + rule +
                        "Race|Nom|Qua|Type|For|Res|Val|Bouclier|Armure|Arme|Mvt|Jp|Ter|Ecl|Pts|Upg|"
                        "Min|Max|\n") +
                   rows;
        };
        FileViewerRecorder viewer;
        CArmyViewerDlg dialog(*m_catalogue, TheDatabase());
        const QString path = m_dir.filePath(QStringLiteral("SkarnholtArmyList.txt"));
        dialog.OnExport();
        const QByteArray all = ReadFile(path);
        QVERIFY(all.startsWith(section("Nain", dwarves) + section("Orc", "")));
        QCOMPARE(all.count('\n'), 2 * 6 + 5 + 7); // two headed sections, five and seven rows
        // One race alone has neither rule nor titles; the file is replaced whole.
        dialog.RaceFilter()->setCurrentIndex(1);
        dialog.OnExport();
        QCOMPARE(ReadFile(path), dwarves);
        QCOMPARE(viewer.Opened(), QStringList({path, path}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
