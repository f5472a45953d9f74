// SPDX-License-Identifier: GPL-3.0-or-later

#include "CDatabase.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <sql.h>
#include <sqlext.h>

#include <iterator>

CDatabase::CDatabase(const QString& connectionName) : m_connectionName(connectionName) {}

CDatabase::~CDatabase() {
    CloseDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool CDatabase::Open(const QString& dataSource, const QList<QPair<QString, QString>>& logins) {
    if (IsOpen())
        return true;
    m_dataSource = dataSource;
    m_logins = logins;
    m_bLost = false;
    QString error;
    if (!Connect(&error)) {
        Report(CDataError::Kind::CannotOpen, error);
        return false;
    }
    return true;
}

bool CDatabase::Connect(QString* error) {
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    if (db.isOpen())
        db.close();
    db.setDatabaseName(m_dataSource);
    bool opened = false;
    for (const auto& [user, password] : std::as_const(m_logins)) {
        db.setUserName(user);
        db.setPassword(password);
        opened = db.isValid() && db.open();
        if (opened)
            break;
    }
    if (!opened) {
        *error = db.lastError().text();
        return false;
    }
    // The SQLite ODBC driver does not name its database to Qt.
    QSqlQuery probe(db);
    m_bPostgreSql = db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    m_bSqlite = db.driver()->dbmsType() == QSqlDriver::UnknownDbms &&
                probe.exec(QStringLiteral("SELECT sqlite_version()"));
    return true;
}

bool CDatabase::EnsureConnected(QString* error) {
    if (!m_bLost)
        return true;
    QString why = QStringLiteral("The connection to the server was lost.");
    // Whatever a transaction did went with the connection: it must fail whole.
    if (!m_pActiveTransaction) {
        // Long enough for a server to restart, short enough for a player to wait.
        static constexpr unsigned long kWaits[] = {0, 500, 1000, 2000};
        const int attempts = static_cast<int>(std::size(kWaits));
        for (int attempt = 1; attempt <= attempts; ++attempt) {
            if (m_reconnectSink)
                m_reconnectSink(attempt, attempts);
            QThread::msleep(kWaits[attempt - 1]);
            if (Connect(&why)) {
                m_bLost = false;
                m_bGaveUp = false;
                m_bLossReported = false;
                if (m_reconnectSink)
                    m_reconnectSink(0, attempts);
                return true;
            }
        }
        m_bGaveUp = true;
        Report(CDataError::Kind::CannotReconnect, why);
    }
    if (error)
        *error = why;
    return false;
}

bool CDatabase::DriverFindsDead() const {
    QSqlDatabase db = Connection();
    if (!db.isOpen() || !db.driver())
        return false;
    // The connection handle the ODBC driver gave Qt; only the driver knows that its server
    // went away, and says so without a round trip.
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || handle.metaType().sizeOf() != sizeof(SQLHANDLE))
        return false;
    SQLHANDLE connection = *static_cast<const SQLHANDLE*>(handle.constData());
    SQLUINTEGER dead = SQL_CD_FALSE;
    const SQLRETURN asked =
        SQLGetConnectAttr(connection, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
    return SQL_SUCCEEDED(asked) && dead == SQL_CD_TRUE;
}

bool CDatabase::NoteLostConnection(Loss loss) {
    if (!m_bLost && !DriverFindsDead())
        return false;
    m_bLost = true;
    if (m_loss == Loss::None || loss == Loss::AtCommit)
        m_loss = loss;
    return true;
}

void CDatabase::CloseDatabase() {
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
    if (!done) {
        NoteLostConnection(Loss::BeforeCommit);
        if (error)
            *error = query.lastError().text();
    }
    return done;
}

void CDatabase::Report(CDataError::Kind kind, const QString& text) const {
    if (m_bLost && kind == CDataError::Kind::Statement)
        kind = m_loss == Loss::AtCommit ? CDataError::Kind::CommitUncertain
                                        : CDataError::Kind::ConnectionLost;
    // One message per loss, but one each time the server cannot be reached again; none when
    // the caller tells the player itself.
    if (kind == CDataError::Kind::ConnectionLost || kind == CDataError::Kind::CommitUncertain ||
        kind == CDataError::Kind::CannotReconnect) {
        const bool again = m_bLossReported && kind != CDataError::Kind::CannotReconnect;
        m_bLossReported = true;
        if (m_lossToldByCaller > 0 || again)
            return;
    }
    if (m_errorSink)
        m_errorSink(CDataError{kind, text});
    else
        qWarning("%s", qPrintable(text));
}
