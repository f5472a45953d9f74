#include "TestDataSource.h"
#include "app/CSkarnholtDBApp.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "model/DataErrorMessages.h"

#include <QtTest>

// Start-up without a data source "Skarnholt": one message, no connection, a failure status.
// Kept apart from the database tests because unixODBC remembers the data sources it has read.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void failsWithoutDataSource();
};

void TestStartup::failsWithoutDataSource() {
    QTemporaryDir dir;
    TestDataSource::UseNoDataSource(dir);
    MessageRecorder messages;

    CArmyDatabase unopened(QStringLiteral("unopened"));
    ShowDataErrorsAsMessages(unopened);
    QCOMPARE(unopened.OpenDatabase(), 0);
    QVERIFY(!unopened.IsOpen());
    unopened.CloseDatabase(); // never opened: nothing to close, nothing shown
    QCOMPARE(messages.Ids(), QList<int>{163});
    QCOMPARE(messages.Messages().first().kind, MessageBox::Kind::Warning);
    QCOMPARE(messages.Messages().first().text,
             QStringLiteral("Impossible d'ouvrir la source de données : Skarnholt, see ODBC."));
    messages.Clear();

    int argc = 1;
    char name[] = "skarnholtdb";
    char* argv[] = {name, nullptr};
    CSkarnholtDBApp app(argc, argv);
    QCOMPARE(app.Run(), 1);
    QCOMPARE(messages.Ids(), QList<int>{163});
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(!CArmyDatabase::Instance().IsOpen());
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
