// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestDataSource.h"

#include "data/CArmyDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

void WriteIni(const QString& dir, const QString& contents) {
    QFile ini(dir + QStringLiteral("/odbc.ini"));
    QFile sysIni(dir + QStringLiteral("/odbcinst.ini"));
    // A private system directory too, so that no data source of the machine is seen.
    if (ini.open(QIODevice::WriteOnly) && sysIni.open(QIODevice::WriteOnly))
        ini.write(contents.toUtf8());
    qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
    qputenv("ODBCSYSINI", QFile::encodeName(dir));
}

// A data source "Skarnholt" on an SQLite file; tests need atomic commits, not durable ones.
QString SqliteIni(const QString& file) {
    return QStringLiteral("[ODBC Data Sources]\nSkarnholt = SQLite3\n\n[Skarnholt]\nDriver = %1\n"
                          "Database = %2\nTimeout = 5000\nSyncPragma = OFF\n")
        .arg(QStringLiteral(SQLITE3_ODBC_DRIVER), file);
}

QString ServerConnectionString(const QString& port) {
    return QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=postgres;UID=postgres;"
                          "PWD=postgres;")
        .arg(QStringLiteral(PSQL_ODBC_DRIVER), port);
}

// Runs the statements on a connection of their own; the first error, if any, and the first
// value the last one read. On the data source they run in one transaction; on the cluster's
// maintenance database (port given), as its superuser outside any, as databases are created
// and dropped.
QString Run(const QString& name, const QStringList& statements, const QString& port = QString(),
            QVariant* value = nullptr) {
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        if (port.isEmpty()) {
            db.setDatabaseName(QStringLiteral("Skarnholt"));
            db.setUserName(QStringLiteral("admin"));
            db.setPassword(QStringLiteral("qx"));
        } else {
            db.setDatabaseName(ServerConnectionString(port));
        }
        if (!db.open() || (port.isEmpty() && !db.transaction()))
            error = QStringLiteral("cannot open %1: ").arg(name) + db.lastError().text();
        QSqlQuery query(db);
        for (int i = 0; error.isEmpty() && i < statements.size(); ++i) {
            if (!query.exec(statements.at(i)))
                error = statements.at(i).left(80) + QStringLiteral(": ") + query.lastError().text();
        }
        if (value && error.isEmpty() && query.next())
            *value = query.value(0);
        if (error.isEmpty() && port.isEmpty() && !db.commit())
            error = QStringLiteral("cannot commit: ") + db.lastError().text();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

bool TestDataSource::OnPostgreSql() {
    return !qEnvironmentVariableIsEmpty("SKARNHOLT_TEST_POSTGRES");
}

TestDataSource::TestDataSource(const QString& catalogueFile) {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory");
        return;
    }
    if (!OnPostgreSql())
        WriteIni(m_dir.path(), SqliteIni(m_dir.filePath(QStringLiteral("skarnholt.db"))));
    m_valid =
        (!OnPostgreSql() || CreatePostgreSqlDatabase()) &&
        RunScript(SourcePath(QStringLiteral("db/schema.sql"))) &&
        (!OnPostgreSql() || (RunScript(SourcePath(QStringLiteral("db/postgresql-keys.sql"))) &&
                             RunScript(SourcePath(QStringLiteral("db/postgresql-club.sql"))))) &&
        (catalogueFile.isEmpty() || RunScript(SourcePath(catalogueFile)));
}

// A database of its own on the test cluster, and the data source "Skarnholt" on it.
bool TestDataSource::CreatePostgreSqlDatabase() {
    QFile state(qEnvironmentVariable("SKARNHOLT_TEST_POSTGRES"));
    if (!state.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("no PostgreSQL test cluster: ") + state.fileName();
        return false;
    }
    m_port = QString::fromUtf8(state.readAll()).split(QLatin1Char('\n')).value(1).trimmed();
    // One database name per process, made anew each time: unixODBC keeps the data sources it
    // has read, so the data source must not change within a process.
    m_postgresDatabase = QStringLiteral("skarnholt_%1").arg(QCoreApplication::applicationPid());
    m_error =
        Run(QStringLiteral("server"),
            {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_postgresDatabase),
             QStringLiteral("CREATE DATABASE %1 OWNER admin").arg(m_postgresDatabase)},
            m_port);
    WriteIni(m_dir.path(), QStringLiteral("[ODBC Data Sources]\nSkarnholt = PostgreSQL\n\n"
                                          "[Skarnholt]\nDriver = %1\nServername = 127.0.0.1\n"
                                          "Port = %2\nDatabase = %3\n")
                               .arg(QStringLiteral(PSQL_ODBC_DRIVER), m_port, m_postgresDatabase));
    return m_error.isEmpty();
}

