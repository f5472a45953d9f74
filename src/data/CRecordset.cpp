// SPDX-License-Identifier: GPL-3.0-or-later

#include "CRecordset.h"

#include "CDatabase.h"
#include "CUnitStats.h"

#include <QSqlError>
#include <QSqlRecord>

CRecordset::CRecordset(CDatabase& db) : m_db(db), m_query(db.Connection()) {
    m_query.setForwardOnly(true);
}

bool CRecordset::Open(const QString& sql, const QVariantList& values) {
    Close();
    const QString statement = sql.isEmpty() ? GetDefaultSQL() : sql;
    // A read that meets the connection lost is read again on the connection opened anew: it
    // changes nothing. (Inside a transaction the connection is not opened again.)
    m_failed = !m_db.EnsureConnected(&m_error);
    if (!m_failed) {
        m_failed = !m_db.Execute(m_query, statement, values, &m_error);
        if (m_failed && m_db.ConnectionLost() && m_db.EnsureConnected(&m_error))
            m_failed = !m_db.Execute(m_query, statement, values, &m_error);
    }
    if (m_failed)
        return false;
    // Column names are matched without regard to case: some databases fold unquoted names.
    const QSqlRecord record = m_query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_columns.insert(record.fieldName(i).toLower(), i);
        m_names.append(record.fieldName(i).toLatin1());
    }
    m_open = true;
    m_eof = false;
    Fetch();
    return !m_failed;
}

void CRecordset::Close() {
    if (m_open)
        m_query.finish();
    m_columns.clear();
    m_names.clear();
    m_byPointer.clear();
    m_open = false;
    m_eof = true;
}

void CRecordset::MoveNext() {
    if (!m_eof)
        Fetch();
}

// The end of the rows and a row that cannot be fetched look alike; only the error tells.
void CRecordset::Fetch() {
    if (m_query.next())
        return;
    m_eof = true;
    if (m_query.lastError().type() != QSqlError::NoError) {
        m_failed = true;
        m_error = m_query.lastError().text();
    }
}

// Folding the name for every field of every row cost more than reading the field; the
// pointer finds it again, and one comparison makes sure it still names that column.
int CRecordset::ColumnIndex(const char* column) const {
    const auto cached = m_byPointer.constFind(column);
    if (cached != m_byPointer.constEnd() && qstricmp(column, m_names.at(*cached).constData()) == 0)
        return *cached;
    const int index = m_columns.value(QString::fromLatin1(column).toLower(), -1);
    if (index >= 0)
        m_byPointer.insert(column, index);
    return index;
}

QVariant CRecordset::Value(const char* column) const {
    const int index = ColumnIndex(column);
    return index < 0 ? QVariant() : m_query.value(index);
}

int CRecordset::Long(const char* column) const {
    return Value(column).toInt();
}

QString CRecordset::Text(const char* column) const {
    return Value(column).toString();
}

bool CRecordset::Bool(const char* column) const {
    // Drivers hand yes/no columns back as numbers, booleans or text such as "1" or "t".
    const QVariant value = Value(column);
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        return text == QLatin1String("1") || text == QLatin1String("t") ||
               text == QLatin1String("true") || text == QLatin1String("y") ||
               text == QLatin1String("yes");
    }
    return value.toInt() != 0;
}

float CRecordset::Single(const char* column) const {
    return Value(column).toFloat();
}

QString CRecordset::FieldText(const char* column) const {
    const QVariant value = Value(column);
    return value.isNull() ? QString() : value.toString();
}

void CRecordset::CopyStats(CUnitStats& stats) const {
    for (const CStatField& field : kStatFields) {
        if (field.real)
            stats.*field.real = Single(field.column);
        else
            stats.*field.integer = field.yesNo ? Bool(field.column) : Long(field.column);
    }
}
