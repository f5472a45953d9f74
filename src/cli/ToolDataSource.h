// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CArmyDatabase;

// A command-line tool's hold on its data source, for the tool's run: the first failure the
// connection reports is the one said (what follows from it is not); the data source is closed
// and the connection's sink removed at the end.
class CToolDataSource {
public:
    explicit CToolDataSource(CArmyDatabase& db);
    ~CToolDataSource();
    CToolDataSource(const CToolDataSource&) = delete;
    CToolDataSource& operator=(const CToolDataSource&) = delete;

    // Opens the data source and checks it has the program's tables; false when it cannot be
    // used, Failure() saying why.
    bool Open();
    // The first failure since the last Forget, a line in the program's language.
    QString Failure() const { return m_failure; }
    void Forget() { m_failure.clear(); }

private:
    CArmyDatabase& m_db;
    QString m_failure;
};
