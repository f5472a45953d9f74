#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "army/ValueNames.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "core/CommandIds.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "editor/CArmyParamsDlg.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "editor/CProblemsPanel.h"
#include "model/CArmy.h"
#include "widgets/CDragRecord.h"
#include "widgets/CDragTreeWidget.h"
#include "widgets/CUnitStatsList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

#include <functional>

// The real main window on a small catalogue: menus, bars, the catalogue tree and its dialogs.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void menusAndToolBarDriveTheCommands();
    void keysReachTheCommands();
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }
    void init() {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup() {
        m_frame.reset();
        if (CArmy::Instance().IsOpen())
            CArmy::Instance().Close();
    }

    void commandStatesAndTheViewMenu();
    void undoKeysAndTheProblemsPanel();
    void theCatalogueFindsTypesByEitherName();
    void treeShowsTheChosenRacesWithTypesInKindOrder();
    void propertiesDialogShowsTypeBesideItsAttachedTypes();

private:
    // The names under a race's node, or "<no node>".
    QStringList ChildTexts(const QString& race) const {
        const QList<QTreeWidgetItem*> found =
            m_frame->CatalogueBar()->Tree()->findItems(race, Qt::MatchExactly);
        QStringList texts;
        for (int i = 0; !found.isEmpty() && i < found.first()->childCount(); ++i)
            texts << found.first()->child(i)->text(0);
        return found.isEmpty() ? QStringList{QStringLiteral("<no node>")} : texts;
    }
    CUnitType* TypeNamed(const QString& name) const {
        for (CUnitType* type : m_frame->CatalogueBar()->UnitTypes()) {
            if (type->NomGB == name)
                return type;
        }
        return nullptr;
    }

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainWindow::commandStatesAndTheViewMenu() {
    // A tool without its picture would be a blank button.
    for (QAction* tool : m_frame->ToolBar()->actions())
        QVERIFY(tool->isSeparator() || !tool->icon().isNull());

    // Close, export, save, delete and properties of a member: what works on an army needs one
    // open, what works on a member one selected; nothing is left to save, as edits are stored.
    const auto states = [this] {
        QString enabled;
        for (int id :
             {ID_ARMY_CLOSE, ID_ARMY_EXPORT, ID_ARMY_SAVE, ID_MEMBER_DELETE, ID_MEMBER_PROPERTIES})
            enabled += m_frame->Action(id)->isEnabled() ? u'1' : u'0';
        return enabled;
    };
    QCOMPARE(states(), QStringLiteral("00000"));
    m_frame->CreateArmy(13, QStringLiteral("Enabled"), 100);
    QCOMPARE(states(), QStringLiteral("11000"));
    CArmy::Instance().AddWarchief(*TypeNamed("T3 Orc warlord")); // and selects him
    QCOMPARE(states(), QStringLiteral("11011"));
    m_frame->ArmyView()->Tree()->clearSelection();
    QCOMPARE(states(), QStringLiteral("11000"));
    m_frame->OnCloseArmy();
    QCOMPARE(states(), QStringLiteral("00000"));

    // Each bar item of the view menu hides and shows its bar, which starts shown.
    const QList<QAction*> items = m_frame->findChild<QMenu*>("menuView")->actions().mid(0, 3);
    const QList<QWidget*> bars{m_frame->ToolBar(), m_frame->statusBar(), m_frame->CatalogueBar()};
    for (int i = 0; i < items.size(); ++i) {
        QVERIFY(items.at(i)->isCheckable() && items.at(i)->isChecked());
        items.at(i)->trigger();
        QVERIFY(!bars.at(i)->isVisible() && !items.at(i)->isChecked());
        items.at(i)->trigger();
        QVERIFY(bars.at(i)->isVisible());
    }
    // The catalogue bar comes back where it was.
    QCOMPARE(m_frame->dockWidgetArea(m_frame->CatalogueBar()), Qt::LeftDockWidgetArea);
}

void TestMainWindow::treeShowsTheChosenRacesWithTypesInKindOrder() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    CDragTreeWidget* tree = bar->Tree();
    // Races by English name; the Trolls have no unit type and get no node.
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Dwarf"));
    // Leaders, then the other kinds in catalogue order, then individuals; no mount, no type of
    // unknown kind, no attached type.
    QCOMPARE(ChildTexts("Orc"), (QStringList{"T3 Orc warlord", "T1 Wolf riders", "T5 Warriors",
                                             "T6 Rock lobber", "T2 One-eyed brute"}));
    QCOMPARE(ChildTexts("Dwarf"), (QStringList{"Dwarf lord", "Iron cannon"}));
    QVERIFY(!TypeNamed("Kindless spirit")); // unknown kind: not in the bar at all
    // A name cut off by the narrow bar shows whole, in both languages, on hovering.
    QCOMPARE(tree->topLevelItem(1)->child(0)->toolTip(0),
             QStringLiteral("T3 Orc warlord\nFrançais : Chef d'orcs\nAnglais : T3 Orc warlord"));

    // A right-click selects what is under the mouse, and nothing on empty space. A race node is
    // no type and has no menu; without an army a type's menu only shows its properties.
    QTreeWidgetItem* orc = tree->findItems("Orc", Qt::MatchExactly).first();
    tree->expandItem(orc);
    const auto rightClick = [tree](const QPoint& at) {
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    };
    rightClick(tree->visualItemRect(orc).center());
    QVERIFY(!bar->GetSelectedUnitType() && !bar->CreateContextMenu());
    const QPoint onWarlord = tree->visualItemRect(orc->child(0)).center();
    rightClick(onWarlord);
    QCOMPARE(bar->GetSelectedUnitType(), TypeNamed("T3 Orc warlord"));
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    QVERIFY(menu && menu->actions() == QList<QAction*>{m_frame->Action(ID_UNITTYPE_PROPERTIES)});
    rightClick(QPoint(5, tree->viewport()->height() - 2));
    QVERIFY(tree->selectedItems().isEmpty());

    // Dragging a unit type does nothing while no army is open.
    CDragRecord::Instance().Reset();
    emit tree->beginDrag(onWarlord);
    QCOMPARE(CDragRecord::Instance().m_nKind, 0);

    // The races shown are those ticked in the races dialog.
    const auto choose = [bar](const std::function<void(CVisibleRacesDlg&)>& pick, bool ok) {
        CVisibleRacesDlg dialog;
        dialog.SetRaces(&bar->Races());
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
    QCOMPARE(ChildTexts("Orc"), QStringList{"<no node>"});
    QCOMPARE(tree->topLevelItemCount(), 1); // the Trolls stay unticked
    // "Toute" then OK shows even the race without unit types, as a node without children.
    choose(&CVisibleRacesDlg::OnAll, true);
    QCOMPARE(ChildTexts("Troll"), QStringList{});
    // "Aucune" takes effect even when the dialog is then cancelled.
    choose(&CVisibleRacesDlg::OnNone, false);
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TestMainWindow::propertiesDialogShowsTypeBesideItsAttachedTypes() {
    CUnitTypePropertiesDlg dialog;
    dialog.SetUnitType(TypeNamed("Iron cannon"));
    const QTableWidget* table = dialog.PropertyList();
    const auto row = [table](int r) {
        QStringList texts;
        for (int c = 1; c < table->columnCount(); ++c)
            texts << (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text();
        return texts;
    };
    // The machine beside its crew and its draught mule, in load order.
    QCOMPARE(row(-1), (QStringList{"Iron cannon", "Gunners", "Draught mule"}));
    // Each statistic of the crew in its own row.
    QStringList crew;
    for (int r = 0; r < table->rowCount(); ++r)
        crew << row(r).at(1);
    QCOMPARE(crew, (QStringList{"Nain", "Moyen", "Discipliné", "3", "4", "4", "Moyenne / Bouclier",
                                "Oui", "1 main", "7.5", "5", "Non", "Aucun", "8", "2", "2", "4"}));
    // The machine's quality is its crew's, and it has no movement or price of its own; the mule
    // has only its fighting statistics and gear.
    const QString d = QStringLiteral("''");
    QCOMPARE(row(1) + row(7), (QStringList{"As crew", "Moyen", d, "Non", "Oui", d}));
    QCOMPARE(row(9) + row(13), (QStringList{"", "7.5", d, "", "8", d}));
    // The weapon icon whatever the kind; armour and shield icons only where they are worn.
    const auto hasIcon = [table](int r, int c) { return !table->item(r, c)->icon().isNull(); };
    QVERIFY(hasIcon(8, 1) && !hasIcon(6, 1) && !hasIcon(6, 3));
    QVERIFY(hasIcon(6, 2) && hasIcon(7, 2));
    QCOMPARE(dialog.RaceBitmapId(), 157);
}

// Menus and pop-up menus by the commands they hold; a session driven by triggering them.
void TestMainWindow::menusAndToolBarDriveTheCommands() {
    const auto ids = [](const QList<QAction*>& actions) {
        QList<int> found;
        for (const QAction* action : actions)
            found << (action->isSeparator() ? 0 : action->data().toInt());
        return found;
    };
    QList<QList<int>> menus;
    for (const QAction* menu : m_frame->menuBar()->actions())
        menus << ids(menu->menu()->actions());
    QCOMPARE(menus, (QList<QList<int>>{
                        {ID_ARMY_NEW, ID_ARMY_OPEN, ID_ARMY_CLOSE, ID_ARMY_SAVE, ID_ARMY_EXPORT, 0,
                         ID_ARMY_PRINT, ID_ARMY_PDF, 0, ID_APP_EXIT},
                        {ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_EDIT_FIND},
                        {ID_CATALOGUE_VIEWER},
                        {ID_BATTLE_EDIT, ID_BATTLE_NEW, 0, ID_BATTLE_REPORT, ID_BATTLE_PRINT},
                        {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_ARMYBAR, ID_VIEW_PROBLEMS},
                        {ID_APP_ABOUT}}));
    QCOMPARE(ids(m_frame->ToolBar()->actions()),
             (QList<int>{ID_ARMY_NEW, ID_ARMY_OPEN, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0,
                         ID_CHOOSE_RACES, ID_ARMY_EXPORT, 0, ID_APP_ABOUT}));
    const auto trigger = [this](int id) {
        QAction* action = m_frame->findChild<QAction*>(CommandObjectName(id));
        QVERIFY(action && action->isEnabled());
        action->trigger();
    };

    // A new army through its dialog.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CArmyParamsDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->NameEdit()->setText(QStringLiteral("Par le menu"));
        dialog->BudgetEdit()->setText(QStringLiteral("300"));
        dialog->RaceList()->setCurrentIndex(0);
        dialog->accept();
    });
    trigger(ID_ARMY_NEW);
    QCOMPARE(CArmy::Instance().GetName(), QStringLiteral("Par le menu"));

    // The catalogue's pop-up menus offer what fits the type chosen, once an army is open.
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QTreeWidget* tree = bar->Tree();
    const auto choose = [tree](const QString& name) {
        tree->setCurrentItem(tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).first());
    };
    choose(QStringLiteral("T5 Warriors"));
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    QCOMPARE(ids(menu->actions()), (QList<int>{ID_ADD_UNIT, 0, ID_UNITTYPE_PROPERTIES}));
    choose(QStringLiteral("T3 Orc warlord"));
    menu.reset(bar->CreateContextMenu());
    QCOMPARE(ids(menu->actions()),
             (QList<int>{ID_ADD_WARCHIEF, ID_ADD_GROUPLEADER, 0, ID_UNITTYPE_PROPERTIES}));
    trigger(ID_ADD_WARCHIEF);
    trigger(ID_ADD_GROUPLEADER);
    choose(QStringLiteral("T5 Warriors"));
    trigger(ID_ADD_UNIT); // under the group leader, selected when it came
    QCOMPARE(ids(m_frame->ArmyView()->CreateContextMenu(true)->actions()),
             (QList<int>{ID_MEMBER_PROPERTIES, ID_ARMY_PROPERTIES, ID_MEMBER_DELETE}));
    QCOMPARE(ids(m_frame->ArmyView()->CreateContextMenu(false)->actions()),
             QList<int>{ID_ARMY_PROPERTIES});
    QCOMPARE(CArmy::Instance().Units().GetCount(), 3);
    QCOMPARE(CArmy::Instance().Units().GetTail()->NomUnitType, QStringLiteral("T5 Warriors"));

    // The group leader goes with its unit once the question is answered; then the army closes.
    MessageRecorder messages;
    trigger(ID_MEMBER_DELETE);
    QCOMPARE(messages.Ids(), QList<int>{kDeleteGroupLeaderQuestionId});
    QCOMPARE(CArmy::Instance().Units().GetCount(), 1);
    trigger(ID_ARMY_CLOSE);
    QVERIFY(!CArmy::Instance().IsOpen() && !m_frame->Action(ID_ARMY_CLOSE)->isEnabled());
}

