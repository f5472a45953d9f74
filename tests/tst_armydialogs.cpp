#include "TestData.h"
#include "TestDataSource.h"
#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"
#include "data/CBattleEntry.h"
#include "editor/CArmyListDlg.h"
#include "editor/CArmyParamsDlg.h"
#include "model/CArmy.h"
#include "widgets/CPictureStatic.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList Names(const CArmyListDlg& dialog) {
    QStringList names;
    for (int row = 0; row < dialog.ArmyList()->topLevelItemCount(); ++row)
        names << dialog.ArmyList()->topLevelItem(row)->text(0);
    return names;
}

} // namespace

// The army dialogs on a real data source: the checks of the parameters dialog, and the list of
// stored armies with its deletion.
class TestArmyDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }

    void init() { QVERIFY(ClearTables()); }

    // A failed check must not leave an army open for the next test.
    void cleanup() {
        if (CArmy::Instance().IsOpen())
            CArmy::Instance().Close();
    }

    void newArmyChecksEachValueInTurn();
    void propertiesShowCostAndKeepRace();
    void listShowsArmiesLastNameFirstWithoutTheOpenOne();
    void deleteRemovesArmyWithUnitsAndBattlePlaces();

private:
    std::unique_ptr<TestDataSource> m_source;
};

void TestArmyDialogs::newArmyChecksEachValueInTurn() {
    MessageRecorder messages;
    AddArmy(QStringLiteral("Existante"));
    CArmyParamsDlg dialog;
    dialog.show();
    // Sorted by name: the Dwarves ("Nain") come before the Orcs stored ahead of them.
    QCOMPARE(dialog.RaceList()->itemText(0), GetRaceName(11));

    // Each refusal shows one message and leaves the dialog open.
    auto refusal = [&](const QString& name, const QString& budget) {
        messages.Clear();
        dialog.NameEdit()->setText(name);
        dialog.BudgetEdit()->setText(budget);
        dialog.accept();
        return dialog.isVisible() && messages.Messages().size() == 1 ? messages.Ids().first() : -1;
    };
    QCOMPARE(refusal(QString(), QStringLiteral("0")), 155);
    QCOMPARE(refusal(QStringLiteral("  \t "), QStringLiteral("10")), 155); // blanks are no name
    QCOMPARE(refusal(QStringLiteral("Horde"), QStringLiteral("20001")), 0);
    QVERIFY(messages.Messages().first().text.contains(QStringLiteral("20000")));
    QCOMPARE(refusal(QString(256, u'x'), QStringLiteral("20000")), kNameTooLongId);
    QCOMPARE(refusal(QStringLiteral("Horde"), QStringLiteral("0")), 156);
    QCOMPARE(refusal(QStringLiteral("Horde"), QStringLiteral("20000")), 157);

    // The picture follows the chosen race.
    dialog.RaceList()->setCurrentIndex(dialog.RaceList()->findData(15));
    QCOMPARE(dialog.RacePicture()->BitmapId(), GetRaceBitmapId(15));
    QCOMPARE(refusal(QStringLiteral("Existante"), QStringLiteral("20000")), kDuplicateArmyNameId);

    QCOMPARE(refusal(QStringLiteral("Horde"), QStringLiteral("20000")), -1);
    QVERIFY(messages.Ids().isEmpty() && dialog.result() == QDialog::Accepted);
    QCOMPARE((QVariantList{dialog.Name(), dialog.Budget(), dialog.ChosenRace()}),
             (QVariantList{"Horde", 20000, 15}));
    CArmyHeader stored; // the dialog itself stores nothing
    QCOMPARE(CArmyDatabase::Instance().FindArmyByName(QStringLiteral("Horde"), stored), 0);
}

void TestArmyDialogs::propertiesShowCostAndKeepRace() {
    MessageRecorder messages;
    CArmyHeader header;
    QVERIFY(CArmyDatabase::Instance().InsertArmy(13, QStringLiteral("Horde"), 500, &header));
    header.CoutTotal = 620;
    CArmyParamsDlg over(&header);
    QCOMPARE(
        (QStringList{over.CostText()->text(), over.RestLabel()->text(), over.RestText()->text()}),
        (QStringList{"620", "Over", "120"}));
    QVERIFY(!over.RaceList()->isEnabled());

    header.CoutTotal = 450;
    CArmyParamsDlg dialog(&header);
    QCOMPARE(dialog.RestLabel()->text() + dialog.RestText()->text(), QStringLiteral("Rest50"));
    // Its own stored name is no duplicate.
    dialog.NameEdit()->setText(QStringLiteral("Horde rouge"));
    dialog.BudgetEdit()->setText(QStringLiteral("800"));
    dialog.accept();
    QVERIFY(messages.Ids().isEmpty());
    QCOMPARE((QVariantList{header.Nom, header.NombrePointMax, header.CoutTotal, header.IdRace}),
             (QVariantList{"Horde rouge", 800, 450, 13}));
}

