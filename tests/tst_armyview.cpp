#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/CommandIds.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "editor/CBudgetStrip.h"
#include "editor/CRenameUnitDlg.h"
#include "model/CArmy.h"
#include "widgets/CDragRecord.h"
#include "widgets/CUnitStatsList.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTextLayout>
#include <QtTest>

// The army view in the main window on a real data source: the player's gestures reach the army,
// and the tree, the list and the strip show what is stored after each of them.
class TestArmyView : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CCatalogue> m_catalogue;
    std::unique_ptr<CMainFrame> m_frame;
    CArmyView* m_view = nullptr;
    // The view after each change that differed from a view built afresh from the army.
    QStringList m_stale;

    // An icon as drawn, since a view built afresh loads its own copies.
    static QString Drawn(const QIcon& icon) {
        const QImage image = icon.pixmap(8).toImage();
        return QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    }
    // The tree as indented labels, leaders marked, then the list as "- " and dotted names; with
    // whole, every cell of the rows and the strip too.
    static QStringList Shape(const CArmyView& view, bool whole = false) {
        QStringList lines;
        for (QTreeWidgetItemIterator it(view.Tree()); *it; ++it) {
            int depth = 0;
            for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                ++depth;
            lines << QString(depth * 2, u' ') + Plain((*it)->text(0)) +
                         ((*it)->font(0).bold() ? " [b]" : "") +
                         (whole ? Drawn((*it)->icon(0)) : "");
        }
        const CUnitStatsList* list = view.List();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QString line = "- " + QString(list->IndentOf(row) * 2, u'.') + list->UnitAt(row)->Nom;
            for (int column = 1; whole && column < list->columnCount(); ++column)
                line += u'|' + list->topLevelItem(row)->text(column) +
                        Drawn(list->topLevelItem(row)->icon(column));
            lines << line;
        }
        // A closed army's strip is hidden, whatever it last said.
        return whole && CArmy::Instance().IsOpen() ? lines + view.BudgetStrip()->Texts() : lines;
    }
    // The view must show what a full rebuild shows, and the list row of the member selected.
    void CompareWithFreshView() {
        CArmyView fresh;
        fresh.ShowOpenArmy();
        const CUnitStatsList* list = m_view->List();
        if (Shape(*m_view, true) != Shape(fresh, true) ||
            list->UnitAt(list->indexOfTopLevelItem(list->currentItem())) !=
                m_view->GetSelectedUnit())
            m_stale << Shape(*m_view, true).join(u'/');
    }

    QTreeWidgetItem* Type(const QString& name) const {
        const QTreeWidget* catalogue = m_frame->CatalogueBar()->Tree();
        return catalogue->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    // The member whose label, its name's isolation marks aside, starts so.
    QTreeWidgetItem* Item(const QString& prefix) const {
        for (QTreeWidgetItemIterator it(m_view->Tree()); *it; ++it) {
            if (Plain((*it)->text(0)).startsWith(prefix))
                return *it;
        }
        return nullptr;
    }
    void Select(const QString& type) {
        m_frame->CatalogueBar()->Tree()->setCurrentItem(Type(type));
    }
    // "Ajouter" with the member whose label starts so selected.
    void AddUnder(const QString& leader, const QString& type) {
        Select(type);
        m_view->Tree()->setCurrentItem(Item(leader));
        m_view->OnAddUnit();
    }
    // A drag from either tree released on the army tree over target (nullptr: empty space).
    void Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
        CDragRecord& record = CDragRecord::Instance();
        if (dragged->treeWidget() == m_view->Tree())
            record.BeginArmyDrag(dragged);
        else
            record.BeginCatalogueDrag(dragged);
        record.m_nDropState = CDragRecord::kDroppedOnAcceptingTree;
        record.m_pTargetItem = target;
        record.m_pTargetWindow = m_view->Tree();
        m_view->FinishDrop();
    }

