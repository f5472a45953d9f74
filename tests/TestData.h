// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestDataSource.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"
#include "data/CBattleContents.h"
#include "data/CUnitType.h"

#include <QFile>
#include <QSqlQuery>

#include <memory>

// Records the tests start from, made in a line each.

// Army keys written in place: InsertBattle(name, text, Ids{first, second}).
using Ids = CIdList;

// The key of a new army, or -1.
inline int AddArmy(const QString& name, int raceId = 13, int budget = 1000,
                   CArmyDatabase& db = TheDatabase()) {
    CArmyHeader header;
    return db.InsertArmy(raceId, name, budget, &header) ? header.IdArmee : -1;
}

// The key of a new battle, or -1.
inline int AddBattle(const QString& name, const QString& description, const CIdList& armies,
                     CArmyDatabase& db = TheDatabase()) {
    CBattle battle;
    return db.InsertBattle(name, description, armies) && db.FindBattleByName(name, &battle)
               ? battle.IdBattle
               : -1;
}

// The battle of that key read whole, as the report and the sheet take it; null when it cannot
// be.
inline std::unique_ptr<CBattleContents> ReadBattle(int id, CArmyDatabase& db = TheDatabase()) {
    auto battle = std::make_unique<CBattleContents>();
    if (db.LoadBattleContents(id, battle.get()) != CArmyDatabase::kFound)
        battle.reset();
    return battle;
}

// The rows of a table, read with plain SQL; -1 when it cannot be read.
inline int CountRows(const QString& table, CArmyDatabase& db = TheDatabase()) {
    QSqlQuery query(db.Connection());
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && query.next()
               ? query.value(0).toInt()
               : -1;
}

// Empties the army and battle tables, catalogue kept.
inline bool ClearTables(CArmyDatabase& db = TheDatabase()) {
    QSqlQuery query(db.Connection());
    for (const char* table : {"BattleCompo", "Battle", "ArmeeCompo", "ArmeeDef"}) {
        if (!query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
            return false;
    }
    return true;
}

// The type of that English name first, then the types attached to it; empty when there is none.
template <typename Types>
QList<const CUnitType*> WithAttached(const Types& types, const QString& name) {
    QList<const CUnitType*> found;
    for (const CUnitType* type : types) {
        if (found.isEmpty() && type->NomGB == name)
            found << type;
    }
    for (const CUnitType* type : types) {
        if (!found.isEmpty() && type->ArmyTypeIdParent == found.first()->ArmyTypeId)
            found << type;
    }
    return found;
}

template <typename Types> const CUnitType* TypeNamed(const Types& types, const QString& name) {
    return WithAttached(types, name).value(0);
}

// A text shown on screen with the isolation marks around its names taken out.
inline QString Plain(QString text) {
    return text.remove(QChar(0x2068)).remove(QChar(0x2069));
}

// A file's bytes; when it cannot be read, a text naming it, so that two missing files differ.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing " + path.toUtf8() + ">";
}
