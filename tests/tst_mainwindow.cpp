#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "catalogue/CVisibleRacesDlg.h"
#include "core/CommandIds.h"
#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "model/CArmy.h"
#include "widgets/CDragRecord.h"
#include "widgets/CDragTreeWidget.h"

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
    void viewMenuTogglesTheBars();
    void treeShowsRacesAndTypesInKindOrder();
    void shownRacesFollowTheRacesDialog();
    void propertiesDialogShowsTypeBesideItsAttachedTypes();

private:
    QStringList ChildTexts(const QString& race) const;
    CUnitType* TypeNamed(const QString& name) const;

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainWindow::initTestCase() {
    QString failure;
    m_source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(m_source, qPrintable(failure));
}

void TestMainWindow::init() {
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestMainWindow::cleanup() {
    m_frame.reset();
    if (CArmy::Instance().IsOpen())
        CArmy::Instance().Close();
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

void TestMainWindow::viewMenuTogglesTheBars() {
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Skarnholt - SkarnholtDB"));
    QStringList menus;
    for (QAction* menu : m_frame->menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{"&Fichier", "Armée", "Batailles", "&Affichage", "&?"}));
    // A tool without its picture would be a blank button.
    for (QAction* tool : m_frame->ToolBar()->actions())
        QVERIFY(tool->isSeparator() || !tool->icon().isNull());
    // Without an open army, nothing that needs one can be chosen.
    m_frame->UpdateCommandStates();
    for (int id : {ID_ARMY_CLOSE, ID_ARMY_SAVE, ID_ARMY_EXPORT, ID_MEMBER_DELETE})
        QVERIFY(!m_frame->Action(id)->isEnabled());
    for (int id : {ID_ARMY_NEW, ID_ARMY_OPEN, ID_BATTLE_NEW, ID_CATALOGUE_VIEWER, ID_CHOOSE_RACES})
        QVERIFY(m_frame->Action(id)->isEnabled());
    m_frame->CreateArmy(13, QStringLiteral("Enabled"), 100);
    QVERIFY(m_frame->Action(ID_ARMY_CLOSE)->isEnabled() &&
            m_frame->Action(ID_ARMY_EXPORT)->isEnabled());
    QVERIFY(!m_frame->Action(ID_ARMY_SAVE)->isEnabled()); // nothing sets it modified
    m_frame->OnCloseArmy();

    // Each item of the view menu hides and shows its bar, which starts shown.
    const QList<QAction*> items = m_frame->findChild<QMenu*>("menuView")->actions();
    QCOMPARE(items.size(), 3);
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

void TestMainWindow::treeShowsRacesAndTypesInKindOrder() {
    CDragTreeWidget* tree = m_frame->CatalogueBar()->Tree();
    // Races by English name; the Trolls have no unit type and get no node.
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Dwarf"));
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
    bar->CollectSubTypes(*TypeNamed("Iron cannon"), subTypes);
    QCOMPARE(subTypes.GetCount(), 3);

    // Selection: a unit type is a selected type with a menu, a race node is neither.
    QTreeWidgetItem* orc = tree->findItems("Orc", Qt::MatchExactly).first();
    tree->setCurrentItem(orc);
    QCOMPARE(m_frame->GetSelectedUnitType(), nullptr);
    QVERIFY(!bar->CreateContextMenu());
    tree->setCurrentItem(orc->child(1));
    QCOMPARE(m_frame->GetSelectedUnitType(), TypeNamed("T1 Wolf riders"));
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    QVERIFY(menu);
    QCOMPARE(menu->actions(), QList<QAction*>{m_frame->Action(ID_UNITTYPE_PROPERTIES)});

    // A right-click selects what is under the mouse, and nothing on empty space.
    tree->expandItem(orc);
    const QPoint onWarlord = tree->visualItemRect(orc->child(0)).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, onWarlord);
    QCOMPARE(m_frame->GetSelectedUnitType(), TypeNamed("T3 Orc warlord"));
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      QPoint(5, tree->viewport()->height() - 2));
    QVERIFY(tree->selectedItems().isEmpty());

    // Dragging a unit type does nothing while no army is open.
    CDragRecord::Instance().Reset();
    emit tree->beginDrag(onWarlord);
    QCOMPARE(CDragRecord::Instance().m_nKind, 0);
}

