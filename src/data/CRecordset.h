// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class CDatabase;
struct CUnitStats;

// A forward-only result of one query on the open connection, read column by column by name.
// A query that fails, at its start or part-way through its rows, leaves Failed() set: what was
// read until then must not pass for the whole result.
class CRecordset {
public:
    explicit CRecordset(CDatabase& db);
    virtual ~CRecordset() = default;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the query (the class's default when empty) with its values bound, and moves to the
    // first row.
    bool Open(const QString& sql = QString(), const QVariantList& values = {});
    void Close();
    bool IsOpen() const { return m_open; }
    bool IsEOF() const { return m_eof; }
    bool Failed() const { return m_failed; }
    void MoveNext();
    QString LastError() const { return m_error; }

    virtual QString GetDefaultSQL() const { return QString(); }

    int Long(const char* column) const;
    QString Text(const char* column) const;
    bool Bool(const char* column) const;
    float Single(const char* column) const;
    bool HasColumn(const char* column) const {
        return m_columns.contains(QString::fromLatin1(column).toLower());
    }
    // The field as text, empty for a null value.
    QString FieldText(const char* column) const;

protected:
    void CopyStats(CUnitStats& stats) const;
    // A field by its place in a statement that names its columns: no name to look for.
    QVariant ValueAt(int index) const { return m_query.value(index); }

private:
    QVariant Value(const char* column) const;
    int ColumnIndex(const char* column) const;
    void Fetch();

    CDatabase& m_db;
    QSqlQuery m_query;
    QHash<QString, int> m_columns;
    // The names as the driver gave them, and the index each name pointer asked for last:
    // rows are read column by column with the same literals, row after row.
    QList<QByteArray> m_names;
    mutable QHash<const char*, int> m_byPointer;
    QString m_error;
    bool m_open = false;
    bool m_eof = true;
    bool m_failed = false;
};
