// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/CommandIds.h"
#include "core/DragPayload.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "editor/CArmyStatsList.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "editor/CBudgetStrip.h"
#include "editor/CRenameUnitDlg.h"
#include "model/CArmy.h"
#include "model/CArmyModel.h"
#include "model/CArmyStatsModel.h"
#include "widgets/CDragTreeWidget.h"

#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
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
    static void TreeShape(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
                          bool whole, QStringList& lines) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            lines << QString(depth * 2, u' ') + Plain(index.data().toString()) +
                         (index.data(Qt::FontRole).value<QFont>().bold() ? " [b]" : "") +
                         (whole ? Drawn(index.data(Qt::DecorationRole).value<QIcon>()) : "");
            TreeShape(model, index, depth + 1, whole, lines);
        }
    }
    static QStringList Shape(const CArmyView& view, bool whole = false) {
        QStringList lines;
        TreeShape(*view.Tree()->model(), {}, 0, whole, lines);
        const QAbstractItemModel& list = *view.List()->model();
        for (int row = 0; row < list.rowCount(); ++row) {
            const QModelIndex name = list.index(row, 0);
            QString line = "- " + QString(name.data(CArmyModel::DepthRole).toInt() * 2, u'.') +
                           name.data().toString() +
                           (whole ? Drawn(name.data(Qt::DecorationRole).value<QIcon>()) : "");
            for (int column = 1; whole && column < list.columnCount(); ++column)
                line += u'|' + list.index(row, column).data().toString() +
                        Drawn(list.index(row, column).data(Qt::DecorationRole).value<QIcon>());
            lines << line;
        }
        // A closed army's strip is hidden, whatever it last said.
        return whole && TheArmy().IsOpen() ? lines + view.BudgetStrip()->Texts() : lines;
    }
    // The view must show what a view built afresh shows, and the list row of the member
    // selected.
    void CompareWithFreshView() {
        CArmyView fresh(TheArmy());
        fresh.ShowOpenArmy();
        const CArmyUnit* listed = m_view->List()->CurrentUnit();
        if (Shape(*m_view, true) != Shape(fresh, true) ||
            (listed && listed->m_pMainUnit ? listed->m_pMainUnit : listed) !=
                m_view->GetSelectedUnit())
            m_stale << Shape(*m_view, true).join(u'/');
    }

    QTreeWidgetItem* Type(const QString& name) const {
        const QTreeWidget* catalogue = m_frame->CatalogueBar()->Tree();
        return catalogue->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    // The member's row whose label, its name's isolation marks aside, starts so.
    QModelIndex Item(const QString& prefix, const QModelIndex& parent = {}) const {
        const QAbstractItemModel& model = *m_view->Model();
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            if (Plain(index.data().toString()).startsWith(prefix))
                return index;
            if (const QModelIndex below = Item(prefix, index); below.isValid())
                return below;
        }
        return {};
    }
    CArmyUnit* UnitOf(const QModelIndex& index) const { return m_view->Model()->UnitAt(index); }
    void Select(const QString& type) {
        m_frame->CatalogueBar()->Tree()->setCurrentItem(Type(type));
    }
    // "Ajouter" with the member whose label starts so selected.
    void AddUnder(const QString& leader, const QString& type) {
        Select(type);
        m_view->Tree()->setCurrentIndex(Item(leader));
        m_view->OnAddUnit();
    }
    // What the catalogue's drag of a type carries.
    QMimeData* TypeDrag(const QString& type) const {
        auto* data = new QMimeData;
        data->setData(
            DragPayload::UnitTypesFormat(),
            DragPayload::Encode({m_frame->CatalogueBar()->UnitTypeOf(Type(type))->ArmyTypeId}));
        return data;
    }
    // A drag carrying data entered, moved and released on the army tree over target (invalid:
    // empty space); whether the tree took it. The army makes the drop once the drag is over.
    bool Drop(QMimeData* carried, const QModelIndex& target) {
        const std::unique_ptr<QMimeData> data(carried);
        QWidget* viewport = m_view->Tree()->viewport();
        const QPoint at = target.isValid() ? m_view->Tree()->visualRect(target).center()
                                           : QPoint(10, viewport->height() - 5);
        const Qt::DropActions actions =
            data->hasFormat(DragPayload::MembersFormat()) ? Qt::MoveAction : Qt::CopyAction;
        QDragEnterEvent enter(at, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        if (!move.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(viewport, &leave);
            return false;
        }
        QDropEvent drop(at, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    }
    bool Drop(const QString& type, const QModelIndex& target) {
        return Drop(TypeDrag(type), target);
    }
    bool Drop(const QModelIndex& dragged, const QModelIndex& target) {
        return Drop(m_view->Model()->mimeData({dragged}), target);
    }

private slots:
    void init() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        m_messages = std::make_unique<MessageRecorder>();
        m_catalogue = LoadedCatalogue();
        m_frame = std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), *m_catalogue);
        m_frame->resize(1200, 800);
        m_frame->show();
        m_view = m_frame->ArmyView();
        // After the view's own slots, which were connected first.
        connect(&TheArmy(), &CArmy::changed, this, &TestArmyView::CompareWithFreshView);
        connect(&TheArmy(), &CArmy::reloaded, this, &TestArmyView::CompareWithFreshView);
        m_frame->CreateArmy(13, QStringLiteral("Horde d'Urk"), 500);
        QVERIFY(TheArmy().IsOpen() && m_view->Tree()->isVisible());
        // A third for the tree, two for the list.
        QApplication::processEvents();
        const QList<int> sizes = m_view->Splitter()->sizes();
        QVERIFY2(
            sizes.at(0) > 100 && qAbs(sizes.at(1) - 2 * sizes.at(0)) <= 2,
            qPrintable(
                QStringLiteral("%1 %2 %3").arg(sizes.at(0)).arg(sizes.at(1)).arg(m_view->width())));
    }
    void cleanup() {
        disconnect(&TheArmy(), nullptr, this, nullptr);
        const QStringList stale = std::exchange(m_stale, {});
        if (TheArmy().IsOpen())
            m_frame->OnCloseArmy();
        m_frame.reset();
        m_messages.reset();
        TheDatabase().CloseDatabase();
        m_source.reset();
        QCOMPARE(stale.join("\n"), QString());
    }

    void treeAndListShowTheArmyAfterEveryEdit() {
        CArmy& army = TheArmy();
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

        // A row chosen in the list chooses its member in the tree; a mount's row, its rider,
        // the list staying on the mount.
        const auto chooseInList = [this](const QString& name) {
            const QAbstractItemModel& list = *m_view->StatsModel();
            for (int row = 0; row < list.rowCount(); ++row) {
                if (list.index(row, 0).data().toString() == name)
                    m_view->List()->setCurrentIndex(list.index(row, 0));
            }
            QApplication::processEvents();
        };
        chooseInList("T2 One-eyed brute");
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T2 One-eyed brute"));
        chooseInList("T4 Wolf");
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T1 Wolf riders"));
        QCOMPARE(m_view->List()->CurrentUnit()->NomUnitType, QStringLiteral("T4 Wolf"));

        // What the player collapsed and selected stays so through the next edits.
        m_view->Tree()->collapse(Item("Chef"));
        m_view->Tree()->setCurrentIndex(Item("T2"));
        AddUnder("T3", "T5 Warriors");
        QVERIFY(!m_view->Tree()->isExpanded(Item("Chef")));
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T3 Orc warlord"));
        m_view->Tree()->setCurrentIndex(Item("T2"));
        CArmyUnit* warriors = UnitOf(Item("T5"));
        CArmyUnit edited = *warriors;
        edited.NombreFig = 20;
        edited.CoutTotal = 120;
        army.UpdateMember(warriors, edited);
        // A name written right to left keeps the price after it, as the label is laid out.
        const QString mixed = QStringLiteral("Cavaliers 🐂 فرسان");
        army.RenameMember(warriors, mixed);
        const QString label = Item("Cavaliers").data().toString();
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
        // A machine shows its figures like troops.
        AddUnder("T3", "Iron cannon");
        QCOMPARE(Item("Iron").data().toString(),
                 Isolated("Iron cannon") + QStringLiteral(" - 70 pts 1 fig"));

        // A member added below what the tree shows is in view there by the next paint; chosen,
        // its row is in view in the list.
        for (int i = 0; i < 40; ++i)
            AddUnder("T3", "T2 One-eyed brute");
        QApplication::processEvents();
        const CArmyUnit* added = army.Units().GetTail();
        const auto inView = [](QTreeView* view, const QModelIndex& index) {
            const QRect shown = view->visualRect(index);
            return index.isValid() && view->verticalScrollBar()->value() > 0 && shown.top() >= 0 &&
                   shown.bottom() < view->viewport()->height();
        };
        const QModelIndex item = m_view->Model()->IndexOf(added);
        QVERIFY(inView(m_view->Tree(), item));
        m_view->Tree()->setCurrentIndex(item);
        QApplication::processEvents();
        QCOMPARE(m_view->StatsModel()->UnitAt(added->IdVisual), added);
        QVERIFY(inView(m_view->List(), m_view->StatsModel()->index(added->IdVisual, 0)));
        // The list's rows are indented by depth; their first cells ask for the room.
        QStyleOptionViewItem option;
        option.initFrom(m_view->List());
        const QModelIndex nested = m_view->StatsModel()->index(added->IdVisual, 0);
        QCOMPARE(m_view->List()->itemDelegateForColumn(0)->sizeHint(option, nested).width() -
                     QStyledItemDelegate().sizeHint(option, nested).width(),
                 CArmyStatsList::kIndentStep);
    }

    void deletesAskWhereTheyTakeMore() {
        Select("T3 Orc warlord");
        m_view->OnAddWarchief();
        m_view->OnAddGroupLeader();
        TheArmy().RenameMember(TheArmy().Units().GetTail(), QStringLiteral("Chef"));
        AddUnder("Chef", "T1 Wolf riders");
        CArmyStatsList* list = m_view->List();
        const QAbstractItemModel& rows = *list->model();
        const auto press = [](QWidget* where) { QTest::keyClick(where, Qt::Key_Delete); };

        // The Delete key on an attached unit's row does nothing; on its main unit's row it
        // deletes.
        list->SelectRow(3);
        press(list);
        QCOMPARE(rows.rowCount(), 4);
        // A group leader with units asks first; No keeps everything.
        m_messages->SetNextAnswer(false);
        m_view->Tree()->setCurrentIndex(Item("Chef"));
        press(m_view->Tree());
        QCOMPARE(m_messages->Ids(), QList<int>{153});
        QCOMPARE(rows.rowCount(), 4);
        list->SelectRow(2);
        press(list);
        QCOMPARE(rows.rowCount(), 2);

        // The warchief with members asks too; afterwards the army is open, empty and worth 0.
        m_messages->SetNextAnswer(true);
        m_view->DeleteMember(TheArmy().GetWarchief());
        QCOMPARE(m_messages->Ids(), (QList<int>{153, 152}));
        QVERIFY(TheArmy().IsOpen() && !TheArmy().HasUnits() && m_view->Tree()->isVisible());
        QCOMPARE(m_view->BudgetStrip()->Texts().last(), QStringLiteral("Rest 500"));
    }

    // The tree's own drag events reach the model, which decides by the placement rules (the
    // army item model test's).
    void dropsAndDragsReachTheArmy() {
        // Empty space stands for the warchief, or makes him; a leader for himself.
        QVERIFY(Drop("T3 Orc warlord", {}));
        QVERIFY(Drop("T3 Orc warlord", Item("T3")));
        const auto group = [this] { return m_view->Model()->index(0, 0, Item("T3")); };
        QVERIFY(Drop("T5 Warriors", {}));
        QVERIFY(Drop("T2 One-eyed brute", group()));
        // What the model refuses the tree does not take: the warchief, data of another kind.
        auto text = new QMimeData;
        text->setText(QStringLiteral("T5 Warriors"));
        QVERIFY(!Drop(Item("T3"), group()));
        QVERIFY(!Drop(text, Item("T5")));

        // A unit dragged on a group leader becomes its first unit, and is selected.
        QVERIFY(Drop(Item("T5"), group()));
        QCOMPARE(m_view->GetSelectedUnit()->NomUnitType, QStringLiteral("T5 Warriors"));
        // A unit type dropped on a unit goes to that unit's leader.
        QVERIFY(Drop("T1 Wolf riders", Item("T5")));
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
        QVERIFY(!TheArmy().IsOpen() && !m_view->Tree()->isVisible());
        QVERIFY(!m_frame->Action(ID_ARMY_CLOSE)->isEnabled());
        QVERIFY(m_source->ExecOnOtherConnection("ALTER TABLE Elsewhere RENAME TO ArmeeCompo"));
    }
};

QTEST_MAIN(TestArmyView)
#include "tst_armyview.moc"