void TestMainWindow::shownRacesFollowTheRacesDialog() {
    CCatalogueBar* bar = m_frame->CatalogueBar();
    QTreeWidget* tree = bar->Tree();
    const auto dialogOnTheBar = [bar] {
        auto dialog = std::make_unique<CVisibleRacesDlg>();
        dialog->SetRaces(&bar->Races());
        return dialog;
    };
    // Unticking one race and cancelling changes nothing; the Trolls start unticked.
    auto dialog = dialogOnTheBar();
    QCOMPARE(dialog->RaceList()->topLevelItem(2)->checkState(0), Qt::Unchecked);
    dialog->RaceList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    dialog->reject();
    bar->RebuildTree();
    QCOMPARE(tree->topLevelItemCount(), 2);

    // "Toute" then OK shows the race without unit types, as a node without children.
    dialog = dialogOnTheBar();
    dialog->OnAll();
    dialog->accept();
    bar->RebuildTree();
    QCOMPARE(ChildTexts("Troll"), QStringList{});

    // Unticking by hand and OK hides just that race.
    dialog = dialogOnTheBar();
    dialog->RaceList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked); // Orcs
    dialog->accept();
    bar->RebuildTree();
    QCOMPARE(ChildTexts("Orc"), QStringList{"<no node>"});
    QCOMPARE(tree->topLevelItemCount(), 2);

    // "Aucune" then "Annuler": the tree stays until its next rebuild, which shows nothing.
    dialog = dialogOnTheBar();
    dialog->OnNone();
    dialog->reject();
    QCOMPARE(tree->topLevelItemCount(), 2);
    bar->RebuildTree();
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TestMainWindow::propertiesDialogShowsTypeBesideItsAttachedTypes() {
    const auto column = [](const CUnitTypePropertiesDlg& dialog, int c) {
        QStringList texts{dialog.PropertyList()->horizontalHeaderItem(c)->text()};
        for (int row = 0; row < dialog.PropertyList()->rowCount(); ++row)
            texts << dialog.PropertyList()->item(row, c)->text();
        return texts;
    };
    const auto hasIcon = [](const CUnitTypePropertiesDlg& dialog, int row, int c) {
        return !dialog.PropertyList()->item(row, c)->icon().isNull();
    };
    const QString d = QStringLiteral("''");

    // A machine beside its crew and its draught mule, in load order. The machine's quality and
    // type are its crew's, and it has no movement, save or price of its own; the mule has only
    // its fighting statistics and gear.
    CUnitTypePropertiesDlg machine;
    machine.SetUnitType(TypeNamed("Iron cannon"));
    QCOMPARE(machine.PropertyList()->columnCount(), 4);
    QCOMPARE(column(machine, 1),
             (QStringList{"Iron cannon", "Nain", "As crew", "As crew", "", "8", "", "Aucune", "Non",
                          "Canon", "", "", "Non", "", "", "", "", ""}));
    QCOMPARE(column(machine, 2), (QStringList{"Gunners", "Nain", "Moyen", "Discipliné", "3", "4",
                                              "4", "Moyenne / Bouclier", "Oui", "1 main", "7.5",
                                              "5", "Non", "Aucun", "8", "2", "2", "4"}));
    QCOMPARE(column(machine, 3), (QStringList{"Draught mule", "Nain", d, d, "2", "3", "1", "Aucune",
                                              d, "Cornes et sabots", d, d, d, d, d, d, d, d}));
    // The weapon icon whatever the kind; armour and shield icons only where they are worn.
    QVERIFY(hasIcon(machine, 8, 1) && !hasIcon(machine, 6, 1) && !hasIcon(machine, 6, 3));
    QVERIFY(hasIcon(machine, 6, 2) && hasIcon(machine, 7, 2));
    QCOMPARE(machine.RaceBitmapId(), 157);

    // A mount shown on its own is uncounted the same way; a leader's terror flag is a word.
    CUnitTypePropertiesDlg mount;
    mount.SetUnitType(TypeNamed("T4 Wolf"));
    QCOMPARE(column(mount, 1), (QStringList{"T4 Wolf", "Orc", d, d, "3", "2", "3", "Aucune", d,
                                            "Griffes et crocs", d, d, d, d, d, d, d, d}));
    CUnitTypePropertiesDlg brute;
    brute.SetUnitType(TypeNamed("T2 One-eyed brute"));
    QCOMPARE(column(brute, 1), (QStringList{"T2 One-eyed brute", "Orc", "Vétérant", "Fanatique",
                                            "6", "6", "7", "Aucune", "Non", "2 mains", "12.5", "",
                                            "Oui", "Nuit", "35", "", "1", "1"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
