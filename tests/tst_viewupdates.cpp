#include "TestData.h"
#include "TestDataSource.h"
#include "core/MessageBox.h"
#include "editor/CArmyTree.h"
#include "editor/CArmyView.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"
#include "widgets/CUnitStatsList.h"

#include <QtTest>

// After any run of edits, the view that changed only what each concerned shows what a new one does.
class TestViewUpdates : public QObject {
    Q_OBJECT
private slots:
    void editedViewEqualsARebuiltOne();
};

// Every item and row as the player sees them: text, icons (as drawn), bold, indent, opened.
static QStringList Shape(const CArmyView& view) {
    const auto drawn = [](const QIcon& icon) {
        const QImage image = icon.pixmap(8).toImage();
        return QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    };
    QStringList shape;
    for (QTreeWidgetItemIterator it(view.Tree()); *it; ++it) {
        const QTreeWidgetItem* up = (*it)->parent();
        shape << QString::number(up ? CArmyTree::UnitOf(up)->IdUnite : -1) + (*it)->text(0) +
                     drawn((*it)->icon(0)) + QString::number((*it)->font(0).bold()) +
                     QString::number((*it)->childCount() > 0 && (*it)->isExpanded());
    }
    const CUnitStatsList& list = *view.List();
    for (int row = 0; row < list.RowCount(); ++row) {
        shape << QString::number(list.IndentOf(row));
        for (int column = 0; column < list.columnCount(); ++column)
            shape.last() += list.Row(row)->text(column) + drawn(list.Row(row)->icon(column));
    }
    return shape;
}

void TestViewUpdates::editedViewEqualsARebuiltOne() {
    QString failure;
    const auto source = TestDataSource::OpenSmallCatalogue(&failure);
    QVERIFY2(source, qPrintable(failure));
    CItemList<CUnitType*> types;
    QVERIFY(CArmyDatabase::Instance().LoadUnitTypes(types));
    MessageRecorder messages;
    CArmy& army = CArmy::Instance();
    CArmyHistory history(army);
    CArmyView view;
    QVERIFY(army.Create(13, QStringLiteral("Vue"), 1000));
    view.ShowOpenArmy();
    const CUnitType& warlord = *TypeNamed(types, "T3 Orc warlord");
    const auto child = [&](int i) { return army.ChildrenOf(*army.GetWarchief()).at(i); };
    const QList<std::function<void()>> edits{
        [&] { army.AddWarchief(warlord); },
        [&] { army.AddGroupLeader(warlord); },
        [&] { army.AddUnit(army.Units().GetTail(), WithAttached(types, "T1 Wolf riders")); },
        [&] { army.AddUnit(army.GetWarchief(), WithAttached(types, "Iron cannon")); },
        [&] { army.AddGroupLeader(warlord); },
        [&] { army.AddUnit(army.Units().GetTail(), WithAttached(types, "T5 Warriors")); },
        [&] { army.Move(army.Units().GetTail(), child(0)); },
        [&] { army.Move(child(1), child(0)); },
        [&] { army.Move(child(0), child(1)); },
        [&] {
            CArmyUnit edited = *army.ChildrenOf(*child(1)).first();
            edited.NombreFig = 17;
            edited.Nom = QStringLiteral("Hurleurs");
            army.UpdateMember(army.ChildrenOf(*child(1)).first(), edited);
        },
        [&] { army.Delete(army.ChildrenOf(*child(1)).first()); },
        [&] { history.Undo(); },
        [&] { history.Redo(); },
        [&] { army.Delete(child(0)); },
        [&] { army.SetProperties(QStringLiteral("Vue 2"), 900); }};
    for (int step = 0; step < edits.size(); ++step) {
        edits.at(step)();
        CArmyView rebuilt;
        rebuilt.ShowOpenArmy();
        QVERIFY2(Shape(view) == Shape(rebuilt) && messages.Ids().isEmpty(),
                 qPrintable(QString::number(step)));
    }
    army.Close();
}

QTEST_MAIN(TestViewUpdates)
#include "tst_viewupdates.moc"