// The desktop's usual keys: shortcuts shown in the menus and working, mnemonics on every menu,
// Enter and F2 for a member's properties, the menu key and Shift+F10 at the selected item.
void TestMainWindow::keysReachTheCommands() {
    for (const QAction* menu : m_frame->menuBar()->actions())
        QVERIFY2(menu->text().contains(QLatin1Char('&')), qPrintable(menu->text()));
    QCOMPARE(m_frame->Action(ID_ARMY_EXPORT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    const auto press = [this](QKeyCombination key) {
        QApplication::setActiveWindow(m_frame.get());
        QTest::keyClick(m_frame.get(), key.key(), key.keyboardModifiers());
    };

    // Ctrl+N asks for a new army; the army list opened by Ctrl+O has its first army (the last
    // name) chosen, so that Enter opens it.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CArmyParamsDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->NameEdit()->setText(QStringLiteral("Zèle au clavier"));
        dialog->BudgetEdit()->setText(QStringLiteral("300"));
        dialog->RaceList()->setCurrentIndex(dialog->RaceList()->findText(GetRaceName(13)));
        dialog->accept();
    });
    press(Qt::CTRL | Qt::Key_N);
    QCOMPARE(CArmy::Instance().GetName(), QStringLiteral("Zèle au clavier"));
    press(Qt::CTRL | Qt::Key_W);
    QVERIFY(!CArmy::Instance().IsOpen());
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    press(Qt::CTRL | Qt::Key_O);
    QCOMPARE(CArmy::Instance().GetName(), QStringLiteral("Zèle au clavier"));
    CArmy::Instance().AddWarchief(*TypeNamed("T3 Orc warlord"));

    // F2 and Enter in the tree and the list open the selected member's dialog.
    CArmyView* view = m_frame->ArmyView();
    int opened = 0;
    const auto closeDialog = [&opened] {
        QTimer::singleShot(0, [&opened] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                ++opened;
                dialog->close();
            }
        });
    };
    view->List()->setCurrentItem(view->List()->topLevelItem(0));
    for (QWidget* where :
         {static_cast<QWidget*>(view->Tree()), static_cast<QWidget*>(view->List())}) {
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_Return}) {
            closeDialog();
            QTest::keyClick(where, key);
        }
    }
    QCOMPARE(opened, 4);

    // The menu key and Shift+F10 open the member's menu at its item.
    QPoint shownAt;
    QTimer::singleShot(0, [&shownAt] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shownAt = menu->pos();
            menu->close();
        }
    });
    QTest::keyClick(view->Tree(), Qt::Key_F10, Qt::ShiftModifier);
    const QRect item = view->Tree()->visualItemRect(view->Tree()->WarchiefItem());
    QVERIFY2(QRect(view->Tree()->viewport()->mapToGlobal(item.topLeft()), item.size())
                 .adjusted(-2, -2, 2, 2)
                 .contains(shownAt),
             "the menu opens at the selected item");
}

