#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "app/MessageBox.h"
#include "army/CDragRecord.h"
#include "army/CDragTreeWidget.h"
#include "army/CUnitStatsList.h"
#include "catalogue/CCatalogueBar.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CUnitType.h"
#include "editor/CArmy.h"
#include "editor/CArmyView.h"
#include "editor/CBudgetStrip.h"
#include "editor/CRenameUnitDlg.h"

#include <QLineEdit>
#include <QtTest>

// The army view on a real data source: every add, delete and move is checked against what the
// database then holds.
class TestArmyView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addsFollowTheHierarchyRules();
    void deletesFollowTheHierarchyRules();
    void membersMoveByTheirPlacementRules();
    void catalogueTypesDropOnTheTree();
    void armyReopensAsItWasLeftEvenAfterAKill();
    void aFailedStoreShowsTheArmyAsStored();
    void propertiesAreStoredOrForgotten();

private:
    CUnitType* Type(const QString& name) const;
    void SelectType(const QString& name);
    QTreeWidgetItem* ItemOf(const QString& prefix) const;
    // Every stored member has its list row as position and its leader as in memory, and the
    // stored total is the members' sum.
    void VerifyStored() const;
    // The tree as "indent label" lines.
    QStringList TreeShape() const;
    void DragMember(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
    void DropType(const QString& type, QTreeWidgetItem* target);
    int ArmyId() const { return CArmy::Instance().GetHeader().IdArmee; }

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

CUnitType* TestArmyView::Type(const QString& name) const {
    for (CUnitType* type : m_frame->CatalogueBar()->UnitTypes()) {
        if (type->NomGB == name)
            return type;
    }
    return nullptr;
}

void TestArmyView::SelectType(const QString& name) {
    QTreeWidget* tree = m_frame->CatalogueBar()->Tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (CCatalogueBar::UnitTypeOf(*it) == Type(name))
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

void TestArmyView::VerifyStored() const {
    CItemList<CArmyUnit*> stored;
    CArmyDatabase::Instance().LoadArmyUnits(ArmyId(), stored);
    const CUnitStatsList* list = m_view->List();
    QCOMPARE(stored.GetCount(), list->topLevelItemCount());
    QCOMPARE(stored.GetCount(), CArmy::Instance().Units().GetCount());
    int row = 0;
    int sum = 0;
    for (const CArmyUnit* unit : stored) {
        const CArmyUnit* shown = list->UnitAt(row);
        QCOMPARE(unit->IdVisual, row);
        QCOMPARE(unit->IdUnite, shown->IdUnite);
        QCOMPARE(unit->IdLeader, shown->IdLeader);
        QCOMPARE(unit->IdParentUnit, shown->IdParentUnit);
        sum += unit->CoutTotal;
        ++row;
    }
    CArmyHeader header;
    QCOMPARE(CArmyDatabase::Instance().FindArmyById(ArmyId(), header), 1);
    QCOMPARE(header.CoutTotal, sum);
    QCOMPARE(CArmy::Instance().ComputeTotal(), sum);
    QCOMPARE(m_view->BudgetStrip()->Total(), sum);
}

QStringList TestArmyView::TreeShape() const {
    QStringList lines;
    for (QTreeWidgetItemIterator it(m_view->Tree()); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            ++depth;
        lines << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0);
    }
    return lines;
}

void TestArmyView::DragMember(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    CDragRecord& record = CDragRecord::Instance();
    record.BeginArmyDrag(m_view->Tree(), dragged);
    record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
    record.m_pTargetItem = target;
    record.m_pTargetWindow = m_view->Tree();
    m_view->FinishDrop();
}

void TestArmyView::DropType(const QString& name, QTreeWidgetItem* target) {
    QTreeWidget* catalogue = m_frame->CatalogueBar()->Tree();
    SelectType(name);
    CDragRecord& record = CDragRecord::Instance();
    record.BeginCatalogueDrag(catalogue, catalogue->currentItem());
    record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
    record.m_pTargetItem = target;
    record.m_pTargetWindow = m_view->Tree();
    m_view->FinishDrop();
}

void TestArmyView::addsFollowTheHierarchyRules() {
    // No warchief yet: a group leader or a unit cannot come first.
    SelectType("T3 Orc warlord");
    m_view->OnAddGroupLeader();
    QCOMPARE(m_messages->Ids(), QList<int>{165});
    QVERIFY(!CArmy::Instance().HasUnits());

    m_view->OnAddWarchief();
    QCOMPARE(m_view->Tree()->topLevelItemCount(), 1);
    QVERIFY(m_view->WarchiefItem()->font(0).bold());
    QCOMPARE(m_view->WarchiefItem()->text(0), QStringLiteral("T3 Orc warlord - 60 pts / 0 Pc"));
    VerifyStored();
    m_view->OnAddWarchief();
    QCOMPARE(m_messages->Ids(), (QList<int>{165, 164}));
    QCOMPARE(CArmy::Instance().Units().GetCount(), 1);

    m_view->OnAddGroupLeader();
    VerifyStored();
    QTreeWidgetItem* leader = m_view->WarchiefItem()->child(0);
    QVERIFY(leader->font(0).bold());

    // A unit needs a leader selected in the army tree.
    SelectType("T5 Warriors");
    m_view->Tree()->clearSelection();
    m_view->OnAddUnit();
    QCOMPARE(m_messages->Ids().last(), 166);
    m_view->Tree()->setCurrentItem(leader);
    m_view->OnAddUnit();
    // Priced for the fewest figures: 10 x 5 + 10.
    QCOMPARE(leader->child(0)->text(0), QStringLiteral("T5 Warriors - 60 pts 10 fig"));
    VerifyStored();

    // A machine with its two attached types: three members, one tree item, three rows.
    m_frame->CatalogueBar()->Races().GetHead()->m_bShown = 1;
    SelectType("Iron cannon");
    m_view->Tree()->setCurrentItem(leader);
    m_view->OnAddUnit();
    QCOMPARE(leader->childCount(), 2);
    const CUnitStatsList* list = m_view->List();
    QCOMPARE(list->topLevelItemCount(), 6);
    const CArmyUnit* cannon = list->UnitAt(3);
    QCOMPARE(cannon->NomUnitType, QStringLiteral("Iron cannon"));
    for (int row = 3; row < 6; ++row) {
        QCOMPARE(list->UnitAt(row)->IdVisual, row);
        QCOMPARE(list->IndentOf(row), 2);
        QCOMPARE(list->UnitAt(row)->IdLeader, CArmyView::UnitOf(leader)->IdUnite);
    }
    QCOMPARE(list->UnitAt(4)->IdParentUnit, cannon->IdUnite);
    QCOMPARE(list->UnitAt(5)->IdParentUnit, cannon->IdUnite);
    QCOMPARE(list->UnitAt(4)->NombreFig, 2);  // the type's fewest figures
    QCOMPARE(cannon->CoutTotal, 70);          // 1 x 60 + 10
    QCOMPARE(list->UnitAt(4)->CoutTotal, 26); // the crew: 2 x 8 + 10
    QCOMPARE(list->UnitAt(5)->CoutTotal, 0);  // the mule keeps its price
    VerifyStored();

    // A leader type through "Ajouter" becomes a group leader, as a drop would make it.
    SelectType("T3 Orc warlord");
    m_view->OnAddUnit();
    QCOMPARE(m_view->WarchiefItem()->childCount(), 2);
    QCOMPARE(CArmyView::UnitOf(m_view->WarchiefItem()->child(1))->Hierarchie, 2);
    VerifyStored();
}

void TestArmyView::deletesFollowTheHierarchyRules() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_view->OnAddGroupLeader();
    QTreeWidgetItem* leader = m_view->WarchiefItem()->child(0);
    SelectType("Iron cannon");
    m_view->Tree()->setCurrentItem(leader);
    m_view->OnAddUnit();
    SelectType("T2 One-eyed brute");
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem());
    m_view->OnAddUnit();
    SelectType("T5 Warriors");
    m_view->Tree()->setCurrentItem(leader);
    m_view->OnAddUnit();
    VerifyStored();

    // The Delete key on an attached unit's row does nothing.
    CUnitStatsList* list = m_view->List();
    list->setCurrentItem(list->topLevelItem(3));
    QCOMPARE(list->UnitAt(3)->NomUnitType, QStringLiteral("Gunners"));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->topLevelItemCount(), 7);

    // A unit goes without a question, with its attached units.
    m_view->DeleteItem(ItemOf("Iron cannon"));
    QCOMPARE(list->topLevelItemCount(), 4);
    QVERIFY(m_messages->Ids().isEmpty());
    VerifyStored();

    // A group leader with units asks first; No keeps everything.
    m_messages->SetNextAnswer(false);
    m_view->DeleteItem(leader);
    QCOMPARE(m_messages->Ids(), QList<int>{153});
    QCOMPARE(list->topLevelItemCount(), 4);
    m_messages->SetNextAnswer(true);
    m_view->DeleteItem(leader);
    QCOMPARE(list->topLevelItemCount(), 2);
    VerifyStored();

    // The warchief with members asks too; afterwards the army is open, empty and worth 0.
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem());
    QTest::keyClick(m_view->Tree(), Qt::Key_Delete);
    QCOMPARE(m_messages->Ids(), (QList<int>{153, 153, 152}));
    QVERIFY(CArmy::Instance().IsOpen());
    QVERIFY(!CArmy::Instance().HasUnits());
    QCOMPARE(m_view->Tree()->topLevelItemCount(), 0);
    CArmyHeader header;
    CArmyDatabase::Instance().FindArmyById(ArmyId(), header);
    QCOMPARE(header.CoutTotal, 0);
    QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest 500"));

    // A lone warchief goes without a question.
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_messages->Clear();
    m_view->DeleteItem(m_view->WarchiefItem());
    QVERIFY(m_messages->Ids().isEmpty());
    QVERIFY(!CArmy::Instance().HasUnits());
}

