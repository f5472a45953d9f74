#include "widgets/CDragRecord.h"
#include "widgets/CTreeDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <QtTest>

// Drags between the catalogue tree, which refuses drops, and the army tree, which takes them.
class TestDragDrop : public QObject {
    Q_OBJECT

    static std::unique_ptr<QTreeWidget> MakeTree() {
        auto tree = std::make_unique<QTreeWidget>();
        for (int i = 0; i < 4; ++i)
            tree->addTopLevelItem(new QTreeWidgetItem({QString::number(i)}));
        tree->resize(300, 400);
        tree->show();
        return tree;
    }
    // Sends one drag event over a row (-1: empty space) of the viewport, with our data unless
    // told otherwise; answers whether it was taken.
    static bool Send(QTreeWidget& tree, QEvent::Type type, int row,
                     const QMimeData* data = nullptr) {
        static const std::unique_ptr<QMimeData> ours(CTreeDropTarget::CreateDragData());
        const QPoint at =
            row < 0 ? QPoint(10, 390) : tree.visualItemRect(tree.topLevelItem(row)).center();
        const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        data = data ? data : ours.get();
        std::unique_ptr<QDropEvent> event =
            type == QEvent::Drop
                ? std::make_unique<QDropEvent>(at, actions, data, Qt::LeftButton, Qt::NoModifier)
                : std::make_unique<QDragMoveEvent>(at, actions, data, Qt::LeftButton,
                                                   Qt::NoModifier, type);
        QApplication::sendEvent(tree.viewport(), event.get());
        return event->isAccepted();
    }

private slots:
    void dropsOnTheTrees() {
        auto catalogue = MakeTree(), army = MakeTree();
        CTreeDropTarget refusing(catalogue.get(), CTreeDropTarget::kRefuseDrops);
        CTreeDropTarget accepting(army.get(), CTreeDropTarget::kAcceptDrops);
        CDragRecord& record = CDragRecord::Instance();

        // The refusing tree lets a drag in but takes no drop, and records where it fell.
        record.BeginCatalogueDrag(catalogue->topLevelItem(0));
        QVERIFY(Send(*catalogue, QEvent::DragEnter, 1));
        QVERIFY(!Send(*catalogue, QEvent::DragMove, 2) && !Send(*catalogue, QEvent::Drop, 2));
        QCOMPARE(record.m_nDropState, int(CDragRecord::kDroppedOnRefusingTree));

        // The item under the drag is the target, and stays marked when the drag leaves, for the
        // source side to clear.
        QTreeWidgetItem* under = army->topLevelItem(3);
        record.BeginArmyDrag(army->topLevelItem(0));
        QVERIFY(Send(*army, QEvent::DragEnter, 1) && Send(*army, QEvent::DragMove, 3));
        QDragLeaveEvent leave;
        QApplication::sendEvent(army->viewport(), &leave);
        QCOMPARE(CTreeDropTarget::DropHighlight(army.get()), under);
        QVERIFY(Send(*army, QEvent::DragEnter, 3) && Send(*army, QEvent::Drop, 3));
        QVERIFY(record.m_pTargetItem == under && record.m_pTargetWindow == army.get());

        QVERIFY(record.IsValidArmyDrop());
        QVERIFY(Send(*army, QEvent::DragEnter, 0) && Send(*army, QEvent::Drop, 0)); // on itself
        QVERIFY(!record.IsValidArmyDrop());

        // Over empty space nothing is marked, so a release there has no target item: a type may
        // fall there, a member may not. Nothing of the drag before is left in the record.
        for (const bool member : {false, true}) {
            member ? record.BeginArmyDrag(army->topLevelItem(0))
                   : record.BeginCatalogueDrag(catalogue->topLevelItem(0));
            QVERIFY(!record.m_pTargetItem && !record.m_pTargetWindow && record.m_nDropState == 0);
            QVERIFY(Send(*army, QEvent::DragEnter, -1) && Send(*army, QEvent::Drop, -1));
            QVERIFY(!record.m_pTargetItem && record.IsValidCatalogueDrop() != member);
            QVERIFY(!record.IsValidArmyDrop());
        }

        // Foreign data (a dragged text or file) is refused, even when it reaches the tree.
        QMimeData text;
        text.setText(QStringLiteral("Lanciers"));
        record.Reset();
        QVERIFY(!Send(*army, QEvent::DragEnter, 2, &text) && !Send(*army, QEvent::Drop, 2, &text));
        QCOMPARE(CTreeDropTarget::DropHighlight(army.get()), nullptr);
        QCOMPARE(record.m_nDropState, int(CDragRecord::kNotDropped));
    }

    void highlightFollowsTheItems() {
        auto tree = MakeTree();
        QTreeWidgetItem* marked = tree->topLevelItem(0);
        const QBrush own(Qt::darkGreen);
        marked->setBackground(0, own);
        CTreeDropTarget::SetDropHighlight(tree.get(), marked);
        QCOMPARE(marked->background(0), tree->palette().brush(QPalette::Highlight));
        CTreeDropTarget::SetDropHighlight(tree.get(), tree->topLevelItem(1));
        QVERIFY(marked->background(0) == own && !marked->data(0, Qt::ForegroundRole).isValid());

        // A deleted item, or the parent of one, is forgotten before anything could touch it.
        auto* child = new QTreeWidgetItem(tree->topLevelItem(2), {QStringLiteral("c")});
        CTreeDropTarget::SetDropHighlight(tree.get(), child);
        delete tree->topLevelItem(3);
        QCOMPARE(CTreeDropTarget::DropHighlight(tree.get()), child);
        delete tree->topLevelItem(2);
        // Items made afterwards may take the freed places: none is taken for the marked one.
        for (int i = 0; i < 2; ++i)
            new QTreeWidgetItem(tree.get(), {QStringLiteral("n")});
        QCOMPARE(CTreeDropTarget::DropHighlight(tree.get()), nullptr);
        CTreeDropTarget::SetDropHighlight(tree.get(), marked);
        tree->clear();
        QCOMPARE(CTreeDropTarget::DropHighlight(tree.get()), nullptr);
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
