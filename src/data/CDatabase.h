// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CDataError.h"

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

class CRecordset;
class CTransaction;

// One named connection to an ODBC data source, and the one place its statements run: each is
// prepared, its values bound in order, offered to the statement hook, then executed. Failures
// go to the error sink; nothing here shows a window.
class CDatabase {
public:
    // Longest name or description a text column holds, in characters.
    static constexpr int kMaxTextLength = 255;

    explicit CDatabase(const QString& connectionName);
    virtual ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Opens the data source with the first of the logins (user, password) that it accepts.
    bool Open(const QString& dataSource, const QList<QPair<QString, QString>>& logins);
    void CloseDatabase();
    bool IsOpen() const;
    QSqlDatabase Connection() const;
    // Whether the data source is SQLite, which tells new keys its own way.
    bool IsSqlite() const { return m_bSqlite; }
    bool IsPostgreSql() const { return m_bPostgreSql; }
    // The most values one statement may bind: SQLite's limit, and psqlODBC's too, which counts
    // a statement's parameters in a signed 16 bits (it crashes binding more).
    int MaxBoundValues() const { return 32766; }

    // Whether a text fits a name or description column (counted in characters, whatever their
    // size in UTF-16).
    static bool FitsTextColumn(const QString& text);

    // Where failures are reported; the program shows them, a tool prints them.
    using ErrorSink = std::function<void(const CDataError& error)>;
    void SetErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }
    void Report(CDataError::Kind kind, const QString& text) const;

    // A connection to a server may be lost between two statements (a network blip, the server
    // restarted). The driver tells it when a statement fails; the connection is then opened
    // again before the next statement, a few tries apart, and a read that met it lost is read
    // once more. A transaction that met it is lost whole; ConnectionLoss tells whether its
    // commit was under way, when what it did may have been stored.
    enum class Loss { None, BeforeCommit, AtCommit };
    bool ConnectionLost() const { return m_bLost; }
    // What the last transaction met; the next transaction starts with none.
    Loss ConnectionLoss() const { return m_loss; }
    // Opens the connection again when it was lost; false (the reason in error, and reported)
    // when it cannot be, or when a transaction is open on it.
    bool EnsureConnected(QString* error = nullptr);
    // Whether the last tries to open it again failed (and none succeeded since): reading back
    // what a failed edit left would only make the player wait for the same answer.
    bool ServerUnreachable() const { return m_bLost && m_bGaveUp; }
    // Told of every try to open the connection again (1..attempts), and with 0 once it is open.
    using ReconnectSink = std::function<void(int attempt, int attempts)>;
    void SetReconnectSink(ReconnectSink sink) { m_reconnectSink = std::move(sink); }
    // While one is alive, a lost connection is not reported: its owner tells the player what
    // became of its work.
    class LossToldByCaller {
    public:
        explicit LossToldByCaller(CDatabase& db) : m_db(db) { ++m_db.m_lossToldByCaller; }
        ~LossToldByCaller() { --m_db.m_lossToldByCaller; }
        LossToldByCaller(const LossToldByCaller&) = delete;
        LossToldByCaller& operator=(const LossToldByCaller&) = delete;

    private:
        CDatabase& m_db;
    };

    // Called with every statement before it runs, and with "COMMIT" before a commit; answering
    // false makes the data source refuse it. Tests use it to log statements and to break an
    // operation at any step; an empty function removes it.
    using StatementHook = std::function<bool(const QString& sql)>;
    void SetStatementHook(StatementHook hook) { m_hook = std::move(hook); }

protected:
    friend class CTransaction;
    friend class CRecordset;

    // prepared: the query already holds this statement, prepared; only the values are new.
    bool Execute(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error,
                 bool prepared = false);
    bool Offer(const QString& sql, QString* error) const;
    // After a failure: notes the connection lost when the driver finds it dead; true then.
    bool NoteLostConnection(Loss loss);

private:
    bool Connect(QString* error);
    bool DriverFindsDead() const;

    QString m_connectionName;
    QString m_dataSource;
    QList<QPair<QString, QString>> m_logins;
    bool m_bLost = false;
    bool m_bGaveUp = false;
    Loss m_loss = Loss::None;
    int m_lossToldByCaller = 0;
    // One report per loss: every statement after it fails alike.
    mutable bool m_bLossReported = false;
    ReconnectSink m_reconnectSink;
    StatementHook m_hook;
    ErrorSink m_errorSink;
    bool m_bSqlite = false;
    bool m_bPostgreSql = false;
    CTransaction* m_pActiveTransaction = nullptr;
};
