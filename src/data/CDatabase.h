#pragma once

#include "CDataError.h"

#include <QHash>
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
    // The most values one statement may bind on this back end.
    int MaxBoundValues() const { return m_bPostgreSql ? 65535 : 32766; }

    // Whether a text fits a name or description column (counted in characters, whatever their
    // size in UTF-16).
    static bool FitsTextColumn(const QString& text);

    // Where failures are reported; the program shows them, a tool prints them.
    using ErrorSink = std::function<void(const CDataError& error)>;
    void SetErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }
    void Report(CDataError::Kind kind, const QString& text) const;

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
    // Runs the statement through a copy of it prepared once on this connection and kept: an
    // edit runs the same few statements each time, and preparing one cost more than running
    // it. Null, with the error, when it failed (its copy is then dropped). The query answered
    // is valid until the next statement.
    QSqlQuery* ExecuteKept(const QString& sql, const QVariantList& values, QString* error);

private:
    void ForgetKeptStatements() { m_kept.clear(); }

    QString m_connectionName;
    StatementHook m_hook;
    ErrorSink m_errorSink;
    bool m_bSqlite = false;
    bool m_bPostgreSql = false;
    CTransaction* m_pActiveTransaction = nullptr;
    QHash<QString, QSqlQuery> m_kept;
};
