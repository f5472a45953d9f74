#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "editor/CBudgetStrip.h"
#include "editor/CRenameUnitDlg.h"
#include "model/CArmy.h"
#include "widgets/CDragRecord.h"
#include "widgets/CUnitStatsList.h"

#include <QLineEdit>
#include <QtTest>

// The army view in the main window on a real data source: the player's gestures reach the army,
// and the tree, the list and the strip show what is stored after each of them.
class TestArmyView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsAddAsTheCatalogueAndTreeSelectionSay();
    void treeAndListShowTheArmyAfterEveryEdit();
    void deletesAskWhereTheyTakeMore();
    void dropsAndDragsReachTheArmy();
    void aFailedStoreShowsTheArmyAsStored();
    void propertiesAreStoredOrForgotten();

private:
    void SelectType(const QString& name);
    QTreeWidgetItem* ItemOf(const QString& prefix) const;
    // The tree as indented labels, and the list as indented names.
    QStringList TreeShape() const;
    QStringList ListShape() const;
    // Releases a drag on the army tree, over the target item (nullptr: empty space).
    void Release(QTreeWidgetItem* target);
    void DragMember(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
    void DropType(const QString& type, QTreeWidgetItem* target);
    void AddUnder(const QString& leaderPrefix, const QString& type);

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<MessageRecorder> m_messages;
    CArmyView* m_view = nullptr;
};

void TestArmyView::init() {
    QString failure;
    m_source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(m_source, qPrintable(failure));
    m_messages = std::make_unique<MessageRecorder>();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->resize(1200, 800);
    m_frame->show();
    m_view = m_frame->ArmyView();
    m_frame->CreateArmy(13, QStringLiteral("Horde d'Urk"), 500);
    QVERIFY(CArmy::Instance().IsOpen());
    QVERIFY(m_view->Tree()->isVisible());
}

void TestArmyView::cleanup() {
    if (CArmy::Instance().IsOpen())
        m_frame->OnCloseArmy();
    m_frame.reset();
    m_messages.reset();
    CArmyDatabase::Instance().CloseDatabase();
    m_source.reset();
}

void TestArmyView::SelectType(const QString& name) {
    QTreeWidget* tree = m_frame->CatalogueBar()->Tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const CUnitType* type = CCatalogueBar::UnitTypeOf(*it);
        if (type && type->NomGB == name)
            tree->setCurrentItem(*it);
    }
}

QTreeWidgetItem* TestArmyView::ItemOf(const QString& prefix) const {
    for (QTreeWidgetItemIterator it(m_view->Tree()); *it; ++it) {
        if ((*it)->text(0).startsWith(prefix))
            return *it;
    }
    return nullptr;
}

QStringList TestArmyView::TreeShape() const {
    QStringList lines;
    for (QTreeWidgetItemIterator it(m_view->Tree()); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            ++depth;
        lines << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0) +
                     ((*it)->font(0).bold() ? QStringLiteral(" [b]") : QString());
    }
    return lines;
}

QStringList TestArmyView::ListShape() const {
    QStringList lines;
    const CUnitStatsList* list = m_view->List();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        lines << QString(list->IndentOf(row) * 2, QLatin1Char(' ')) + list->UnitAt(row)->Nom;
    return lines;
}

void TestArmyView::Release(QTreeWidgetItem* target) {
    CDragRecord& record = CDragRecord::Instance();
    record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
    record.m_pTargetItem = target;
    record.m_pTargetWindow = m_view->Tree();
    m_view->FinishDrop();
}

void TestArmyView::DragMember(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    CDragRecord::Instance().BeginArmyDrag(m_view->Tree(), dragged);
    Release(target);
}

void TestArmyView::DropType(const QString& name, QTreeWidgetItem* target) {
    QTreeWidget* catalogue = m_frame->CatalogueBar()->Tree();
    SelectType(name);
    CDragRecord::Instance().BeginCatalogueDrag(catalogue, catalogue->currentItem());
    Release(target);
}

void TestArmyView::AddUnder(const QString& leaderPrefix, const QString& type) {
    SelectType(type);
    m_view->Tree()->setCurrentItem(ItemOf(leaderPrefix));
    m_view->OnAddUnit();
}

