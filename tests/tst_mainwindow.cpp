#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/MessageBox.h"
#include "app/StringTable.h"
#include "army/CDragRecord.h"
#include "army/CDragTreeWidget.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "editor/CArmy.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

// The real main window on a small catalogue: menus, bars, the catalogue tree and its dialogs.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offersItsMenusAndToolBar();
    void catalogueBarIsHiddenAndShownByMenuAndCloseButton();
    void treeShowsRacesAndTypesInKindOrder();
    void shownRacesFollowTheRacesDialog();
    void contextMenuAndDragWithNoArmyOpen();
    void propertiesDialogShowsTypeBesideItsAttachedTypes();

private:
    QStringList ChildTexts(const QString& race) const;
    CUnitType* TypeNamed(const QString& name) const;

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainWindow::initTestCase() {
    m_source = std::make_unique<TestDataSource>(QStringLiteral("tests/data/small_catalogue.sql"));
    QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
    QCOMPARE(CArmyDatabase::Instance().OpenDatabase(), 1);
}

void TestMainWindow::init() {
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestMainWindow::cleanup() {
    m_frame.reset();
    CArmy::Instance().m_bOpen = 0;
}

QStringList TestMainWindow::ChildTexts(const QString& race) const {
    QTreeWidget* tree = m_frame->CatalogueBar()->Tree();
    const QList<QTreeWidgetItem*> found = tree->findItems(race, Qt::MatchExactly);
    if (found.isEmpty())
        return {QStringLiteral("<no node>")};
    QStringList texts;
    for (int i = 0; i < found.first()->childCount(); ++i)
        texts << found.first()->child(i)->text(0);
    return texts;
}

CUnitType* TestMainWindow::TypeNamed(const QString& name) const {
    for (CUnitType* type : m_frame->CatalogueBar()->UnitTypes()) {
        if (type->NomGB == name)
            return type;
    }
    return nullptr;
}

void TestMainWindow::offersItsMenusAndToolBar() {
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Skarnholt - SkarnholtDB"));
    QStringList menus;
    for (QAction* menu : m_frame->menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{"&Fichier", "&Affichage", "&?"}));

    QStringList viewItems;
    for (QAction* item : m_frame->findChild<QMenu*>("menuView")->actions()) {
        viewItems << item->text();
        QVERIFY(item->isEnabled());
        QVERIFY(item->isCheckable());
        QVERIFY(item->isChecked());
    }
    QCOMPARE(viewItems, (QStringList{"&Barre d'outils", "Barre d'é&tat", "Barre des armée"}));

    QStringList tools;
    for (QAction* tool : m_frame->ToolBar()->actions())
        tools << (tool->isSeparator() ? QStringLiteral("|")
                                      : QString::number(tool->data().toInt()));
    QCOMPARE(tools, (QStringList{"32772", "32773", "|", "32790", "|", "57664"}));
    QAction* races = m_frame->Action(ID_CHOOSE_RACES);
    QCOMPARE(races->toolTip(), QStringLiteral("Sélectionner les races affichées"));
    QCOMPARE(races->statusTip(), QStringLiteral("Sélectionner les races affichées"));
    QVERIFY(!races->icon().isNull());

    // The status bar menu item hides and shows the status bar.
    m_frame->Action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(!m_frame->statusBar()->isVisible());
    m_frame->Action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(m_frame->statusBar()->isVisible());
}

void TestMainWindow::catalogueBarIsHiddenAndShownByMenuAndCloseButton() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QAction* toggle = m_frame->Action(ID_VIEW_ARMYBAR);
    QCOMPARE(m_frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    QCOMPARE(bar->windowTitle(), QStringLiteral("TQ - Army list view"));

    toggle->trigger();
    QVERIFY(!bar->isVisible());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(bar->isVisible());
    QVERIFY(toggle->isChecked());
    QCOMPARE(m_frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);

    QAbstractButton* close = bar->CloseButton();
    QCOMPARE(close->size(), QSize(11, 11));
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QVERIFY(!bar->isVisible());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(bar->isVisible());
}

