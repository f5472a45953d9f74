// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestDataSource.h"
#include "TheArmy.h"
#include "app/CSkarnholtDBApp.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"

#include <QtTest>

// Start-up on a data source that cannot serve: one message, no window, a failure status. Each
// case runs in a process of its own, since unixODBC remembers the data sources it has read.
class TestStartup : public QObject {
    Q_OBJECT

    static int Run() {
        int argc = 1;
        char name[] = "skarnholtdb";
        char* argv[] = {name, nullptr};
        CSkarnholtDBApp app(argc, argv, TheDatabase(), TheArmy());
        return app.Run();
    }

private slots:
    void failsWithoutDataSource() {
        QTemporaryDir dir;
        TestDataSource::UseNoDataSource(dir);
        MessageRecorder messages;
        QCOMPARE(Run(), 1);
        QCOMPARE(messages.Ids(), QList<int>{163});
        QCOMPARE(messages.Messages().first().kind, MessageBox::Kind::Warning);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(!TheDatabase().IsOpen());
    }

    // The driver made an empty database for a missing file: the message names what is missing
    // and the script that sets the data source up.
    void failsOnADataSourceWithoutTables() {
        QTemporaryDir dir;
        TestDataSource::UseDataSourceWithoutTables(dir);
        MessageRecorder messages;
        QCOMPARE(Run(), 1);
        QCOMPARE(messages.Ids(), QList<int>{kMissingTablesId});
        const QString text = messages.Messages().first().text;
        QVERIFY(text.contains("(Armees, Races, ArmeeDef, ArmeeCompo, Battle, BattleCompo)"));
        QVERIFY(text.contains(QStringLiteral("setup-datasource.sh")));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
