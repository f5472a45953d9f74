// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "army/CellFormats.h"
#include "core/DragPayload.h"
#include "model/CArmyModel.h"
#include "model/CArmyStatsModel.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

// The open army's item models, without any window, on a real data source: checked by Qt's model
// tester through every operation of the army, their rows those of the army after each, and
// drops decided by the placement rules from what the drag carries.
class TestArmyItemModel : public ArmyFixture {
    Q_OBJECT

    std::unique_ptr<CArmyModel> m_tree;
    std::unique_ptr<CArmyStatsModel> m_stats;
    std::unique_ptr<QAbstractItemModelTester> m_treeTester;
    std::unique_ptr<QAbstractItemModelTester> m_statsTester;

    static QString Line(int depth, int key, const QString& text) {
        return QString(depth * 2, u' ') + QString::number(key) + u' ' + Plain(text);
    }
    // The tree's rows, indented, with their keys and labels, shown and spoken.
    static void TreeRows(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
                         QStringList& rows) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            rows << Line(depth, index.data(CArmyModel::KeyRole).toInt(),
                         index.data().toString() + u'|' +
                             index.data(Qt::AccessibleTextRole).toString());
            TreeRows(model, index, depth + 1, rows);
        }
    }
    // The same from the army itself: each leader's main members in order under him.
    static void ArmyRows(const CArmyUnit& leader, int depth, QStringList& rows) {
        rows << Line(depth, leader.IdUnite,
                     CArmyModel::Label(leader) + u'|' + CArmyModel::SpokenLabel(leader));
        for (const CArmyUnit* unit : TheArmy().ChildrenOf(leader))
            ArmyRows(*unit, depth + 1, rows);
    }
    // The list's rows, and the army's members, by depth, key, name and notes.
    QStringList StatsRows() const {
        QStringList rows;
        for (int row = 0; row < m_stats->rowCount(); ++row) {
            const QModelIndex name = m_stats->index(row, 0);
            rows << Line(name.data(CArmyModel::DepthRole).toInt(),
                         name.data(CArmyModel::KeyRole).toInt(),
                         name.data().toString() + u'|' +
                             m_stats->index(row, m_stats->columnCount() - 1).data().toString());
        }
        return rows;
    }
    static QStringList ArmyStats() {
        const CArmy& army = TheArmy();
        QStringList rows;
        for (const CArmyUnit* unit : army.Units())
            rows << Line(army.Depth(*unit), unit->IdUnite,
                         unit->Nom + u'|' + FormatNotesText(*unit));
        return rows;
    }
    void VerifyRows(const char* step) {
        QStringList shown, expected;
        TreeRows(*m_tree, {}, 0, shown);
        if (TheArmy().IsOpen() && TheArmy().HasUnits())
            ArmyRows(*TheArmy().GetWarchief(), 0, expected);
        QVERIFY2(shown == expected, step);
        QVERIFY2(StatsRows() == ArmyStats(), step);
    }
    QMimeData* TypeDrag(const QString& type) const {
        auto* data = new QMimeData;
        data->setData(DragPayload::UnitTypesFormat(),
                      DragPayload::Encode({Type(type)->ArmyTypeId}));
        return data;
    }
    // A drop as the view makes it, onto a member (none: empty space); the army makes it once
    // the events waiting are handled.
    bool Drop(const QMimeData* data, const CArmyUnit* onto) {
        const Qt::DropAction action =
            data->hasFormat(DragPayload::MembersFormat()) ? Qt::MoveAction : Qt::CopyAction;
        const QModelIndex target = m_tree->IndexOf(onto);
        const bool can = m_tree->canDropMimeData(data, action, -1, -1, target);
        const bool taken = m_tree->dropMimeData(data, action, -1, -1, target);
        QCoreApplication::processEvents();
        return can && taken;
    }
    std::unique_ptr<QMimeData> MemberDrag(const CArmyUnit* unit) const {
        return std::unique_ptr<QMimeData>(m_tree->mimeData({m_tree->IndexOf(unit)}));
    }

