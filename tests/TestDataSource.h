#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away data source "Skarnholt" with the program's schema, registered in a private
// odbc.ini that unixODBC is pointed at through ODBCINI: an SQLite file, or, when the variable
// SKARNHOLT_TEST_POSTGRES names the state file of a running test cluster
// (tests/postgres_cluster.sh), a new database of its own on that PostgreSQL server.
class TestDataSource {
public:
    // The small catalogue most screen tests work on.
    static constexpr const char* kSmallCatalogue = "tests/data/small_catalogue.sql";

    // A data source with the small catalogue, opened as the program's own connection; nullptr,
    // with the reason in failure, when either step fails.
    static std::unique_ptr<TestDataSource> OpenSmallCatalogue(QString* failure);

    // Creates the database file and the data source; loads the given catalogue file (relative
    // to the source tree) when one is named.
    explicit TestDataSource(const QString& catalogueFile = QString());
    ~TestDataSource();
    TestDataSource(const TestDataSource&) = delete;
    TestDataSource& operator=(const TestDataSource&) = delete;

    // Whether the tests run on PostgreSQL (else SQLite).
    static bool OnPostgreSql();
    // Points unixODBC at an odbc.ini without any data source.
    static void UseNoDataSource(QTemporaryDir& dir);
    // Points unixODBC at a data source "Skarnholt" whose database file does not exist yet.
    static void UseDataSourceWithoutTables(QTemporaryDir& dir);

    bool IsValid() const { return m_valid; }
    QString DatabasePath() const;
    QString ErrorText() const { return m_error; }

    // Runs a script of statements separated by semicolons through the ODBC driver.
    bool RunScript(const QString& path);
    // Runs one statement on a second, independent connection (another program's writes).
    bool ExecOnOtherConnection(const QString& sql);

    static QString SourcePath(const QString& relative);

private:
    bool CreatePostgreSqlDatabase();

    QTemporaryDir m_dir;
    QString m_postgresDatabase;
    QString m_port;
    bool m_valid = false;
    QString m_error;
};
