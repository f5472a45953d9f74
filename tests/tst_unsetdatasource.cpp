#include "TestDataSource.h"
#include "app/CSkarnholtDBApp.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"

#include <QFile>
#include <QtTest>

// Start-up on a data source "Skarnholt" whose database has none of the program's tables (its
// file was missing, so the driver made an empty one): one message naming the set-up script, no
// window, a failure status. A process of its own: unixODBC remembers the data sources it read.
class TestUnsetDataSource : public QObject {
    Q_OBJECT

private slots:
    void failsOnADataSourceWithoutTables();
};

void TestUnsetDataSource::failsOnADataSourceWithoutTables() {
    QTemporaryDir dir;
    TestDataSource::UseDataSourceWithoutTables(dir);
    MessageRecorder messages;
    int argc = 1;
    char name[] = "skarnholtdb";
    char* argv[] = {name, nullptr};
    CSkarnholtDBApp app(argc, argv);
    QCOMPARE(app.Run(), 1);
    QCOMPARE(messages.Ids(), QList<int>{kMissingTablesId});
    // It names what is missing and the script that sets the data source up.
    QVERIFY(messages.Messages().first().text.contains(
        QStringLiteral("(Armees, Races, ArmeeDef, ArmeeCompo, Battle, BattleCompo)")));
    QVERIFY(messages.Messages().first().text.contains(QStringLiteral("setup-datasource.sh")));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_APPLESS_MAIN(TestUnsetDataSource)
#include "tst_unsetdatasource.moc"
