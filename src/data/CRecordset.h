#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

struct CUnitStats;

// A forward-only result of one query on the open connection, read column by column by name.
class CRecordset {
public:
    explicit CRecordset(const QSqlDatabase& db);
    virtual ~CRecordset() = default;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the query (the class's default when empty) and moves to the first row.
    bool Open(const QString& sql = QString());
    void Close();
    bool IsOpen() const { return m_open; }
    bool IsEOF() const { return m_eof; }
    void MoveNext();
    QString LastError() const;

    virtual QString GetDefaultSQL() const { return QString(); }

    int Long(const char* column) const;
    QString Text(const char* column) const;
    int Bool(const char* column) const;
    float Single(const char* column) const;
    // The field as text, empty for a null value.
    QString FieldText(const char* column) const;

protected:
    void CopyStats(CUnitStats& stats) const;

private:
    QVariant Value(const char* column) const;

    QSqlQuery m_query;
    QHash<QString, int> m_columns;
    bool m_open = false;
    bool m_eof = true;
};
