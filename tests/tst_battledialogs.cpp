#include "TestDataSource.h"
#include "app/MessageBox.h"
#include "app/StringTable.h"
#include "army/ValueNames.h"
#include "battle/CBattleDlg.h"
#include "battle/CBattleListDlg.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

// The battle dialogs on a real data source: the checks of a battle's armies and texts, and the
// list of stored battles with its deletion.
class TestBattleDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void okChecksNameThenArmyCount();
    void armiesAreAddedOnceAndRemovedByDeleteKey();
    void editingLoadsArmiesAndOverwritesRecord();
    void listShowsDescriptionPreviewAndDeletesAtOnce();
    void okNeedsASelectedBattle();

private:
    static int AddArmy(const QString& name, int raceId = 13);
    static int AddBattle(const QString& name, const QString& description,
                         std::initializer_list<int> armies);
    static QList<int> RowIds(const CBattleDlg& dialog);
    static QList<int> Ids(const CIdList& ids) { return QList<int>(ids.begin(), ids.end()); }

    std::unique_ptr<TestDataSource> m_source;
    int m_armies[3] = {};
};

void TestBattleDialogs::initTestCase() {
    m_source = std::make_unique<TestDataSource>(QStringLiteral("tests/data/small_catalogue.sql"));
    QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
    QCOMPARE(CArmyDatabase::Instance().OpenDatabase(), 1);
}

void TestBattleDialogs::init() {
    QSqlQuery query(CArmyDatabase::Instance().Connection());
    for (const char* table : {"BattleCompo", "Battle", "ArmeeCompo", "ArmeeDef"})
        QVERIFY(query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))));
    m_armies[0] = AddArmy(QStringLiteral("Alpha"));
    m_armies[1] = AddArmy(QStringLiteral("Beta"), 11);
    m_armies[2] = AddArmy(QStringLiteral("Gamma"));
}

int TestBattleDialogs::AddArmy(const QString& name, int raceId) {
    CArmyHeader header;
    return CArmyDatabase::Instance().InsertArmy(raceId, name, 1000, &header) ? header.IdArmee : -1;
}

int TestBattleDialogs::AddBattle(const QString& name, const QString& description,
                                 std::initializer_list<int> armies) {
    CIdList ids;
    for (int id : armies)
        ids.Append(id);
    CBattle battle;
    CArmyDatabase& db = CArmyDatabase::Instance();
    return db.InsertBattle(name, description, ids) && db.FindBattleByName(name, &battle)
               ? battle.IdBattle
               : -1;
}

QList<int> TestBattleDialogs::RowIds(const CBattleDlg& dialog) {
    QList<int> ids;
    for (int row = 0; row < dialog.ArmyList()->topLevelItemCount(); ++row)
        ids << dialog.ArmyList()->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    return ids;
}

void TestBattleDialogs::okChecksNameThenArmyCount() {
    MessageRecorder messages;
    CBattleDlg dialog;
    dialog.show();
    auto refusal = [&](const QString& name) {
        messages.Clear();
        dialog.NameEdit()->setText(name);
        dialog.accept();
        return dialog.isVisible() && dialog.result() != QDialog::Accepted &&
                       messages.Messages().size() == 1
                   ? messages.Ids().first()
                   : -1;
    };
    QVERIFY(dialog.AddArmy(m_armies[2]));
    QCOMPARE(refusal(QString()), 158);
    QCOMPARE(refusal(QStringLiteral("Gué")), 159);
    QVERIFY(dialog.AddArmy(m_armies[0]));
    QCOMPARE(refusal(QString(256, u'x')), kNameTooLongId);
    dialog.DescriptionEdit()->setPlainText(QString(256, u'x'));
    QCOMPARE(refusal(QStringLiteral("Gué")), kNameTooLongId);

    const QString description = QStringLiteral("  Au gué,\n\nà l'aube \n");
    dialog.DescriptionEdit()->setPlainText(description);
    QCOMPARE(refusal(QStringLiteral("   ")), -1);
    QCOMPARE(messages.Ids(), QList<int>{});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Name(), QStringLiteral("   "));
    QCOMPARE(dialog.Description(), description);
    QCOMPARE(Ids(dialog.ArmyIds()), (QList<int>{m_armies[2], m_armies[0]}));
}

