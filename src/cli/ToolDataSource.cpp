// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToolDataSource.h"

#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CDataError.h"

#include <QStringList>

CToolDataSource::CToolDataSource(CArmyDatabase& db) : m_db(db) {
    m_db.SetErrorSink([this](const CDataError& error) {
        if (m_failure.isEmpty())
            m_failure = error.kind == CDataError::Kind::CannotOpen
                            ? LoadResString(kCannotOpenDataSourceId)
                                  .arg(QLatin1String(CArmyDatabase::kDataSourceName),
                                       error.text.simplified())
                            : error.text.simplified();
    });
}

CToolDataSource::~CToolDataSource() {
    m_db.CloseDatabase();
    m_db.SetErrorSink({});
}

bool CToolDataSource::Open() {
    if (!m_db.OpenDatabase())
        return false;
    const QStringList missing = m_db.MissingTables();
    if (missing.isEmpty())
        return true;
    m_failure =
        LoadResString(kDataSourceLacksTablesId)
            .arg(QLatin1String(CArmyDatabase::kDataSourceName), missing.join(QStringLiteral(", ")));
    return false;
}
