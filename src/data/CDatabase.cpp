#include "CDatabase.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// More statements than the program has: a caller building texts of its own cannot make the
// kept ones grow without end.
constexpr qsizetype kMaxKeptStatements = 64;

} // namespace

CDatabase::CDatabase(const QString& connectionName) : m_connectionName(connectionName) {}

CDatabase::~CDatabase() {
    CloseDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool CDatabase::Open(const QString& dataSource, const QList<QPair<QString, QString>>& logins) {
    if (IsOpen())
        return true;
    ForgetKeptStatements();
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    db.setDatabaseName(dataSource);
    bool opened = false;
    for (const auto& [user, password] : logins) {
        db.setUserName(user);
        db.setPassword(password);
        opened = db.isValid() && db.open();
        if (opened)
            break;
    }
    if (!opened) {
        Report(CDataError::Kind::CannotOpen, db.lastError().text());
        return false;
    }
    // The SQLite ODBC driver does not name its database to Qt.
    QSqlQuery probe(db);
    m_bPostgreSql = db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    m_bSqlite = db.driver()->dbmsType() == QSqlDriver::UnknownDbms &&
                probe.exec(QStringLiteral("SELECT sqlite_version()"));
    return true;
}

void CDatabase::CloseDatabase() {
    // Kept statements go before the connection they were prepared on.
    ForgetKeptStatements();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen())
        db.close();
}

bool CDatabase::IsOpen() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase CDatabase::Connection() const {
    return QSqlDatabase::database(m_connectionName, false);
}

bool CDatabase::FitsTextColumn(const QString& text) {
    // Characters beyond the first plane take two UTF-16 units but are one character.
    if (text.size() <= kMaxTextLength)
        return true;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            ++characters;
    }
    return characters <= kMaxTextLength;
}

bool CDatabase::Offer(const QString& sql, QString* error) const {
    if (!m_hook || m_hook(sql))
        return true;
    if (error)
        *error = QStringLiteral("Statement refused: ") + sql;
    return false;
}

bool CDatabase::Execute(QSqlQuery& query, const QString& sql, const QVariantList& values,
                        QString* error, bool prepared) {
    if (!Offer(sql, error))
        return false;
    bool done = prepared || query.prepare(sql);
    if (done) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done && error)
        *error = query.lastError().text();
    return done;
}

QSqlQuery* CDatabase::ExecuteKept(const QString& sql, const QVariantList& values, QString* error) {
    auto kept = m_kept.find(sql);
    const bool prepared = kept != m_kept.end();
    if (!prepared) {
        if (m_kept.size() >= kMaxKeptStatements)
            m_kept.clear();
        kept = m_kept.emplace(sql, Connection());
        kept->setForwardOnly(true);
    }
    if (!Execute(*kept, sql, values, error, prepared)) {
        // Prepared again next time, whatever state the failure left it in.
        m_kept.erase(kept);
        return nullptr;
    }
    return &*kept;
}

void CDatabase::Report(CDataError::Kind kind, const QString& text) const {
    if (m_errorSink)
        m_errorSink(CDataError{kind, text});
    else
        qWarning("%s", qPrintable(text));
}