private slots:
    void initTestCase() {
        OpenCatalogue();
        CArmy& army = TheArmy();
        m_tree = std::make_unique<CArmyModel>(army);
        m_stats = std::make_unique<CArmyStatsModel>(army);
        // As the editor resolves the keys a drag carries.
        m_tree->SetTypeResolver([this](int key) {
            CUnitType* type = m_catalogue->TypeByKey(key);
            return type ? m_catalogue->WithAttached(*type) : QList<const CUnitType*>();
        });
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        m_treeTester = std::make_unique<QAbstractItemModelTester>(m_tree.get(), Mode::Fatal);
        m_statsTester = std::make_unique<QAbstractItemModelTester>(m_stats.get(), Mode::Fatal);
    }
    void cleanup() { CloseArmy(); }

    void rowsFollowEveryOperation() {
        CArmy& army = TheArmy();
        QVERIFY(OpenNewArmy());
        VerifyRows("opened empty");
        // An edit changes only the rows it concerns: the views keep what is open and selected.
        QSignalSpy treeResets(m_tree.get(), &QAbstractItemModel::modelReset);
        QSignalSpy statsResets(m_stats.get(), &QAbstractItemModel::modelReset);
        QSignalSpy changedRows(m_tree.get(), &QAbstractItemModel::dataChanged);

        army.AddWarchief(Warlord());
        army.AddGroupLeader(Warlord());
        army.AddGroupLeader(Warlord());
        VerifyRows("leaders");
        const QList<CArmyUnit*> leaders = GroupLeaders();
        army.AddUnit(leaders.at(0), Types("T1 Wolf riders"));
        army.AddUnit(leaders.at(0), Types("T5 Warriors"));
        army.AddUnit(leaders.at(1), Types("Iron cannon"));
        army.AddUnit(army.GetWarchief(), Types("T2 One-eyed brute"));
        VerifyRows("units with their attached ones");
        // Read aloud: the level and the price in words, a statistic with its column's full
        // title, a blank one and a mount's "as its rider" said as such.
        const auto spoken = [this](const char* type) {
            return m_tree->IndexOf(Member(type)).data(Qt::AccessibleTextRole).toString();
        };
        QCOMPARE(spoken("Iron cannon"), QStringLiteral("Iron cannon, machine, %1 pts, 1 figurines")
                                            .arg(Member("Iron cannon")->CoutTotal));
        QCOMPARE(spoken("T2 One-eyed brute"),
                 QStringLiteral("T2 One-eyed brute, personnage, 35 pts"));
        const auto cell = [this](const char* type, int column) {
            return m_stats->index(m_stats->RowOf(Member(type)), 1 + column)
                .data(Qt::AccessibleTextRole)
                .toString();
        };
        QCOMPARE(
            QStringList({cell("T5 Warriors", kForceColumn), cell("T5 Warriors", kTerribleColumn),
                         cell("T4 Wolf", kQualityColumn)}),
            QStringList({"Force : 3", "Terrible : néant", "Qualité : idem"}));
        army.DropType(Types("T6 Rock lobber"), Member("T2 One-eyed brute"));
        VerifyRows("type dropped on a unit");
        army.Move(Member("T1 Wolf riders"), leaders.at(1));
        VerifyRows("unit moved to another leader");
        army.Move(Member("T2 One-eyed brute"), leaders.at(0));
        VerifyRows("unit moved down from the warchief");
        army.Move(leaders.at(1), Member("T5 Warriors"));
        QCOMPARE(m_messages->Ids(), QList<int>{154}); // a leader goes under no unit
        VerifyRows("refused move");
        army.Move(Member("Iron cannon"), Member("T5 Warriors"));
        VerifyRows("unit moved beside another");

        CArmyUnit* warriors = Member("T5 Warriors");
        CArmyUnit edited = *warriors;
        edited.NombreFig = 20;
        edited.CoutTotal = 120;
        army.UpdateMember(warriors, edited);
        army.RenameMember(warriors, QStringLiteral("Gars %1"));
        QCOMPARE(changedRows.size(), 2);
        army.RenameMember(Member("T4 Wolf"), QStringLiteral("Loup")); // attached: no row
        QCOMPARE(changedRows.size(), 2);
        VerifyRows("member's choices and name");
        army.SetProperties(QStringLiteral("Horde noire"), 400);
        QCOMPARE(changedRows.size(), 2);
        army.Delete(leaders.at(0));
        VerifyRows("group leader deleted with his units");
        army.Delete(Member("T6 Rock lobber"));
        VerifyRows("unit deleted");
        QCOMPARE(treeResets.size(), 0);
        QCOMPARE(statsResets.size(), 0);

        // Undo and redo put members back under new keys: the rows follow whatever way.
        for (int i = 0; i < 3; ++i)
            m_history->Undo();
        VerifyRows("undone");
        m_history->Redo();
        VerifyRows("redone");
        m_history->Undo();
        VerifyRows("undone again");

        // A store that fails reads the army back as stored.
        const QStringList before = StatsRows();
        TheDatabase().SetStatementHook(
            [](const QString& sql) { return !sql.startsWith(QLatin1String("INSERT")); });
        army.AddUnit(GroupLeaders().first(), Types("T5 Warriors"));
        TheDatabase().SetStatementHook({});
        VerifyRows("failed store");
        QCOMPARE(StatsRows(), before);

        army.Delete(army.GetWarchief());
        VerifyRows("warchief deleted");
        army.Close();
        QCOMPARE(m_tree->rowCount() + m_stats->rowCount(), 0);
    }

    void dropsFollowThePlacementRules() {
        CArmy& army = TheArmy();
        QVERIFY(OpenNewArmy());
        // The first type on an empty army must be a leader's. (Where each drop lands is the
        // army view test's, through the tree's own drag events.)
        std::unique_ptr<QMimeData> warlord(TypeDrag("T3 Orc warlord"));
        std::unique_ptr<QMimeData> warriors(TypeDrag("T5 Warriors"));
        QVERIFY(Drop(warriors.get(), nullptr));
        QCOMPARE(m_messages->Ids(), QList<int>{165});
        QVERIFY(Drop(warlord.get(), nullptr) && Drop(warlord.get(), army.GetWarchief()));
        CArmyUnit* group = GroupLeaders().first();
        QVERIFY(Drop(warriors.get(), group));
        VerifyRows("types dropped");

        // Refused before anything is asked of the army: the warchief dragged, a member onto
        // itself or into what it commands, onto empty space or an attached unit's own row, two
        // members at once, keys the army does not hold, foreign data.
        const int warchiefFlags = int(m_tree->flags(m_tree->WarchiefIndex()));
        QVERIFY(!(warchiefFlags & Qt::ItemIsDragEnabled) &&
                (warchiefFlags & Qt::ItemIsDropEnabled));
        QVERIFY(m_tree->flags(m_tree->IndexOf(group)) & Qt::ItemIsDragEnabled);
        QVERIFY(m_tree->flags({}) & Qt::ItemIsDropEnabled);
        auto twoMembers = std::make_unique<QMimeData>();
        twoMembers->setData(DragPayload::MembersFormat(),
                            DragPayload::Encode({group->IdUnite, Member("T5 Warriors")->IdUnite}));
        auto unknown = std::make_unique<QMimeData>();
        unknown->setData(DragPayload::MembersFormat(), DragPayload::Encode({987654}));
        auto text = std::make_unique<QMimeData>();
        text->setText(QString::number(group->IdUnite));
        const QStringList before = StatsRows();
        const QList<std::pair<const QMimeData*, const CArmyUnit*>> refused{
            {MemberDrag(army.GetWarchief()).release(), group},
            {MemberDrag(group).release(), group},
            {MemberDrag(group).release(), Member("T5 Warriors")},
            {MemberDrag(Member("T5 Warriors")).release(), nullptr},
            {twoMembers.release(), army.GetWarchief()},
            {unknown.release(), army.GetWarchief()},
            {text.release(), group},
        };
        for (const auto& [data, onto] : refused) {
            QVERIFY2(!Drop(data, onto), qPrintable(data->formats().join(u',')));
            delete data;
        }
        QCOMPARE(StatsRows(), before);
        QCOMPARE(m_messages->Ids(), QList<int>{165});

        // A drag of the warchief carries him all the same: the rules, not the flags, refuse it.
        std::unique_ptr<QMimeData> chief = MemberDrag(army.GetWarchief());
        QVERIFY(chief && chief->hasFormat(DragPayload::MembersFormat()));
        // Nothing falls on a closed army.
        army.Close();
        QVERIFY(!m_tree->canDropMimeData(warlord.get(), Qt::CopyAction, -1, -1, {}));
        QVERIFY(!(m_tree->flags({}) & Qt::ItemIsDropEnabled));
    }
};

QTEST_MAIN(TestArmyItemModel)
#include "tst_armyitemmodel.moc"