void TestMainWindow::treeShowsRacesAndTypesInKindOrder() {
    QTreeWidget* tree = m_frame->CatalogueBar()->Tree();
    QStringList roots;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        roots << tree->topLevelItem(i)->text(0);
        QVERIFY(tree->topLevelItem(i)->font(0).bold());
        QVERIFY(!tree->topLevelItem(i)->isExpanded());
    }
    // Races by English name; the Trolls have no unit type and get no node.
    QCOMPARE(roots, (QStringList{"Dwarf", "Orc"}));
    // Leaders, then the other kinds in catalogue order, then individuals; no mount, no type of
    // unknown kind, no attached type.
    QCOMPARE(ChildTexts("Orc"), (QStringList{"T3 Orc warlord", "T1 Wolf riders", "T5 Warriors",
                                             "T6 Rock lobber", "T2 One-eyed brute"}));
    QCOMPARE(ChildTexts("Dwarf"), (QStringList{"Dwarf lord", "Iron cannon"}));

    CCatalogueBar* bar = m_frame->CatalogueBar();
    QVERIFY(!TypeNamed("Kindless spirit")); // unknown kind: not in the bar at all
    CItemList<CUnitType*> subTypes(false);
    bar->CollectSubTypes(*TypeNamed("T1 Wolf riders"), subTypes);
    QCOMPARE(subTypes.GetCount(), 1);
    QCOMPARE(subTypes.GetHead()->NomGB, QStringLiteral("T4 Wolf"));
    CItemList<CUnitType*> none(false);
    bar->CollectSubTypes(*TypeNamed("T5 Warriors"), none);
    QVERIFY(none.IsEmpty());
    CItemList<CUnitType*> crew(false);
    bar->CollectSubTypes(*TypeNamed("Iron cannon"), crew);
    QCOMPARE(crew.GetCount(), 2);

    // Selection: a unit type is a selected type, a race node is not.
    QTreeWidgetItem* orc = tree->findItems("Orc", Qt::MatchExactly).first();
    tree->setCurrentItem(orc->child(1));
    QCOMPARE(m_frame->GetSelectedUnitType(), TypeNamed("T1 Wolf riders"));
    tree->setCurrentItem(orc);
    QCOMPARE(m_frame->GetSelectedUnitType(), nullptr);

    // A right-click selects what is under the mouse, and nothing on empty space.
    tree->expandItem(orc);
    const QPoint onWarlord = tree->visualItemRect(orc->child(0)).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, onWarlord);
    QCOMPARE(m_frame->GetSelectedUnitType(), TypeNamed("T3 Orc warlord"));
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      QPoint(5, tree->viewport()->height() - 2));
    QVERIFY(tree->selectedItems().isEmpty());
}

void TestMainWindow::shownRacesFollowTheRacesDialog() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QTreeWidget* tree = bar->Tree();
    {
        // Unticking one race and cancelling changes nothing.
        CVisibleRacesDlg dialog;
        dialog.SetRaces(&bar->Races());
        QCOMPARE(dialog.RaceList()->topLevelItemCount(), 3);
        QCOMPARE(dialog.RaceList()->topLevelItem(2)->checkState(0), Qt::Unchecked); // Trolls
        dialog.RaceList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        dialog.reject();
        bar->RebuildTree();
        QCOMPARE(tree->topLevelItemCount(), 2);
    }
    {
        // "Toute" then OK shows the race without unit types, as a node without children.
        CVisibleRacesDlg dialog;
        dialog.SetRaces(&bar->Races());
        dialog.OnAll();
        dialog.accept();
        bar->RebuildTree();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(ChildTexts("Troll"), QStringList{});
    }
    {
        // Unticking by hand and OK hides just that race.
        CVisibleRacesDlg dialog;
        dialog.SetRaces(&bar->Races());
        dialog.RaceList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked); // Orcs
        dialog.accept();
        bar->RebuildTree();
        QCOMPARE(ChildTexts("Orc"), QStringList{"<no node>"});
        QCOMPARE(tree->topLevelItemCount(), 2);
    }
    {
        // "Aucune" then "Annuler": the tree stays until its next rebuild, which shows nothing.
        CVisibleRacesDlg dialog;
        dialog.SetRaces(&bar->Races());
        dialog.OnNone();
        dialog.reject();
        QCOMPARE(tree->topLevelItemCount(), 2);
        bar->RebuildTree();
        QCOMPARE(tree->topLevelItemCount(), 0);
    }
}

void TestMainWindow::contextMenuAndDragWithNoArmyOpen() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QTreeWidget* tree = bar->Tree();
    QTreeWidgetItem* orc = tree->findItems("Orc", Qt::MatchExactly).first();

    tree->setCurrentItem(orc);
    QVERIFY(!bar->CreateContextMenu()); // a race node gets no menu

    tree->setCurrentItem(orc->child(0));
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("menu131"));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first(), m_frame->Action(ID_UNITTYPE_PROPERTIES));
    QCOMPARE(bar->KeyboardMenuPosition(),
             bar->mapToGlobal(bar->contentsRect().topLeft() + QPoint(5, 5)));

    // Dragging a unit type does nothing while no army is open.
    CDragRecord::Instance().Reset();
    emit bar->Tree()->beginDrag(tree->visualItemRect(orc->child(0)).center());
    QCOMPARE(CDragRecord::Instance().m_nKind, 0);
}

