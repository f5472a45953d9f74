#include "TestDataSource.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

void WriteIni(const QString& dir, const QString& contents) {
    QFile ini(dir + QStringLiteral("/odbc.ini"));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ini.write(contents.toUtf8());
    // A private system directory too, so that no data source of the machine is seen.
    QFile sysIni(dir + QStringLiteral("/odbcinst.ini"));
    if (sysIni.open(QIODevice::WriteOnly | QIODevice::Truncate))
        sysIni.write("");
    qputenv("ODBCINI", QFile::encodeName(dir + QStringLiteral("/odbc.ini")));
    qputenv("ODBCSYSINI", QFile::encodeName(dir));
}

// Splits a script into statements, dropping "--" comments.
QStringList Statements(const QString& script) {
    QString text;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            text += line + QLatin1Char('\n');
    }
    QStringList statements;
    QString current;
    bool inString = false;
    for (QChar c : text) {
        if (c == QLatin1Char('\''))
            inString = !inString;
        if (c == QLatin1Char(';') && !inString) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

} // namespace

TestDataSource::TestDataSource(const QString& catalogueFile) {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory");
        return;
    }
    WriteIni(m_dir.path(), QStringLiteral("[ODBC Data Sources]\nSkarnholt = SQLite3\n\n"
                                          "[Skarnholt]\nDriver = %1\nDatabase = %2\n"
                                          "Timeout = 5000\n")
                               .arg(QStringLiteral(SQLITE3_ODBC_DRIVER), DatabasePath()));
    m_valid = RunScript(SourcePath(QStringLiteral("db/schema.sql")));
    if (m_valid && !catalogueFile.isEmpty())
        m_valid = RunScript(SourcePath(catalogueFile));
}

void TestDataSource::UseNoDataSource(QTemporaryDir& dir) {
    WriteIni(dir.path(), QString());
}

QString TestDataSource::DatabasePath() const {
    return m_dir.path() + QStringLiteral("/skarnholt.db");
}

QString TestDataSource::SourcePath(const QString& relative) {
    return QDir(QStringLiteral(SKARNHOLT_SOURCE_DIR)).filePath(relative);
}

bool TestDataSource::RunScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read ") + path;
        return false;
    }
    const QStringList statements = Statements(QString::fromUtf8(file.readAll()));
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QODBC"), QStringLiteral("setup"));
        db.setDatabaseName(QStringLiteral("Skarnholt"));
        if (!db.open()) {
            m_error = db.lastError().text();
            ok = false;
        }
        // One transaction: a catalogue of hundreds of rows loads in a moment.
        ok = ok && db.transaction();
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (!ok)
                break;
            if (!query.exec(statement)) {
                m_error = statement.left(80) + QStringLiteral(": ") + query.lastError().text();
                ok = false;
            }
        }
        if (ok)
            ok = db.commit();
        else if (db.isOpen())
            db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    return ok;
}

bool TestDataSource::ExecOnOtherConnection(const QString& sql) {
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QODBC"), QStringLiteral("other"));
        db.setDatabaseName(QStringLiteral("Skarnholt"));
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(sql);
            if (!ok)
                m_error = query.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return ok;
}