void TestArmyView::commandsAddAsTheCatalogueAndTreeSelectionSay() {
    SelectType("T3 Orc warlord");
    m_view->OnAddGroupLeader();
    QCOMPARE(m_messages->Ids(), QList<int>{165});
    m_view->OnAddWarchief();
    m_view->OnAddWarchief();
    QCOMPARE(m_messages->Ids(), (QList<int>{165, 164}));
    m_view->OnAddGroupLeader();
    // The new leader is the selected item, and its row the current one.
    QCOMPARE(m_view->GetSelectedUnit(), CArmy::Instance().Units().GetTail());
    QCOMPARE(m_view->List()->currentItem(), m_view->List()->topLevelItem(1));

    // A unit goes under the leader selected in the tree, with the types attached to it.
    SelectType("T5 Warriors");
    m_view->Tree()->clearSelection();
    m_view->OnAddUnit();
    QCOMPARE(m_messages->Ids().last(), 166);
    m_frame->CatalogueBar()->Races().GetHead()->m_bShown = 1;
    AddUnder(QStringLiteral("T3 Orc warlord - 60 pts / 0 Pc"), QStringLiteral("Iron cannon"));
    // A machine shows its figures like troops.
    QCOMPARE(ItemOf("Iron")->text(0), QStringLiteral("Iron cannon - 70 pts 1 fig"));
    // A leader type through "Ajouter" becomes a group leader, as a drop would make it.
    SelectType("T3 Orc warlord");
    m_view->OnAddUnit();
    QCOMPARE(m_view->Tree()->WarchiefItem()->childCount(), 3);
    QCOMPARE(CArmyTree::UnitOf(m_view->Tree()->WarchiefItem()->child(2))->Hierarchie, 2);
}

void TestArmyView::treeAndListShowTheArmyAfterEveryEdit() {
    CArmy& army = CArmy::Instance();
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_view->OnAddGroupLeader();
    // A name is shown as it is, placeholders and all.
    army.RenameMember(army.Units().GetTail(), QStringLiteral("Chef %1 %2"));
    AddUnder(QStringLiteral("Chef"), QStringLiteral("T1 Wolf riders"));
    AddUnder(QStringLiteral("T3"), QStringLiteral("T2 One-eyed brute"));
    army.SetProperties(QStringLiteral("Horde %1"), 500);
    QCOMPARE(TreeShape(),
             (QStringList{"T3 Orc warlord - 60 pts / 0 Pc [b]", "  Chef %1 %2 - 60 pts / 0 Pc [b]",
                          "    T1 Wolf riders - 55 pts 5 fig", "  T2 One-eyed brute - 35 pts"}));
    QCOMPARE(ListShape(), (QStringList{"T3 Orc warlord", "  Chef %1 %2", "    T1 Wolf riders",
                                       "    T4 Wolf", "  T2 One-eyed brute"}));
    QCOMPARE(m_view->BudgetStrip()->Texts().first(), QStringLiteral("Horde %1       Budget 500 -"));
    QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest 290"));

    // What the player collapsed and selected stays so through the next edits.
    ItemOf("Chef")->setExpanded(false);
    m_view->Tree()->setCurrentItem(ItemOf("T2"));
    AddUnder(QStringLiteral("T3"), QStringLiteral("T5 Warriors"));
    QVERIFY(!ItemOf("Chef")->isExpanded());
    QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T3 Orc warlord"));
    m_view->Tree()->setCurrentItem(ItemOf("T2"));
    army.RenameMember(CArmyTree::UnitOf(ItemOf("T5")), QStringLiteral("Gars"));
    QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T2 One-eyed brute"));
    QCOMPARE(m_view->List()->currentItem(),
             m_view->List()->topLevelItem(m_view->GetSelectedUnit()->IdVisual));

    // Over budget, the rest turns red and negative.
    army.SetProperties(army.GetName(), 50);
    QCOMPARE(m_view->BudgetStrip()->Rest(), -220);
    QCOMPARE(m_view->BudgetStrip()->RestColour(), QColor(255, 0, 0));
}

void TestArmyView::deletesAskWhereTheyTakeMore() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_view->OnAddGroupLeader();
    CArmy::Instance().RenameMember(CArmy::Instance().Units().GetTail(), QStringLiteral("Chef"));
    AddUnder(QStringLiteral("Chef"), QStringLiteral("T1 Wolf riders"));
    CUnitStatsList* list = m_view->List();
    QCOMPARE(list->topLevelItemCount(), 4);

    // The Delete key on an attached unit's row does nothing; on its main unit's row it deletes.
    list->setCurrentItem(list->topLevelItem(3));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->topLevelItemCount(), 4);

    // A group leader with units asks first; No keeps everything.
    m_messages->SetNextAnswer(false);
    m_view->Tree()->setCurrentItem(m_view->Tree()->WarchiefItem()->child(0));
    QTest::keyClick(m_view->Tree(), Qt::Key_Delete);
    QCOMPARE(m_messages->Ids(), QList<int>{153});
    QCOMPARE(list->topLevelItemCount(), 4);
    list->setCurrentItem(list->topLevelItem(2));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->topLevelItemCount(), 2);

    // The warchief with members asks too; afterwards the army is open, empty and worth 0.
    m_messages->SetNextAnswer(true);
    m_view->DeleteItem(m_view->Tree()->WarchiefItem());
    QCOMPARE(m_messages->Ids(), (QList<int>{153, 152}));
    QVERIFY(CArmy::Instance().IsOpen() && m_view->Tree()->isVisible());
    QCOMPARE(m_view->Tree()->topLevelItemCount(), 0);
    QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest 500"));
}

