// SPDX-License-Identifier: GPL-3.0-or-later

#include "CTransaction.h"

#include "CDatabase.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

CTransaction::CTransaction(CDatabase& db) : m_db(db), m_pOuter(db.m_pActiveTransaction) {
    if (m_pOuter) {
        m_ok = m_pOuter->m_ok;
        return;
    }
    m_db.m_loss = CDatabase::Loss::None;
    QString lost;
    if (!m_db.EnsureConnected(&lost)) {
        m_db.m_loss = CDatabase::Loss::BeforeCommit;
        m_db.m_pActiveTransaction = this;
        Fail(lost);
        return;
    }
    QSqlDatabase connection = m_db.Connection();
    m_begun = connection.isOpen() && connection.transaction();
    m_ok = m_begun;
    m_db.m_pActiveTransaction = this;
    if (!m_begun)
        Fail(connection.isOpen() ? connection.lastError().text()
                                 : QStringLiteral("Database not open."));
}

bool CTransaction::Execute(QSqlQuery& query, const QString& sql, const QVariantList& values,
                           QString* error, bool prepared) {
    bool done = m_db.Execute(query, sql, values, error, prepared);
    // The first statement that meets the connection lost (since the last transaction: the
    // server restarted, say) has done nothing yet: it runs again on a connection opened anew.
    if (!done && m_statementsRun == 0 && m_db.ConnectionLost()) {
        m_db.m_pActiveTransaction = nullptr;
        const bool reconnected = m_db.EnsureConnected(error);
        m_db.m_pActiveTransaction = this;
        m_begun = reconnected && m_db.Connection().transaction();
        if (m_begun) {
            m_db.m_loss = CDatabase::Loss::None;
            query = QSqlQuery(m_db.Connection());
            query.setForwardOnly(true);
            done = m_db.Execute(query, sql, values, error);
        }
    }
    if (done)
        ++m_statementsRun;
    return done;
}

CTransaction::~CTransaction() {
    if (m_pOuter) {
        // An operation that gave up half-way must not let the rest be committed.
        if (!m_finished && m_pOuter->m_ok)
            m_pOuter->Rollback();
        return;
    }
    if (m_begun)
        m_db.Connection().rollback();
    if (m_db.m_pActiveTransaction == this)
        m_db.m_pActiveTransaction = nullptr;
}

int CTransaction::ExecCounted(const QString& sql, const QVariantList& values) {
    return Exec(sql, values) ? m_rowsAffected : -1;
}

bool CTransaction::Insert(const QString& sql, const QVariantList& values) {
    return Run(sql, values, true);
}

bool CTransaction::Exec(const QString& sql, const QVariantList& values) {
    return Run(sql, values, false);
}

bool CTransaction::Run(const QString& sql, const QVariantList& values, bool insert) {
    if (m_pOuter) {
        m_ok = m_ok && m_pOuter->Run(sql, values, insert);
        m_lastInsertId = m_pOuter->m_lastInsertId;
        m_rowsAffected = m_pOuter->m_rowsAffected;
        return m_ok;
    }
    if (!m_ok || m_finished)
        return false;
    QSqlQuery statement(m_db.Connection());
    statement.setForwardOnly(true);
    QString error;
    if (!Execute(statement, sql, values, &error)) {
        Fail(error);
        return false;
    }
    m_rowsAffected = statement.numRowsAffected();
    // Only after an insert, and only where the driver knows how to ask its back end.
    m_lastInsertId = QVariant();
    if (insert) {
        const QSqlDriver::DbmsType dbms = statement.driver()->dbmsType();
        if (dbms == QSqlDriver::PostgreSQL || dbms == QSqlDriver::MySqlServer ||
            dbms == QSqlDriver::MSSqlServer || dbms == QSqlDriver::Sybase)
            m_lastInsertId = statement.lastInsertId();
    }
    return true;
}

bool CTransaction::ExecEach(const QString& sql, const QList<QVariantList>& valueSets) {
    if (m_pOuter) {
        m_ok = m_ok && m_pOuter->ExecEach(sql, valueSets);
        return m_ok;
    }
    QSqlQuery statement(m_db.Connection());
    statement.setForwardOnly(true);
    bool prepared = false;
    for (const QVariantList& values : valueSets) {
        if (!m_ok || m_finished)
            return false;
        QString error;
        if (!Execute(statement, sql, values, &error, prepared)) {
            Fail(error);
            return false;
        }
        prepared = true;
    }
    return m_ok && !m_finished;
}

QVariant CTransaction::Scalar(const QString& sql, const QVariantList& values) {
    QVariantList column;
    if (Read(sql, values, 1, &column) && column.isEmpty())
        Fail(QStringLiteral("No row: ") + sql);
    return column.value(0);
}

QVariantList CTransaction::Column(const QString& sql, const QVariantList& values) {
    QVariantList column;
    return Read(sql, values, -1, &column) ? column : QVariantList();
}

bool CTransaction::Read(const QString& sql, const QVariantList& values, qsizetype limit,
                        QVariantList* column) {
    if (m_pOuter) {
        const bool read = m_ok && m_pOuter->Read(sql, values, limit, column);
        m_ok = m_ok && m_pOuter->m_ok;
        return read && m_ok;
    }
    if (!m_ok || m_finished)
        return false;
    QSqlQuery query(m_db.Connection());
    query.setForwardOnly(true);
    QString error;
    if (!Execute(query, sql, values, &error)) {
        Fail(error);
        return false;
    }
    while ((limit < 0 || column->size() < limit) && query.next())
        column->append(query.value(0));
    const bool failed = query.lastError().isValid();
    if (failed)
        error = query.lastError().text();
    // No cursor is left open: on SQLite it would keep other programs from writing.
    query.finish();
    if (failed) {
        Fail(error);
        return false;
    }
    return true;
}

bool CTransaction::Commit() {
    m_finished = true;
    if (m_pOuter)
        return m_ok && m_pOuter->m_ok;
    if (!m_ok)
        return false;
    QString error;
    if (!m_db.Offer(QStringLiteral("COMMIT"), &error)) {
        Fail(error);
        return false;
    }
    m_begun = false;
    QSqlDatabase connection = m_db.Connection();
    if (!connection.commit()) {
        error = connection.lastError().text();
        m_db.NoteLostConnection(CDatabase::Loss::AtCommit);
        connection.rollback();
        Fail(error);
        return false;
    }
    // A driver that lost its server may not know it was in a transaction, and commit nothing.
    if (m_db.NoteLostConnection(CDatabase::Loss::AtCommit)) {
        Fail(QStringLiteral("The connection to the server was lost at the commit."));
        return false;
    }
    if (m_db.m_pActiveTransaction == this)
        m_db.m_pActiveTransaction = nullptr;
    return true;
}

void CTransaction::Rollback() {
    m_ok = false;
    m_finished = true;
    if (m_pOuter) {
        m_pOuter->Rollback();
        return;
    }
    if (m_begun) {
        m_db.Connection().rollback();
        m_begun = false;
    }
    // What runs next (reading the army back, say) is no longer part of this one.
    if (m_db.m_pActiveTransaction == this)
        m_db.m_pActiveTransaction = nullptr;
}

void CTransaction::Fail(const QString& error) {
    m_ok = false;
    if (m_begun) {
        m_db.Connection().rollback();
        m_begun = false;
    }
    if (!m_reported) {
        m_reported = true;
        m_db.Report(CDataError::Kind::Statement, error);
    }
}