void TestArmyView::membersMoveByTheirPlacementRules() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_view->OnAddGroupLeader();
    m_view->OnAddGroupLeader();
    QTreeWidgetItem* first = m_view->WarchiefItem()->child(0);
    QTreeWidgetItem* second = m_view->WarchiefItem()->child(1);
    CArmyUnit* firstLeader = CArmyView::UnitOf(first);
    CArmyUnit* secondLeader = CArmyView::UnitOf(second);
    firstLeader->Nom = QStringLiteral("First");
    secondLeader->Nom = QStringLiteral("Second");
    m_view->UpdateUnitDisplay(firstLeader);
    m_view->UpdateUnitDisplay(secondLeader);
    SelectType("T1 Wolf riders");
    m_view->Tree()->setCurrentItem(first);
    m_view->OnAddUnit();
    SelectType("T5 Warriors");
    m_view->Tree()->setCurrentItem(second);
    m_view->OnAddUnit();
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem());
    m_view->OnAddUnit();
    VerifyStored();

    // A group leader dropped on another is placed right after it and keeps its units.
    DragMember(first, second);
    QCOMPARE(CArmyView::UnitOf(m_view->WarchiefItem()->child(0)), secondLeader);
    QTreeWidgetItem* moved = m_view->WarchiefItem()->child(1);
    QCOMPARE(CArmyView::UnitOf(moved), firstLeader);
    QCOMPARE(moved->childCount(), 1);
    QCOMPARE(CArmyView::UnitOf(moved->child(0))->IdLeader, firstLeader->IdUnite);
    VerifyStored();

    // A unit dropped on a group leader becomes its first unit, its mount following it.
    QTreeWidgetItem* riders = ItemOf("T1 Wolf riders");
    CArmyUnit* ridersUnit = CArmyView::UnitOf(riders);
    DragMember(riders, ItemOf("T3 Orc warlord") /* the warchief */);
    QCOMPARE(CArmyView::UnitOf(m_view->WarchiefItem()->child(0)), ridersUnit);
    QCOMPARE(ridersUnit->IdLeader, CArmyView::UnitOf(m_view->WarchiefItem())->IdUnite);
    QCOMPARE(ridersUnit->m_attached.GetHead()->IdLeader, ridersUnit->IdLeader);
    VerifyStored();
    DragMember(ItemOf("T1 Wolf riders"), m_view->WarchiefItem()->child(1));
    QCOMPARE(CArmyView::UnitOf(m_view->WarchiefItem()->child(0)->child(0)), ridersUnit);
    QCOMPARE(ridersUnit->m_attached.GetHead()->IdLeader, secondLeader->IdUnite);
    VerifyStored();

    // A group leader cannot go under a unit: a warning, and nothing moves anywhere.
    const QStringList before = TreeShape();
    DragMember(ItemOf("First"), ItemOf("T5 Warriors"));
    QCOMPARE(m_messages->Ids(), QList<int>{154});
    QCOMPARE(TreeShape(), before);
    VerifyStored();

    // Releasing on the dragged item itself, or on no item, does nothing.
    DragMember(ItemOf("First"), ItemOf("First"));
    DragMember(ItemOf("First"), nullptr);
    QCOMPARE(TreeShape(), before);
}