void TestMainWindow::propertiesDialogShowsTypeBesideItsAttachedTypes() {
    auto cell = [](CUnitTypePropertiesDlg& dialog, int row, int column) {
        QTableWidgetItem* item = dialog.PropertyList()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    };
    auto hasIcon = [](CUnitTypePropertiesDlg& dialog, int row, int column) {
        return !dialog.PropertyList()->item(row, column)->icon().isNull();
    };

    // A machine with its crew and its draught mule: three value columns, in load order.
    CUnitTypePropertiesDlg machine;
    machine.SetUnitType(TypeNamed("Iron cannon"));
    QTableWidget* list = machine.PropertyList();
    QCOMPARE(list->columnCount(), 4);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Propriétés"));
    QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("Iron cannon"));
    QCOMPARE(list->horizontalHeaderItem(2)->text(), QStringLiteral("Gunners"));
    QCOMPARE(list->horizontalHeaderItem(3)->text(), QStringLiteral("Draught mule"));
    QCOMPARE(list->rowCount(), 17);
    QCOMPARE(cell(machine, 0, 0), QStringLiteral("Race"));
    QCOMPARE(cell(machine, 16, 0), QStringLiteral("Max"));
    QCOMPARE(cell(machine, 0, 1), QStringLiteral("Nain"));
    QCOMPARE(cell(machine, 1, 1), QStringLiteral("As crew"));
    QCOMPARE(cell(machine, 2, 1), QStringLiteral("As crew"));
    QCOMPARE(cell(machine, 9, 1), QString());  // a machine's movement stays empty
    QCOMPARE(cell(machine, 13, 1), QString()); // nor its points: its crew is priced
    QCOMPARE(cell(machine, 8, 1), QStringLiteral("Canon"));
    QVERIFY(hasIcon(machine, 8, 1));  // the weapon icon, whatever the kind
    QVERIFY(!hasIcon(machine, 6, 1)); // no armour icon on a machine
    // The crew: shield and armour with both icons, shield as "Oui".
    QCOMPARE(cell(machine, 6, 2), QStringLiteral("Moyenne / Bouclier"));
    QCOMPARE(cell(machine, 7, 2), QStringLiteral("Oui"));
    QCOMPARE(cell(machine, 11, 2), QStringLiteral("Non"));
    QVERIFY(hasIcon(machine, 6, 2));
    QVERIFY(hasIcon(machine, 7, 2));
    QCOMPARE(cell(machine, 9, 2), QStringLiteral("7.5"));
    // The mule, an uncounted type: ditto marks from the shield row on, the rest shown.
    const QList<int> dittoRows{7, 9, 10, 11, 12, 13, 14, 15, 16};
    for (int row : dittoRows)
        QCOMPARE(cell(machine, row, 3), QStringLiteral("''"));
    QCOMPARE(cell(machine, 3, 3), QStringLiteral("2"));
    QCOMPARE(cell(machine, 8, 3), QStringLiteral("Cornes et sabots"));
    QVERIFY(!hasIcon(machine, 6, 3));
    QCOMPARE(machine.RaceBitmapId(), 157);

    // A mount shown on its own, and a type with Points 0, are uncounted the same way.
    CUnitTypePropertiesDlg mount;
    mount.SetUnitType(TypeNamed("T4 Wolf"));
    QCOMPARE(mount.PropertyList()->columnCount(), 2);
    QCOMPARE(cell(mount, 1, 1), QStringLiteral("''"));
    QCOMPARE(cell(mount, 12, 1), QStringLiteral("''"));
    QCOMPARE(cell(mount, 8, 1), QStringLiteral("Griffes et crocs"));
    QCOMPARE(mount.RaceBitmapId(), 159);

    // A leader: the terror flag is a word here, the shield too.
    CUnitTypePropertiesDlg brute;
    brute.SetUnitType(TypeNamed("T2 One-eyed brute"));
    QCOMPARE(cell(brute, 11, 1), QStringLiteral("Oui"));
    QCOMPARE(cell(brute, 7, 1), QStringLiteral("Non"));
    QCOMPARE(cell(brute, 9, 1), QStringLiteral("12.5"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