void TestBattleDialogs::armiesAreAddedOnceAndRemovedByDeleteKey() {
    MessageRecorder messages;
    CBattleDlg dialog;
    dialog.show();
    QVERIFY(dialog.AddArmy(m_armies[0]) && dialog.AddArmy(m_armies[1]));
    QVERIFY(!dialog.AddArmy(m_armies[0]));
    QCOMPARE(messages.Ids(), QList<int>{160});
    QCOMPARE(RowIds(dialog), (QList<int>{m_armies[0], m_armies[1]}));
    const QTreeWidgetItem* beta = dialog.ArmyList()->topLevelItem(1);
    QCOMPARE((QStringList{beta->text(1), beta->text(2), beta->text(3)}),
             (QStringList{GetRaceName(11), "1000", "0"}));

    messages.Clear();
    QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
    QCOMPARE(messages.Ids(), QList<int>{161});
    QCOMPARE(dialog.ArmyList()->topLevelItemCount(), 2);

    messages.Clear();
    dialog.ArmyList()->topLevelItem(0)->setSelected(true);
    QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
    QCOMPARE(RowIds(dialog), QList<int>{m_armies[1]});
    QVERIFY(dialog.AddArmy(m_armies[0]));
    QCOMPARE(RowIds(dialog), (QList<int>{m_armies[1], m_armies[0]}));
    QVERIFY(!dialog.AddArmy(-5)); // no such army: nothing shown, nothing added
    QCOMPARE(messages.Ids(), QList<int>{});
    QCOMPARE(dialog.ArmyList()->topLevelItemCount(), 2);
}

void TestBattleDialogs::editingLoadsArmiesAndOverwritesRecord() {
    MessageRecorder messages;
    const int id = AddBattle(QStringLiteral("Gué"), QStringLiteral("Brume\nFroid"),
                             {m_armies[2], m_armies[0], m_armies[1]});
    CBattle battle;
    QCOMPARE(CArmyDatabase::Instance().FindBattleById(id, &battle), 1);
    CBattleDlg dialog(&battle);
    QCOMPARE(dialog.NameEdit()->text(), QStringLiteral("Gué"));
    QCOMPARE(dialog.DescriptionEdit()->toPlainText(), QStringLiteral("Brume\nFroid"));
    QCOMPARE(RowIds(dialog), (QList<int>{m_armies[2], m_armies[0], m_armies[1]}));

    dialog.NameEdit()->setText(QStringLiteral("Pont"));
    dialog.DescriptionEdit()->setPlainText(QStringLiteral("Pluie"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE((QStringList{battle.Nom, battle.Description}), (QStringList{"Pont", "Pluie"}));
}

void TestBattleDialogs::listShowsDescriptionPreviewAndDeletesAtOnce() {
    MessageRecorder messages;
    const QString longText = QString(50, u'a') + QStringLiteral("bcdef");
    AddBattle(QStringLiteral("Court"), QStringLiteral("Brume"), {m_armies[0], m_armies[1]});
    AddBattle(QStringLiteral("Vide"), QString(), {m_armies[0], m_armies[1]});
    const int longId = AddBattle(QStringLiteral("Long"), longText, {m_armies[0], m_armies[1]});
    {
        CBattleListDlg dialog;
        QTreeWidget* list = dialog.BattleList();
        QMap<QString, QString> shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown[list->topLevelItem(row)->text(0)] = list->topLevelItem(row)->text(1);
        QCOMPARE(shown.value(QStringLiteral("Court")), QStringLiteral("Brume..."));
        QCOMPARE(shown.value(QStringLiteral("Vide"), QStringLiteral("?")), QString());
        QCOMPARE(shown.value(QStringLiteral("Long")), QString(50, u'a') + QStringLiteral("..."));

        dialog.OnDelete();
        QCOMPARE(messages.Ids(), QList<int>{162});
        list->findItems(QStringLiteral("Long"), Qt::MatchExactly).first()->setSelected(true);
        dialog.OnDelete();
        QCOMPARE(list->topLevelItemCount(), 2);
        QVERIFY(list->findItems(QStringLiteral("Long"), Qt::MatchExactly).isEmpty());
        dialog.reject();
    }
    CBattle battle;
    QCOMPARE(CArmyDatabase::Instance().FindBattleById(longId, &battle), 0);
}

void TestBattleDialogs::okNeedsASelectedBattle() {
    MessageRecorder messages;
    AddBattle(QStringLiteral("Gué"), QString(), {m_armies[0], m_armies[1]});
    const int id = AddBattle(QStringLiteral("Pont"), QString(), {m_armies[0], m_armies[2]});
    CBattleListDlg dialog;
    dialog.resize(400, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTreeWidget* list = dialog.BattleList();
    dialog.accept();
    // A double-click below the rows asks for a battle just as OK does.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 200));
    QCOMPARE(messages.Ids(), (QList<int>{162, 162}));
    QVERIFY(dialog.isVisible() && !dialog.Selected());

    QTreeWidgetItem* pont = list->findItems(QStringLiteral("Pont"), Qt::MatchExactly).first();
    const QPoint center = list->visualItemRect(pont).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, center);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, center);
    QVERIFY(dialog.result() == QDialog::Accepted && dialog.Selected());
    QCOMPARE(dialog.Selected()->IdBattle, id);
}

QTEST_MAIN(TestBattleDialogs)
#include "tst_battledialogs.moc"