// Undo and redo by their keys, their texts naming the operation; the problems panel hidden
// until a problem comes, a line leading to its member.
void TestMainWindow::undoKeysAndTheProblemsPanel() {
    CProblemsPanel* panel = m_frame->ProblemsPanel();
    QAction* undo = m_frame->Action(ID_EDIT_UNDO);
    QAction* redo = m_frame->Action(ID_EDIT_REDO);
    const auto press = [this](QKeyCombination key) {
        QApplication::setActiveWindow(m_frame.get());
        QTest::keyClick(m_frame.get(), key.key(), key.keyboardModifiers());
    };
    QVERIFY(!panel->isVisible() && !undo->isEnabled() && !redo->isEnabled());
    m_frame->CreateArmy(13, QStringLiteral("Annulée"), 500);
    CArmy& army = CArmy::Instance();
    army.AddWarchief(*TypeNamed("T3 Orc warlord"));
    army.AddGroupLeader(*TypeNamed("Dwarf lord"));
    army.RenameMember(army.Units().GetTail(), QStringLiteral("Nain & fils"));
    QCOMPARE(undo->text(), QStringLiteral("Annuler : renommer Dwarf lord"));
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(army.Units().GetTail()->Nom, QStringLiteral("Dwarf lord"));
    QCOMPARE(redo->text(), QStringLiteral("Rétablir : renommer Dwarf lord"));
    press(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(undo->text(), QStringLiteral("Annuler : renommer Dwarf lord"));
    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(army.Units().GetTail()->Nom, QStringLiteral("Nain & fils"));

    // The dwarf and his empty command showed the panel; a line selects him.
    QVERIFY(panel->isVisible());
    QListWidget* lines = panel->List();
    QCOMPARE(lines->count(), 2);
    m_frame->ArmyView()->Tree()->clearSelection();
    const QRect line = lines->visualItemRect(lines->item(0));
    const QPoint at(20, line.center().y());
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

// The search above the catalogue: either language, case and accents aside, every race; the
// tree comes back as it was, and what it finds drags like any entry.
void TestMainWindow::theCatalogueFindsTypesByEitherName() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QTreeWidget* tree = bar->Tree();
    const auto shown = [tree] {
        QStringList lines;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* race = tree->topLevelItem(i);
            QString line = race->text(0) + (race->isExpanded() ? ":" : "");
            for (int j = 0; race->isExpanded() && j < race->childCount(); ++j)
                line += QLatin1Char(' ') + race->child(j)->text(0);
            lines << line;
        }
        return lines;
    };
    // The player shows only the dwarves, opened.
    for (CRace* race : bar->Races())
        race->m_bShown = race->RaceGB == QLatin1String("Dwarf");
    bar->RebuildTree();
    tree->topLevelItem(0)->setExpanded(true);
    const QStringList before = shown();
    QCOMPARE(before, QStringList{"Dwarf: Dwarf lord Iron cannon"});

    QApplication::setActiveWindow(m_frame.get());
    QTest::keyClick(m_frame.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->Filter()->hasFocus());
    QTest::keyClicks(bar->Filter(), QStringLiteral("GEANT"));
    QCOMPARE(shown(), QStringList{"Orc: T2 One-eyed brute"}); // "Géant borgne"
    const auto search = [&](const QString& text) {
        bar->Filter()->setText(text);
        return shown();
    };
    QCOMPARE(search("loup"), QStringList{"Orc: T1 Wolf riders"}); // not the mount
    QCOMPARE(search("canon"), QStringList{"Dwarf: Iron cannon"});
    QCOMPARE(search(" lord"), (QStringList{"Dwarf: Dwarf lord", "Orc: T3 Orc warlord"}));
    QCOMPARE(search("cHeF d'"), QStringList{"Orc: T3 Orc warlord"}); // "Chef d'orcs"
    QVERIFY(search("zzz").isEmpty());
    QTest::keyClick(bar->Filter(), Qt::Key_Escape);
    QCOMPARE(bar->Filter()->text(), QString());
    QCOMPARE(shown(), before);

    // An entry found is dragged like any other.
    m_frame->CreateArmy(13, QStringLiteral("Trouvée"), 500);
    CArmy::Instance().AddWarchief(*TypeNamed("T3 Orc warlord"));
    search("borgne");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    CDragRecord& record = CDragRecord::Instance();
    record.BeginCatalogueDrag(tree, tree->currentItem());
    record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
    record.m_pTargetItem = m_frame->ArmyView()->Tree()->WarchiefItem();
    record.m_pTargetWindow = m_frame->ArmyView()->Tree();
    m_frame->ArmyView()->FinishDrop();
    QCOMPARE(CArmy::Instance().Units().GetTail()->NomUnitType, QStringLiteral("T2 One-eyed brute"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
