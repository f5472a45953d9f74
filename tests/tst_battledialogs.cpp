#include "TestData.h"
#include "TestDataSource.h"
#include "battle/CBattleDlg.h"
#include "battle/CBattleListDlg.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The army ids of the dialog's rows.
QList<int> RowIds(const CBattleDlg& dialog) {
    QList<int> ids;
    for (int row = 0; row < dialog.ArmyList()->topLevelItemCount(); ++row)
        ids << dialog.ArmyList()->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    return ids;
}

QTreeWidgetItem* Find(QTreeWidget* list, const QString& text) {
    const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

// The battle dialogs on a real data source: the checks of a battle's armies and texts, and the
// list of stored battles with its deletion.
class TestBattleDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }

    void init() {
        QVERIFY(ClearTables());
        m_alpha = AddArmy(QStringLiteral("Alpha"));
        m_beta = AddArmy(QStringLiteral("Beta"));
    }

    void okChecksTheArmiesAndTexts();
    void editingLoadsTheBattleAndOverwritesIt();
    void listShowsPreviewsDeletesAtOnceAndNeedsASelection();

private:
    std::unique_ptr<TestDataSource> m_source;
    int m_alpha = 0, m_beta = 0;
};

void TestBattleDialogs::okChecksTheArmiesAndTexts() {
    MessageRecorder messages;
    CBattleDlg dialog;
    dialog.show();
    // Each refusal shows one message and leaves the dialog open.
    auto refusal = [&](const QString& name) {
        messages.Clear();
        dialog.NameEdit()->setText(name);
        dialog.accept();
        return dialog.isVisible() && messages.Messages().size() == 1 ? messages.Ids().first() : -1;
    };
    QVERIFY(dialog.AddArmy(m_alpha));
    QCOMPARE(refusal(QString()), 158);
    QCOMPARE(refusal(QString(256, u'x')), 159); // the count goes before the length

    // An army comes in once; Delete asks for a selection and takes out the selected army.
    messages.Clear();
    QVERIFY(dialog.AddArmy(m_beta) && !dialog.AddArmy(m_alpha));
    QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
    QCOMPARE(messages.Ids(), (QList<int>{160, 161}));
    dialog.ArmyList()->topLevelItem(0)->setSelected(true);
    QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
    QVERIFY(dialog.AddArmy(m_alpha));
    QCOMPARE(RowIds(dialog), (QList<int>{m_beta, m_alpha}));

    QCOMPARE(refusal(QStringLiteral(" \t ")), 158); // blanks alone are no name
    QCOMPARE(refusal(QString(256, u'x')), kNameTooLongId);
    dialog.DescriptionEdit()->setPlainText(QString(256, u'd'));
    QCOMPARE(refusal(QStringLiteral("Gué")), kDescriptionTooLongId);

    // Both texts are kept as typed; the armies in the order of the list.
    const QString description = QStringLiteral("  Au gué,\n\nà l'aube \n");
    dialog.DescriptionEdit()->setPlainText(description);
    QCOMPARE(refusal(QString(255, u'x')), -1);
    QVERIFY(messages.Ids().isEmpty() && dialog.result() == QDialog::Accepted);
    QCOMPARE((QStringList{dialog.Name(), dialog.Description()}),
             (QStringList{QString(255, u'x'), description}));
    QCOMPARE(QList<int>(dialog.ArmyIds().begin(), dialog.ArmyIds().end()),
             (QList<int>{m_beta, m_alpha}));
}

void TestBattleDialogs::editingLoadsTheBattleAndOverwritesIt() {
    const int id = AddBattle(QStringLiteral("Gué"), QStringLiteral("Brume"), Ids{m_beta, m_alpha});
    CBattle battle;
    QCOMPARE(CArmyDatabase::Instance().FindBattleById(id, &battle), 1);
    CBattleDlg dialog(&battle);
    QCOMPARE((QStringList{dialog.NameEdit()->text(), dialog.DescriptionEdit()->toPlainText()}),
             (QStringList{"Gué", "Brume"}));
    QCOMPARE(RowIds(dialog), (QList<int>{m_beta, m_alpha}));

    dialog.NameEdit()->setText(QStringLiteral("Pont"));
    dialog.DescriptionEdit()->setPlainText(QStringLiteral("Pluie"));
    dialog.accept();
    QCOMPARE((QStringList{battle.Nom, battle.Description}), (QStringList{"Pont", "Pluie"}));
}

// The list shows the start of each description; a deletion is stored at once.
void TestBattleDialogs::listShowsPreviewsDeletesAtOnceAndNeedsASelection() {
    MessageRecorder messages;
    AddBattle(QStringLiteral("Court"), QStringLiteral("Brume"), Ids{m_alpha, m_beta});
    AddBattle(QStringLiteral("Vide"), QString(), Ids{m_alpha, m_beta});
    const int longId =
        AddBattle(QStringLiteral("Long"), QString(50, u'a') + "bcdef", Ids{m_alpha, m_beta});
    CBattleListDlg dialog;
    dialog.show();
    QTreeWidget* list = dialog.BattleList();
    QCOMPARE((QStringList{Find(list, "Court")->text(1), Find(list, "Vide")->text(1),
                          Find(list, "Long")->text(1)}),
             (QStringList{"Brume...", "", QString(50, u'a') + "..."}));

    dialog.OnDelete();
    dialog.accept();
    QCOMPARE(messages.Ids(), (QList<int>{162, 162}));
    QVERIFY(dialog.isVisible() && !dialog.Selected());
    Find(list, "Long")->setSelected(true);
    dialog.OnDelete();
    QVERIFY(list->topLevelItemCount() == 2 && !Find(list, "Long"));
    CBattle battle;
    QCOMPARE(CArmyDatabase::Instance().FindBattleById(longId, &battle), 0);
}

QTEST_MAIN(TestBattleDialogs)
#include "tst_battledialogs.moc"