void TestArmyDialogs::listShowsArmiesLastNameFirstWithoutTheOpenOne() {
    const int beta = AddArmy(QStringLiteral("Beta"), 11, 750);
    const int alpha = AddArmy(QStringLiteral("Alpha"));
    AddArmy(QStringLiteral("Gamma"));
    {
        CArmyListDlg dialog;
        dialog.show(); // the list is read on first show
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Names(dialog), (QStringList{"Gamma", "Beta", "Alpha"}));
        QTreeWidget* list = dialog.ArmyList();
        const QTreeWidgetItem* item = list->topLevelItem(1);
        QCOMPARE((QStringList{item->text(1), item->text(2), item->text(3)}),
                 (QStringList{GetRaceName(11), "750", "0"}));

        // The first row comes chosen; OK with nothing chosen is a cancel; a double click chooses.
        QVERIFY(list->topLevelItem(0)->isSelected());
        list->clearSelection();
        dialog.accept();
        QVERIFY(dialog.result() == QDialog::Rejected && dialog.ChosenArmy() == -1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint row = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        QVERIFY(dialog.result() == QDialog::Accepted && !dialog.isVisible());
        QCOMPARE((QList<int>{dialog.ChosenArmy(), dialog.ChosenRace()}), (QList<int>{beta, 11}));
    }

    // The open army is left out.
    QCOMPARE(CArmy::Instance().Open(alpha), 1);
    CArmyListDlg excluding;
    excluding.Load();
    QCOMPARE(Names(excluding), (QStringList{"Gamma", "Beta"}));
}

void TestArmyDialogs::deleteRemovesArmyWithUnitsAndBattlePlaces() {
    MessageRecorder messages;
    CArmyDatabase& db = CArmyDatabase::Instance();
    const int alpha = AddArmy(QStringLiteral("Alpha"));
    const int beta = AddArmy(QStringLiteral("Beta"));
    CArmyUnit unit;
    QCOMPARE(db.InsertUnit(alpha, unit), 1);
    const int battle = AddBattle(QStringLiteral("Gué"), QString(), Ids{alpha, beta});

    // Nothing chosen: the user is told to choose.
    CArmyListDlg dialog;
    dialog.Load();
    dialog.ArmyList()->clearSelection();
    QVERIFY(!dialog.DeleteButton()->isEnabled());
    dialog.OnDelete();
    QCOMPARE(messages.Ids(), QList<int>{161});

    // It asks first, naming the army and its members, with No as the default; No keeps it.
    dialog.ArmyList()->topLevelItem(1)->setSelected(true);
    QVERIFY(dialog.DeleteButton()->isEnabled());
    messages.Clear();
    messages.SetNextAnswer(false);
    dialog.OnDelete();
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(messages.Messages().first().kind, MessageBox::Kind::QuestionDefaultNo);
    QCOMPARE(messages.Messages().first().text,
             QStringLiteral("Supprimer définitivement l'armée « Alpha » et ses membres (1) ?"));
    QCOMPARE(Names(dialog), (QStringList{"Beta", "Alpha"}));
    messages.SetNextAnswer(true);
    dialog.OnDelete();
    QCOMPARE(Names(dialog), QStringList{"Beta"});
    CArmyHeader header;
    QCOMPARE(db.FindArmyById(alpha, header), 0);
    QCOMPARE(CountRows("ArmeeCompo"), 0);
    CItemList<CBattleEntry*> entries;
    db.LoadBattleEntries(battle, entries);
    QVERIFY(entries.GetCount() == 1 && entries.GetHead()->IdArmy == beta);

    // The army open in the editor is never deleted, even from the list that shows it.
    QVERIFY(CArmy::Instance().Open(beta));
    CArmyListDlg all;
    all.SetExcludeOpen(false);
    QVERIFY(all.Load());
    all.ArmyList()->topLevelItem(0)->setSelected(true);
    messages.Clear();
    all.OnDelete();
    QCOMPARE(messages.Ids(), QList<int>{kOpenArmyNotDeletedId});
    QCOMPARE(db.FindArmyById(beta, header), 1);
    CArmy::Instance().Close();

    dialog.ArmyList()->topLevelItem(0)->setSelected(true);
    dialog.OnDelete();
    QVERIFY(!dialog.DeleteButton()->isEnabled() && !dialog.OkButton()->isEnabled());
}

QTEST_MAIN(TestArmyDialogs)
#include "tst_armydialogs.moc"
