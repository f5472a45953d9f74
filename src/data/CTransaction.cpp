#include "CTransaction.h"

#include "app/MessageBox.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

CTransaction::CTransaction(const QSqlDatabase& db, QStringList* log) : m_db(db), m_log(log) {
    m_begun = m_db.isOpen() && m_db.transaction();
    m_ok = m_begun;
    if (!m_begun)
        Fail(m_db.isOpen() ? m_db.lastError().text() : QStringLiteral("Database not open."));
}

CTransaction::~CTransaction() {
    if (m_begun)
        m_db.rollback();
}

bool CTransaction::Exec(const QString& sql) {
    if (!m_ok)
        return false;
    if (m_log)
        m_log->append(sql);
    QSqlQuery query(m_db);
    if (!query.exec(sql)) {
        Fail(query.lastError().text());
        return false;
    }
    const QSqlDriver::DbmsType dbms = m_db.driver()->dbmsType();
    m_lastInsertId = dbms == QSqlDriver::PostgreSQL || dbms == QSqlDriver::MySqlServer ||
                             dbms == QSqlDriver::MSSqlServer || dbms == QSqlDriver::Sybase
                         ? query.lastInsertId()
                         : QVariant();
    return true;
}

QVariant CTransaction::Scalar(const QString& sql) {
    if (!m_ok)
        return QVariant();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

int CTransaction::Commit() {
    if (!m_ok)
        return 0;
    m_begun = false;
    if (!m_db.commit()) {
        const QString error = m_db.lastError().text();
        m_db.rollback();
        m_ok = false;
        Fail(error);
        return 0;
    }
    return 1;
}

void CTransaction::Fail(const QString& error) {
    m_ok = false;
    if (m_begun) {
        m_db.rollback();
        m_begun = false;
    }
    if (!m_reported) {
        m_reported = true;
        ShowDatabaseError(error);
    }
}
