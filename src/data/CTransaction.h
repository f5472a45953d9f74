// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

class CDatabase;
class QSqlQuery;

// One transaction on the connection: statements run until one fails; the whole of it is then
// rolled back and the driver's error shown once. Destroyed without Commit, it rolls back. Its
// first statement, when it meets the connection lost, runs again on a connection opened anew.
//
// A transaction begun while another is open on the same connection joins it: its statements
// run in the outer one, its Commit only answers whether all went well so far, and a failure
// or an abandon anywhere fails the outer one. So an editing operation made of several
// operations of the data layer is stored whole or not at all.
class CTransaction {
public:
    explicit CTransaction(CDatabase& db);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    bool Ok() const { return m_ok; }
    bool Exec(const QString& sql, const QVariantList& values = {});
    // The same statement once for each set of values, prepared once: true when all ran.
    bool ExecEach(const QString& sql, const QList<QVariantList>& valueSets);
    // An insert whose new key is wanted: DriverLastInsertId() then tells it.
    bool Insert(const QString& sql, const QVariantList& values);
    // The rows the statement changed; -1, the transaction failed, when it was refused.
    int ExecCounted(const QString& sql, const QVariantList& values = {});
    // The first column of the first row of a query run inside the transaction; invalid, with
    // the transaction failed, when the query fails or gives no row.
    QVariant Scalar(const QString& sql, const QVariantList& values = {});
    // The first column of every row of a query run inside the transaction; empty, with the
    // transaction failed, when the query fails.
    QVariantList Column(const QString& sql, const QVariantList& values = {});
    // The key the backend gave the row of the last Insert, when the driver can tell it.
    QVariant DriverLastInsertId() const { return m_lastInsertId; }
    // Whether everything ran and was committed (or, joined, runs well so far).
    bool Commit();
    // Undoes everything now; the transaction then stays failed.
    void Rollback();

private:
    // The rows' first columns, at most limit of them; false, the transaction failed, when the
    // query fails.
    bool Read(const QString& sql, const QVariantList& values, qsizetype limit,
              QVariantList* column);
    bool Run(const QString& sql, const QVariantList& values, bool insert);
    // Runs the statement with its values through the query, which is prepared unless told it
    // already holds it; false, with the error, when it failed.
    bool Execute(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error,
                 bool prepared = false);
    void Fail(const QString& error);

    CDatabase& m_db;
    CTransaction* m_pOuter = nullptr;
    QVariant m_lastInsertId;
    int m_rowsAffected = -1;
    int m_statementsRun = 0;
    bool m_ok = false;
    bool m_begun = false;
    bool m_finished = false;
    bool m_reported = false;
};