void TestArmyView::catalogueTypesDropOnTheTree() {
    // On an empty army only a leader type may come, and it becomes the warchief.
    DropType("T5 Warriors", nullptr);
    QCOMPARE(m_messages->Ids(), QList<int>{165});
    DropType("T3 Orc warlord", nullptr);
    QVERIFY(m_view->WarchiefItem());
    DropType("T3 Orc warlord", ItemOf("T3"));
    QCOMPARE(m_view->WarchiefItem()->childCount(), 1); // a second leader type: a group leader
    QTreeWidgetItem* leader = m_view->WarchiefItem()->child(0);

    // A unit type on no item goes under the warchief; on a unit, under that unit's leader.
    DropType("T5 Warriors", nullptr);
    QCOMPARE(m_view->WarchiefItem()->childCount(), 2);
    DropType("T2 One-eyed brute", leader);
    QCOMPARE(leader->childCount(), 1);
    DropType("T6 Rock lobber", leader->child(0));
    QCOMPARE(leader->childCount(), 2);
    VerifyStored();
}

void TestArmyView::armyReopensAsItWasLeftEvenAfterAKill() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    m_view->OnAddGroupLeader();
    m_view->OnAddGroupLeader();
    QTreeWidgetItem* second = m_view->WarchiefItem()->child(1);
    SelectType("T1 Wolf riders");
    m_view->Tree()->setCurrentItem(second);
    m_view->OnAddUnit();
    SelectType("T2 One-eyed brute");
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem()->child(0));
    m_view->OnAddUnit();
    DragMember(m_view->WarchiefItem()->child(0), m_view->WarchiefItem()->child(1));
    const QStringList shape = TreeShape();
    const int armyId = ArmyId();

    // Closed and opened again: the same tree.
    m_frame->OnCloseArmy();
    QVERIFY(!m_view->Tree()->isVisible());
    m_frame->OpenArmy(armyId);
    QCOMPARE(TreeShape(), shape);
    VerifyStored();
    m_frame->OpenArmy(armyId); // already open: said, and nothing reloaded
    QCOMPARE(m_messages->Ids(), QList<int>{230});
    m_messages->Clear();

    // Killed without closing: what is stored already rebuilds the same tree.
    DragMember(ItemOf("T1 Wolf riders"), m_view->WarchiefItem());
    const QStringList moved = TreeShape();
    m_view->ClearArmy();
    CArmy::Instance().Open(armyId); // reads the database as a new process would
    m_view->FillTree();
    m_view->RefreshList();
    QCOMPARE(TreeShape(), moved);

    // A member stored before its own leader, or under a leader that is gone, lands under the
    // warchief instead of being lost.
    QVERIFY(m_source->ExecOnOtherConnection(
        "UPDATE ArmeeCompo SET IdVisual = -1 WHERE NomUnitType = 'T2 One-eyed brute'"));
    QVERIFY(m_source->ExecOnOtherConnection(
        "UPDATE ArmeeCompo SET IdLeader = 99999 WHERE NomUnitType = 'T1 Wolf riders'"));
    m_frame->OnCloseArmy();
    m_messages->Clear();
    m_frame->OpenArmy(armyId);
    QCOMPARE(m_view->List()->topLevelItemCount(), CArmy::Instance().Units().GetCount());
    QCOMPARE(ItemOf("T1 Wolf riders")->parent(), m_view->WarchiefItem());
    QCOMPARE(ItemOf("T2 One-eyed brute")->parent()->parent(), m_view->WarchiefItem());
    QCOMPARE(CArmyView::UnitOf(m_view->WarchiefItem())->Hierarchie, 1);
    VerifyStored(); // the order, mended on opening, is stored again
}

