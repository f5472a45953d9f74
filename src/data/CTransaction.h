#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

// One transaction on the connection: statements run until one fails; Commit then rolls the
// whole of it back and shows the driver's error. Destroyed without Commit, it rolls back.
class CTransaction {
public:
    // Every statement run is appended to the log when one is given.
    explicit CTransaction(const QSqlDatabase& db, QStringList* log = nullptr);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    bool Ok() const { return m_ok; }
    bool Exec(const QString& sql);
    // The first column of the first row of a query run inside the transaction; invalid when
    // the query fails. Only for queries whose failure leaves the transaction usable.
    QVariant Scalar(const QString& sql);
    // The key the backend gave the row of the last Exec, when the driver can tell it.
    QVariant DriverLastInsertId() const { return m_lastInsertId; }
    QSqlDatabase Database() const { return m_db; }
    // 1 when everything ran and was committed, else 0 after rolling back.
    int Commit();

private:
    void Fail(const QString& error);

    QSqlDatabase m_db;
    QStringList* m_log;
    QVariant m_lastInsertId;
    bool m_ok = false;
    bool m_begun = false;
    bool m_reported = false;
};