TestDataSource::~TestDataSource() {
    if (!m_postgresDatabase.isEmpty())
        Run(QStringLiteral("server"),
            {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_postgresDatabase)},
            m_port);
}

void TestDataSource::UseNoDataSource(QTemporaryDir& dir) {
    WriteIni(dir.path(), QString());
}

void TestDataSource::UseDataSourceWithoutTables(QTemporaryDir& dir) {
    WriteIni(dir.path(), SqliteIni(dir.filePath(QStringLiteral("missing.db"))));
}

QString TestDataSource::SourcePath(const QString& relative) {
    return QDir(QStringLiteral(SKARNHOLT_SOURCE_DIR)).filePath(relative);
}

QStringList TestDataSource::ScriptStatements(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + path;
        return {};
    }
    // Comment lines go first: they may hold a ';' or a lone quote.
    QString script = QString::fromUtf8(file.readAll());
    script.remove(
        QRegularExpression(QStringLiteral("^\\s*--[^\\n]*"), QRegularExpression::MultilineOption));
    // A statement ends with ';' at the end of a line, but not inside a $$ body.
    QStringList statements;
    QString statement;
    bool inBody = false;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        statement += line + QLatin1Char('\n');
        inBody = inBody != (line.count(QStringLiteral("$$")) % 2 == 1);
        if (!inBody && line.trimmed().endsWith(QLatin1Char(';'))) {
            statement = statement.trimmed();
            statement.chop(1);
            if (!statement.trimmed().isEmpty())
                statements << statement;
            statement.clear();
        }
    }
    if (!statement.trimmed().isEmpty())
        statements << statement.trimmed();
    return statements;
}

bool TestDataSource::RunScript(const QString& path) {
    const QStringList statements = ScriptStatements(path, &m_error);
    if (statements.isEmpty())
        return false;
    m_error = Run(QStringLiteral("setup"), statements);
    return m_error.isEmpty();
}

qint64 TestDataSource::ServerStatementCount() {
    QVariant count;
    m_error =
        m_postgresDatabase.isEmpty()
            ? QStringLiteral("not on the test cluster")
            : Run(QStringLiteral("server"),
                  {QStringLiteral("SELECT COALESCE(SUM(s.calls), 0) FROM pg_stat_statements s "
                                  "JOIN pg_database d ON d.oid = s.dbid WHERE d.datname = "
                                  "'%1' AND s.query <> 'BEGIN'")
                       .arg(m_postgresDatabase)},
                  m_port, &count);
    return m_error.isEmpty() && count.isValid() ? count.toLongLong() : -1;
}

bool TestDataSource::EndConnections() {
    // Waits until each one has ended, so that the next statement meets it gone.
    return ExecAsSuperuser({QStringLiteral("SELECT pg_terminate_backend(pid, 5000) FROM "
                                           "pg_stat_activity WHERE datname = '%1'")
                                .arg(m_postgresDatabase)});
}

bool TestDataSource::ExecAsSuperuser(const QStringList& statements) {
    m_error = Run(QStringLiteral("server"), statements, m_port);
    return m_error.isEmpty();
}

bool TestDataSource::Server(const QString& action) {
    return QProcess::execute(SourcePath(QStringLiteral("tests/postgres_cluster.sh")),
                             {action, qEnvironmentVariable("SKARNHOLT_TEST_POSTGRES")}) == 0;
}

bool TestDataSource::ExecOnOtherConnection(const QString& sql) {
    m_error = Run(QStringLiteral("other"), {sql});
    return m_error.isEmpty();
}

CArmyDatabase& TheDatabase() {
    static auto* database = new CArmyDatabase;
    return *database;
}
