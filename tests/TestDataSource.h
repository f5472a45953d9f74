// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class CArmyDatabase;

// The connection the tests share, as the program has its one (never destroyed: closed before
// Qt's own globals go away).
CArmyDatabase& TheDatabase();

// A throw-away data source "Skarnholt" with the program's schema, registered in a private
// odbc.ini that unixODBC is pointed at through ODBCINI: an SQLite file, or, when the variable
// SKARNHOLT_TEST_POSTGRES names the state file of a running test cluster
// (tests/postgres_cluster.sh), a new database of its own on that PostgreSQL server.
class TestDataSource {
public:
    static constexpr const char* kSmallCatalogue = "tests/data/small_catalogue.sql";

    // The small catalogue opened as the program's own connection; nullptr and why when not.
    static std::unique_ptr<TestDataSource> OpenSmallCatalogue(QString* failure);
    static bool OnPostgreSql();
    // unixODBC pointed at no data source, or at a "Skarnholt" whose database file is missing.
    static void UseNoDataSource(QTemporaryDir& dir);
    static void UseDataSourceWithoutTables(QTemporaryDir& dir);
    static QString SourcePath(const QString& relative);

    // Loads the given catalogue file (relative to the source tree) when one is named.
    explicit TestDataSource(const QString& catalogueFile = QString());
    ~TestDataSource();
    TestDataSource(const TestDataSource&) = delete;
    TestDataSource& operator=(const TestDataSource&) = delete;

    bool IsValid() const { return m_valid; }
    QString ErrorText() const { return m_error; }
    // Runs a script of statements, each ending its line with ';', through the ODBC driver.
    bool RunScript(const QString& path);
    // The statements of such a script (a $$ body is one with its statement); empty, with
    // why, when it cannot be read.
    static QStringList ScriptStatements(const QString& path, QString* error);
    // Runs one statement on a second, independent connection (another program's writes).
    bool ExecOnOtherConnection(const QString& sql);
    // On the test cluster: the statements its server has run in this data source's database,
    // as pg_stat_statements counts them (the driver's own included, BEGIN aside: the driver
    // sends it with the statement after it); -1 when it cannot tell.
    qint64 ServerStatementCount();
    // On the test cluster: ends every connection to this data source's database, as a network
    // blip would; or restarts the whole server, as its administrator would.
    bool EndConnections();
    // Runs statements as the cluster's superuser (roles of players, say).
    bool ExecAsSuperuser(const QStringList& statements);
    // The test cluster SKARNHOLT_TEST_POSTGRES names started, stopped, restarted, paused or
    // resumed, as tests/postgres_cluster.sh does it.
    static bool Server(const QString& action);

private:
    bool CreatePostgreSqlDatabase();

    QTemporaryDir m_dir;
    QString m_postgresDatabase;
    QString m_port;
    bool m_valid = false;
    QString m_error;
};