void TestArmyView::aFailedStoreShowsTheArmyAsStored() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    // The database refuses this one type; the view must not keep showing it.
    QVERIFY(m_source->ExecOnOtherConnection(
        "CREATE TRIGGER refuse BEFORE INSERT ON ArmeeCompo WHEN NEW.NomUnitType = 'T5 Warriors' "
        "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"));
    SelectType("T5 Warriors");
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem());
    m_view->OnAddUnit();
    QCOMPARE(m_messages->Messages().size(), 1);
    QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
    QVERIFY(!ItemOf("T5 Warriors"));
    QCOMPARE(m_view->WarchiefItem()->childCount(), 0);
    m_messages->Clear();
    VerifyStored();
    QVERIFY(m_messages->Ids().isEmpty());

    // A name too long for its column is refused whole, never cut.
    CArmyUnit* chief = CArmyView::UnitOf(m_view->WarchiefItem());
    chief->Nom = QString(256, QLatin1Char('x'));
    QCOMPARE(CArmyDatabase::Instance().RenameUnit(*chief), 0);
    QCOMPARE(m_messages->Ids(), QList<int>{235});
}

void TestArmyView::propertiesAreStoredOrForgotten() {
    SelectType("T3 Orc warlord");
    m_view->OnAddWarchief();
    SelectType("T2 One-eyed brute");
    m_view->Tree()->setCurrentItem(m_view->WarchiefItem());
    m_view->OnAddUnit();
    CArmyUnit* brute = CArmyView::UnitOf(ItemOf("T2"));

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
    CItemList<CArmyUnit*> stored;
    CArmyDatabase::Instance().LoadArmyUnits(ArmyId(), stored);
    QCOMPARE(stored.GetTail()->Nom, QStringLiteral("Grok l'Ancien"));
    VerifyStored();

    // Over budget, the rest turns red and negative.
    CArmy::Instance().GetHeader().NombrePointMax = 50;
    m_view->RefreshHeader();
    QCOMPARE(m_view->BudgetStrip()->Rest(), -45);
    QCOMPARE(m_view->BudgetStrip()->RestColour(), QColor(255, 0, 0));
}

QTEST_MAIN(TestArmyView)
#include "tst_armyview.moc"