private slots:
    void init() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        m_messages = std::make_unique<MessageRecorder>();
        m_catalogue = LoadedCatalogue();
        m_frame = std::make_unique<CMainFrame>(*m_catalogue);
        m_frame->show();
        m_view = m_frame->ArmyView();
        // After the view's own slots, which were connected first.
        connect(&CArmy::Instance(), &CArmy::changed, this, &TestArmyView::CompareWithFreshView);
        connect(&CArmy::Instance(), &CArmy::reloaded, this, &TestArmyView::CompareWithFreshView);
        m_frame->CreateArmy(13, QStringLiteral("Horde d'Urk"), 500);
        QVERIFY(CArmy::Instance().IsOpen() && m_view->Tree()->isVisible());
    }
    void cleanup() {
        disconnect(&CArmy::Instance(), nullptr, this, nullptr);
        const QStringList stale = std::exchange(m_stale, {});
        if (CArmy::Instance().IsOpen())
            m_frame->OnCloseArmy();
        m_frame.reset();
        m_messages.reset();
        CArmyDatabase::Instance().CloseDatabase();
        m_source.reset();
        QCOMPARE(stale.join("\n"), QString());
    }

    void commandsAddAsTheCatalogueAndTreeSelectionSay() {
        Select("T3 Orc warlord");
        m_view->OnAddGroupLeader();
        m_view->OnAddWarchief();
        m_view->OnAddWarchief();
        QCOMPARE(m_messages->Ids(), (QList<int>{165, 164}));
        m_view->OnAddGroupLeader();
        QCOMPARE(m_view->GetSelectedUnit(), CArmy::Instance().Units().GetTail());

        // A unit goes under the leader selected in the tree, with the types attached to it.
        Select("T5 Warriors");
        m_view->Tree()->clearSelection();
        m_view->OnAddUnit();
        QCOMPARE(m_messages->Ids().last(), 166);
        AddUnder("T3 Orc warlord - 60 pts / 0 Pc", "Iron cannon");
        // A machine shows its figures like troops.
        QCOMPARE(Item("Iron")->text(0),
                 Isolated("Iron cannon") + QStringLiteral(" - 70 pts 1 fig"));
        // A leader type through "Ajouter" becomes a group leader, as a drop would make it.
        Select("T3 Orc warlord");
        m_view->OnAddUnit();
        QCOMPARE(CArmyTree::UnitOf(m_view->Tree()->WarchiefItem()->child(2))->Hierarchie, 2);

        // A leader comes with his mount, as a unit with its attached types: his item alone in
        // the tree, the mount's row after his, its price in the army's.
        m_messages->SetNextAnswer(true);
        m_view->DeleteItem(m_view->Tree()->WarchiefItem());
        Select("Dwarf lord");
        m_view->OnAddWarchief();
        m_view->OnAddGroupLeader();
        QCOMPARE(Shape(*m_view),
                 (QStringList{"Dwarf lord - 70 pts / 0 Pc [b]", "  Dwarf lord - 70 pts / 0 Pc [b]",
                              "- Dwarf lord", "- War boar", "- ..Dwarf lord", "- ..War boar"}));
        QCOMPARE(m_view->BudgetStrip()->Texts().at(1), QStringLiteral("Cost 156 -"));
    }

    void treeAndListShowTheArmyAfterEveryEdit() {
        CArmy& army = CArmy::Instance();
        Select("T3 Orc warlord");
        m_view->OnAddWarchief();
        m_view->OnAddGroupLeader();
        // A name is shown as it is, placeholders and all.
        army.RenameMember(army.Units().GetTail(), QStringLiteral("Chef %1 %2"));
        AddUnder("Chef", "T1 Wolf riders");
        AddUnder("T3", "T2 One-eyed brute");
        army.SetProperties(QStringLiteral("Horde %1"), 500);
        QCOMPARE(
            Shape(*m_view),
            (QStringList{"T3 Orc warlord - 60 pts / 0 Pc [b]", "  Chef %1 %2 - 60 pts / 0 Pc [b]",
                         "    T1 Wolf riders - 55 pts 5 fig", "  T2 One-eyed brute - 35 pts",
                         "- T3 Orc warlord", "- ..Chef %1 %2", "- ....T1 Wolf riders",
                         "- ....T4 Wolf", "- ..T2 One-eyed brute"}));
        QCOMPARE(Plain(m_view->BudgetStrip()->Texts().join(u'|')),
                 QStringLiteral("Horde %1       Budget 500 -|Cost 210 -|Rest 290"));

        // What the player collapsed and selected stays so through the next edits.
        Item("Chef")->setExpanded(false);
        m_view->Tree()->setCurrentItem(Item("T2"));
        AddUnder("T3", "T5 Warriors");
        QVERIFY(!Item("Chef")->isExpanded());
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T3 Orc warlord"));
        m_view->Tree()->setCurrentItem(Item("T2"));
        CArmyUnit* warriors = CArmyTree::UnitOf(Item("T5"));
        CArmyUnit edited = *warriors;
        edited.NombreFig = 20;
        edited.CoutTotal = 120;
        army.UpdateMember(warriors, edited);
        army.RenameMember(warriors, QStringLiteral("Gars"));
        QCOMPARE(Plain(Item("Gars")->text(0)), QStringLiteral("Gars - 120 pts 20 fig"));
        // A name written right to left keeps the price after it, as the label is laid out.
        const QString mixed = QStringLiteral("Cavaliers 🐂 فرسان");
        army.RenameMember(warriors, mixed);
        const QString label = Item("Cavaliers")->text(0);
        const auto drawnAfterName = [&mixed](const QString& text) {
            QTextLayout layout(text, QFont());
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            const int name = static_cast<int>(text.indexOf(mixed));
            qreal nameRight = 0;
            for (int i = name; i <= name + mixed.size(); ++i)
                nameRight = std::max(nameRight, line.cursorToX(i));
            const int price = static_cast<int>(text.indexOf(QStringLiteral("120")));
            return line.cursorToX(price) >= nameRight - 0.5;
        };
        QVERIFY(drawnAfterName(label));
        QVERIFY(!drawnAfterName(Plain(label))); // as it was drawn before
        army.RenameMember(warriors, QStringLiteral("Gars"));
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T2 One-eyed brute"));

        // An individual only gets a new name through its dialog; Cancel leaves it as it was.
        for (const bool ok : {false, true}) {
            QTimer::singleShot(0, [ok] {
                auto* dialog = qobject_cast<CRenameUnitDlg*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText("Grok");
                ok ? dialog->accept() : dialog->reject();
            });
            m_view->ShowUnitProperties(m_view->GetSelectedUnit());
            QCOMPARE(m_view->GetSelectedUnit()->Nom, ok ? "Grok" : "T2 One-eyed brute");
        }

        // Over budget, the rest turns red and negative.
        army.SetProperties(army.GetName(), 50);
        QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest -280"));
        QCOMPARE(m_view->BudgetStrip()->RestColour(), QColor(255, 0, 0));

        // A member added below what the tree shows is in view there by the next paint; chosen,
        // its row is in view in the list.
        for (int i = 0; i < 40; ++i)
            AddUnder("T3", "T2 One-eyed brute");
        QApplication::processEvents();
        const CArmyUnit* added = army.Units().GetTail();
        const auto inView = [](QTreeWidget* view, QTreeWidgetItem* item) {
            const QRect shown = view->visualItemRect(item);
            return item && view->verticalScrollBar()->value() > 0 && shown.top() >= 0 &&
                   shown.bottom() < view->viewport()->height();
        };
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(m_view->Tree()); *it && !item; ++it)
            item = CArmyTree::UnitOf(*it) == added ? *it : nullptr;
        QVERIFY(inView(m_view->Tree(), item));
        m_view->Tree()->setCurrentItem(item);
        QApplication::processEvents();
        QCOMPARE(m_view->List()->UnitAt(added->IdVisual), added);
        QVERIFY(inView(m_view->List(), m_view->List()->topLevelItem(added->IdVisual)));
    }

    void deletesAskWhereTheyTakeMoreAndUndoBringsBack() {
        Select("T3 Orc warlord");
        m_view->OnAddWarchief();
        m_view->OnAddGroupLeader();
        CArmy::Instance().RenameMember(CArmy::Instance().Units().GetTail(), QStringLiteral("Chef"));
        AddUnder("Chef", "T1 Wolf riders");
        CUnitStatsList* list = m_view->List();
        const auto press = [](QWidget* where) { QTest::keyClick(where, Qt::Key_Delete); };

        // The Delete key on an attached unit's row does nothing; on its main unit's row it deletes.
        list->setCurrentItem(list->topLevelItem(3));
        press(list);
        QCOMPARE(list->topLevelItemCount(), 4);
        // A group leader with units asks first; No keeps everything.
        m_messages->SetNextAnswer(false);
        m_view->Tree()->setCurrentItem(Item("Chef"));
        press(m_view->Tree());
        QCOMPARE(m_messages->Ids(), QList<int>{153});
        QCOMPARE(list->topLevelItemCount(), 4);
        list->setCurrentItem(list->topLevelItem(2));
        press(list);
        QCOMPARE(list->topLevelItemCount(), 2);

        // The warchief with members asks too; afterwards the army is open, empty and worth 0.
        const QStringList before = Shape(*m_view);
        m_messages->SetNextAnswer(true);
        m_view->DeleteItem(m_view->Tree()->WarchiefItem());
        QCOMPARE(m_messages->Ids(), (QList<int>{153, 152}));
        QVERIFY(CArmy::Instance().IsOpen() && m_view->Tree()->isVisible());
        QCOMPARE(Shape(*m_view), QStringList());
        QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest 500"));
        m_frame->Action(ID_EDIT_UNDO)->trigger();
        QCOMPARE(Shape(*m_view), before);
    }

    void dropsAndDragsReachTheArmy() {
        // On an empty army only a leader type may come, and it becomes the warchief.
        Drop(Type("T5 Warriors"), nullptr);
        QCOMPARE(m_messages->Ids(), QList<int>{165});
        Drop(Type("T3 Orc warlord"), nullptr);
        Drop(Type("T3 Orc warlord"), Item("T3"));
        // Items are made anew after each edit: the group leader's is looked up each time.
        const auto group = [this] { return m_view->Tree()->WarchiefItem()->child(0); };
        // Empty space stands for the warchief; a leader for itself.
        Drop(Type("T5 Warriors"), nullptr);
        Drop(Type("T2 One-eyed brute"), group());
        // A leader cannot go under a unit: a warning, and nothing moves.
        const QStringList before = Shape(*m_view);
        Drop(group(), Item("T5"));
        QCOMPARE(m_messages->Ids(), (QList<int>{165, 154}));
        QCOMPARE(Shape(*m_view), before);

        // A unit dragged on a group leader becomes its first unit, and is selected.
        Drop(Item("T5"), group());
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T5 Warriors"));
        // A unit type dropped on a unit goes to that unit's leader.
        Drop(Type("T1 Wolf riders"), Item("T5"));
        QCOMPARE(
            Shape(*m_view),
            (QStringList{"T3 Orc warlord - 60 pts / 0 Pc [b]",
                         "  T3 Orc warlord - 60 pts / 0 Pc [b]", "    T5 Warriors - 60 pts 10 fig",
                         "    T2 One-eyed brute - 35 pts", "    T1 Wolf riders - 55 pts 5 fig",
                         "- T3 Orc warlord", "- ..T3 Orc warlord", "- ....T5 Warriors",
                         "- ....T2 One-eyed brute", "- ....T1 Wolf riders", "- ....T4 Wolf"}));
    }

    void aFailedStoreShowsTheArmyAsStored() {
        Select("T3 Orc warlord");
        m_view->OnAddWarchief();
        const QStringList before = Shape(*m_view);
        // The database refuses this one type; the view must not keep showing it.
        QVERIFY(m_source->ExecOnOtherConnection(
            "CREATE TRIGGER refuse BEFORE INSERT ON ArmeeCompo WHEN NEW.NomUnitType = 'T5 "
            "Warriors' "
            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"));
        AddUnder("T3", "T5 Warriors");
        QCOMPARE(m_messages->Messages().size(), 1);
        QCOMPARE(m_messages->Messages().first().kind, MessageBox::Kind::DatabaseError);
        QCOMPARE(Shape(*m_view), before);

        // Read back, the army itself cannot be read any more: no army is left open or shown.
        QVERIFY(m_source->ExecOnOtherConnection("DROP TRIGGER refuse"));
        QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE ArmeeCompo RENAME TO Elsewhere"));
        m_messages->Clear();
        AddUnder("T3", "T5 Warriors");
        QCOMPARE(m_messages->Messages().size(), 2); // the refused store, then the refused read
        QVERIFY(!CArmy::Instance().IsOpen() && !m_view->Tree()->isVisible());
        QVERIFY(!m_frame->Action(ID_ARMY_CLOSE)->isEnabled());
        QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE Elsewhere RENAME TO ArmeeCompo"));
    }
};

QTEST_MAIN(TestArmyView)
#include "tst_armyview.moc"