void TestArmyView::dropsAndDragsReachTheArmy() {
    // On an empty army only a leader type may come, and it becomes the warchief.
    DropType("T5 Warriors", nullptr);
    QCOMPARE(m_messages->Ids(), QList<int>{165});
    DropType("T3 Orc warlord", nullptr);
    DropType("T3 Orc warlord", ItemOf("T3"));
    // Items are made anew after each edit: the group leader's is looked up each time.
    const auto group = [this] { return m_view->Tree()->WarchiefItem()->child(0); };
    // Empty space stands for the warchief; a leader for itself.
    DropType("T5 Warriors", nullptr);
    DropType("T2 One-eyed brute", group());
    // A leader cannot go under a unit: a warning, and nothing moves.
    const QStringList before = TreeShape();
    DragMember(group(), ItemOf("T5"));
    QCOMPARE(m_messages->Ids(), (QList<int>{165, 154}));
    QCOMPARE(TreeShape(), before);

    // A unit dragged on a group leader becomes its first unit, and is selected.
    DragMember(ItemOf("T5"), group());
    QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T5 Warriors"));
    // A unit type dropped on a unit goes to that unit's leader.
    DropType("T1 Wolf riders", ItemOf("T5"));
    QCOMPARE(TreeShape(),
             (QStringList{"T3 Orc warlord - 60 pts / 0 Pc [b]",
                          "  T3 Orc warlord - 60 pts / 0 Pc [b]", "    T5 Warriors - 60 pts 10 fig",
                          "    T2 One-eyed brute - 35 pts", "    T1 Wolf riders - 55 pts 5 fig"}));
}

void TestArmyView::aFailedStoreShowsTheArmyAsStored() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    // The database refuses this one type; the view must not keep showing it.
    QVERIFY(m_source->ExecOnOtherConnection(
        "CREATE TRIGGER refuse BEFORE INSERT ON ArmeeCompo WHEN NEW.NomUnitType = 'T5 Warriors' "
        "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"));
    AddUnder(QStringLiteral("T3"), QStringLiteral("T5 Warriors"));
    QCOMPARE(m_messages->Messages().size(), 1);
    QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
    QVERIFY(!ItemOf("T5 Warriors"));
    QCOMPARE(m_view->List()->topLevelItemCount(), 1);

    // Read back, the army itself cannot be read any more: no army is left open or shown.
    QVERIFY(m_source->ExecOnOtherConnection("DROP TRIGGER refuse"));
    QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE ArmeeCompo RENAME TO Elsewhere"));
    m_messages->Clear();
    AddUnder(QStringLiteral("T3"), QStringLiteral("T5 Warriors"));
    QCOMPARE(m_messages->Messages().size(), 2); // the refused store, then the refused read
    QVERIFY(!CArmy::Instance().IsOpen());
    QVERIFY(!m_view->Tree()->isVisible());
    QVERIFY(!m_frame->Action(32774)->isEnabled()); // nothing to close
    QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE Elsewhere RENAME TO ArmeeCompo"));
}

void TestArmyView::propertiesAreStoredOrForgotten() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    AddUnder(QStringLiteral("T3"), QStringLiteral("T2 One-eyed brute"));
    CArmyUnit* brute = CArmyTree::UnitOf(ItemOf("T2"));

    // An individual only gets a new name; Cancel leaves everything as it was.
    auto answer = [](const QString& name, bool ok) {
        QTimer::singleShot(0, [name, ok] {
            auto* dialog = qobject_cast<CRenameUnitDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(name);
            ok ? dialog->accept() : dialog->reject();
        });
    };
    answer(QStringLiteral("Grok l'Ancien"), false);
    m_view->ShowUnitProperties(brute);
    QCOMPARE(brute->Nom, QStringLiteral("T2 One-eyed brute"));
    answer(QStringLiteral("Grok l'Ancien"), true);
    m_view->ShowUnitProperties(brute);
    QCOMPARE(ItemOf("Grok")->text(0), QStringLiteral("Grok l'Ancien - 35 pts"));
}

QTEST_MAIN(TestArmyView)
#include "tst_armyview.moc"
