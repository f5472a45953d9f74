// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyDatabase.h"

#include "CArmeeCompoSet.h"
#include "CArmeeDefSet.h"
#include "CArmeeSet.h"
#include "CArmeeSummarySet.h"
#include "CArmyHeader.h"
#include "CArmyUnit.h"
#include "CBattle.h"
#include "CBattleCompoSet.h"
#include "CBattleContents.h"
#include "CBattleEntry.h"
#include "CBattleSet.h"
#include "CRace.h"
#include "CRaceSet.h"
#include "CTransaction.h"
#include "CUnitType.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <functional>
#include <iterator>

namespace {

// An empty text is stored as an empty text, not as NULL.
QVariant Text(const QString& text) {
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

// Yes/no columns take a boolean; every driver maps it to its own yes/no type.
QVariant YesNo(int value) {
    return QVariant(value == 1);
}

// Leading decimal digits, as atoi reads them; 0 when there are none.
int LeadingInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+'))
        negative = trimmed[i++] == u'-';
    long long value = 0;
    for (; i < trimmed.size() && trimmed[i].isDigit(); ++i)
        value = value * 10 + trimmed[i].digitValue();
    return static_cast<int>(negative ? -value : value);
}

// Names that may stand in a statement's text: tables and columns of the program's own.
bool IsPlainName(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

// Names as a French reader orders them, whatever the database's collation: case and accents
// matter only between names otherwise equal ("armée" beside "Armée", "Élite" among the E),
// and equal names keep their key order.
template <typename Record> void SortByName(CItemList<Record>& records) {
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    QList<Record*> sorted(records.begin(), records.end());
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const Record* a, const Record* b) {
        return collator.compare(a->Nom, b->Nom) < 0;
    });
    records.Reorder(sorted);
}

// unixODBC looks for the user's data sources in the passwd entry's home, whatever HOME says;
// the set-up script registers them in HOME's, so that one is read when there is one.
void ReadDataSourcesFromHome() {
    const QString home = qEnvironmentVariable("HOME");
    if (!qEnvironmentVariableIsEmpty("ODBCINI") || home.isEmpty())
        return;
    const QString ini = QDir(home).filePath(QStringLiteral(".odbc.ini"));
    if (QFileInfo::exists(ini))
        qputenv("ODBCINI", QFile::encodeName(ini));
}

// Runs a statement over count items, as many per statement as perStatement: the statement
// for a full batch is prepared once and run for each, the rest in one more.
bool ExecInBatches(CTransaction& work, qsizetype count, qsizetype perStatement,
                   const std::function<QString(qsizetype rows)>& statement,
                   const std::function<void(qsizetype item, QVariantList& values)>& bind) {
    const auto valuesOf = [&bind](qsizetype first, qsizetype rows) {
        QVariantList values;
        for (qsizetype i = first; i < first + rows; ++i)
            bind(i, values);
        return values;
    };
    const qsizetype full = count / perStatement;
    QList<QVariantList> batches;
    batches.reserve(full);
    for (qsizetype batch = 0; batch < full; ++batch)
        batches << valuesOf(batch * perStatement, perStatement);
    if (full > 0 && !work.ExecEach(statement(perStatement), batches))
        return false;
    const qsizetype rest = count - full * perStatement;
    return rest == 0 || work.Exec(statement(rest), valuesOf(full * perStatement, rest));
}

const char* const kTables[] = {"Armees",     "Races",  "ArmeeDef",
                               "ArmeeCompo", "Battle", "BattleCompo"};

} // namespace

CArmyDatabase::CArmyDatabase(const QString& connectionName) : CDatabase(connectionName) {}

bool CArmyDatabase::OpenDatabase() {
    ReadDataSourcesFromHome();
    // Keys kept are another server's, or another database's.
    ForgetSpareUnitKeys();
    // The program's own login first; then the data source's (a club server names its player's
    // user there, and the password comes from the environment or ~/.pgpass).
    // Each statement a club's server runs is a round trip. An edit is rolled back whole on any
    // error, so the PostgreSQL driver need not guard each statement with a savepoint of its own
    // (Protocol=7.4-1); and it sends a statement with its values in one message, with the
    // BEGIN before it, rather than preparing, describing and freeing it in three more
    // (UseServerSidePrepare=0). Other drivers ignore both words.
    if (!Open(QString::fromLatin1(kDataSourceName) +
                  QStringLiteral(";Protocol=7.4-1;UseServerSidePrepare=0"),
              {{QStringLiteral("admin"), QStringLiteral("qx")}, {QString(), QString()}}))
        return false;
    return ReadPlayer();
}

bool CArmyDatabase::ReadPlayer() {
    m_player.clear();
    m_bMayChangeAll = true;
    if (!IsPostgreSql())
        return true;
    // The tables' owner is not held by the rows' rules, nor is a database without them.
    CRecordset set(*this);
    if (!set.Open(QStringLiteral(
            "SELECT current_user AS Player, NOT COALESCE((SELECT relrowsecurity FROM pg_class "
            "WHERE oid = to_regclass('armeedef')), false) OR COALESCE(pg_has_role((SELECT "
            "relowner FROM pg_class WHERE oid = to_regclass('armeedef')), 'MEMBER'), false) OR "
            "EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'skarnholt_admin' AND "
            "pg_has_role(oid, 'MEMBER')) AS MayChangeAll"))) {
        Report(CDataError::Kind::Statement, set.LastError());
        return false;
    }
    if (!set.IsEOF()) {
        m_player = set.Text("Player");
        m_bMayChangeAll = set.Bool("MayChangeAll");
    }
    return true;
}

QStringList CArmyDatabase::MissingTables() const {
    // Some databases fold unquoted names to lower case.
    QStringList present = Connection().tables(QSql::Tables);
    for (QString& table : present)
        table = table.toLower();
    QStringList missing;
    for (const char* table : kTables) {
        if (!present.contains(QString::fromLatin1(table).toLower()))
            missing << QString::fromLatin1(table);
    }
    return missing;
}

template <typename Set, typename Record>
bool CArmyDatabase::LoadInto(const QString& sql, const QVariantList& values,
                             CItemList<Record>& list) {
    Set set(*this);
    CItemList<Record> read;
    if (set.Open(sql, values)) {
        for (; !set.IsEOF(); set.MoveNext())
            set.CopyTo(*read.Append(std::make_unique<Record>()));
    }
    if (set.Failed()) {
        Report(CDataError::Kind::Statement, set.LastError());
        return false;
    }
    list.TakeAll(read);
    return true;
}

template <typename Set, typename Record>
int CArmyDatabase::FindOne(const QString& sql, const QVariantList& values, Record* record) {
    Set set(*this);
    if (!set.Open(sql, values)) {
        Report(CDataError::Kind::Statement, set.LastError());
        return kReadFailed;
    }
    if (set.IsEOF())
        return kNotFound;
    if (record)
        set.CopyTo(*record);
    return kFound;
}

template <typename Set, typename Record>
bool CArmyDatabase::LoadSortedByName(CItemList<Record>& list) {
    CItemList<Record> read;
    if (!LoadInto<Set>(QString(), {}, read))
        return false;
    SortByName(read);
    list.TakeAll(read);
    return true;
}

bool CArmyDatabase::TextsFit(
    std::initializer_list<std::pair<QString, CDataError::Kind>> texts) const {
    for (const auto& [text, kind] : texts) {
        if (!FitsTextColumn(text)) {
            Report(kind, text);
            return false;
        }
    }
    return true;
}

bool CArmyDatabase::ExecuteOne(const QString& sql, const QVariantList& values) {
    CTransaction work(*this);
    work.Exec(sql, values);
    return work.Commit();
}

// The key of the row just inserted, read inside the insert's own transaction so that another
// program writing at the same time cannot slip its row in between.
int CArmyDatabase::LastInsertedKey(CTransaction& work, const QString& table,
                                   const QString& column) {
    QVariant key = work.DriverLastInsertId();
    if (!key.isValid() && IsSqlite())
        key = work.Scalar(QStringLiteral("SELECT last_insert_rowid()"));
    // A back end of no known kind: the largest key, read inside the same transaction.
    else if (!key.isValid() && IsPlainName(table) && IsPlainName(column))
        key = work.Scalar(QStringLiteral("SELECT Max(%1) AS Id FROM %2").arg(column, table));
    return key.isValid() ? LeadingInteger(key.toString()) : -1;
}

int CArmyDatabase::InsertReturningKey(CTransaction& work, const QString& sql,
                                      const QVariantList& values, const QString& table,
                                      const QString& column) {
    // The key comes back with the insert, one round trip less to a club's server. (The SQLite
    // driver tells no rows of an INSERT ... RETURNING.)
    if (IsPostgreSql() && IsPlainName(column)) {
        const QVariant key = work.Scalar(sql + QStringLiteral(" RETURNING ") + column, values);
        return key.isValid() ? LeadingInteger(key.toString()) : -1;
    }
    work.Insert(sql, values);
    return work.Ok() ? LastInsertedKey(work, table, column) : -1;
}

// ---- Catalogue and races

bool CArmyDatabase::LoadRaces(CItemList<CRace>& races) {
    return LoadInto<CRaceSet>(QString(), {}, races);
}

bool CArmyDatabase::LoadUnitTypes(CItemList<CUnitType>& types) {
    return LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees ORDER BY IdRace,ArmyTypeId"),
                               {}, types);
}

bool CArmyDatabase::LoadUnitTypeSummaries(CItemList<CUnitType>& types) {
    return LoadInto<CArmeeSummarySet>(QString(), CArmeeSummarySet::DefaultValues(), types);
}

bool CArmyDatabase::CompleteUnitTypes(CItemList<CUnitType>& types, int typeId) {
    CItemList<CUnitType> read;
    const bool all = typeId == -1;
    if (!(all ? LoadUnitTypes(read)
              : LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees WHERE ArmyTypeId = ? OR "
                                                   "ArmyTypeIdParent = ?"),
                                    {typeId, typeId}, read)))
        return false;
    QHash<int, CUnitType*> stored;
    for (CUnitType* type : read)
        stored.insert(type->ArmyTypeId, type);
    QHash<int, CUnitType*> known;
    for (CUnitType* type : types) {
        known.insert(type->ArmyTypeId, type);
        const bool wanted = all ? !type->m_bComplete : type->ArmyTypeId == typeId;
        if (wanted && !stored.contains(type->ArmyTypeId)) {
            Report(CDataError::Kind::Statement,
                   QStringLiteral("Armees: no unit type %1 any more").arg(type->ArmyTypeId));
            return false;
        }
    }
    // What the catalogue's tree shows and groups by stays as it was read.
    const QList<CUnitType*> rows(read.begin(), read.end());
    for (CUnitType* row : rows) {
        CUnitType* type = known.value(row->ArmyTypeId);
        if (!type) {
            types.Append(read.Take(row));
            continue;
        }
        if (!type->m_bComplete) {
            row->IdRace = type->IdRace;
            row->CombatantType = type->CombatantType;
            static_cast<CUnitStats&>(*type) = *row;
            type->NomFR = row->NomFR;
            type->m_bComplete = true;
        }
    }
    return true;
}

bool CArmyDatabase::LoadUnitTypeRaces(CIdList& raceIds) {
    CRecordset set(*this);
    CIdList read;
    if (set.Open(QStringLiteral("SELECT DISTINCT IdRace FROM Armees"))) {
        for (; !set.IsEOF(); set.MoveNext())
            read.append(set.Long("IdRace"));
    }
    if (set.Failed()) {
        Report(CDataError::Kind::Statement, set.LastError());
        return false;
    }
    raceIds += read;
    return true;
}

bool CArmyDatabase::LoadUnitTypesByParent(int parentId, CItemList<CUnitType>& types) {
    return LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees WHERE ArmyTypeIdParent = ?"),
                               {parentId}, types);
}

// ---- Armies

bool CArmyDatabase::LoadArmies(CItemList<CArmyHeader>& armies) {
    return LoadSortedByName<CArmeeDefSet>(armies);
}

int CArmyDatabase::FindArmyById(int armyId, CArmyHeader& header) {
    return FindOne<CArmeeDefSet>(QStringLiteral("SELECT * FROM ArmeeDef WHERE IdArmee = ?"),
                                 {armyId}, &header);
}

int CArmyDatabase::FindArmyByName(const QString& name, CArmyHeader& header) {
    return FindOne<CArmeeDefSet>(QStringLiteral("SELECT * FROM ArmeeDef WHERE Nom = ?"),
                                 {Text(name)}, &header);
}

bool CArmyDatabase::InsertArmy(int raceId, const QString& name, int budget, CArmyHeader* header) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong}}))
        return false;
    CTransaction work(*this);
    const int key = InsertReturningKey(
        work,
        QStringLiteral(
            "INSERT INTO ArmeeDef (Nom,NombrePointMax,CoutTotal,IdRace) VALUES (?,?,0,?)"),
        {Text(name), budget, raceId}, QStringLiteral("ArmeeDef"), QStringLiteral("IdArmee"));
    // Read back by key: a name may be shared by several armies.
    return work.Commit() && (!header || FindArmyById(key, *header) == kFound);
}

bool CArmyDatabase::UpdateArmy(const CArmyHeader& header) {
    if (!TextsFit({{header.Nom, CDataError::Kind::NameTooLong}}))
        return false;
    return ExecuteOne(
        QStringLiteral("UPDATE ArmeeDef SET Nom = ?, NombrePointMax = ?, CoutTotal = ?  WHERE "
                       "IdArmee = ?"),
        {Text(header.Nom), header.NombrePointMax, header.CoutTotal, header.IdArmee});
}

bool CArmyDatabase::DeleteArmy(int armyId) {
    return ExecuteOne(QStringLiteral("DELETE FROM ArmeeDef WHERE IdArmee = ?"), {armyId});
}

bool CArmyDatabase::DeleteArmyUnits(int armyId) {
    return ExecuteOne(QStringLiteral("DELETE FROM ArmeeCompo WHERE IdArmee = ?"), {armyId});
}

bool CArmyDatabase::DeleteArmyAndContents(int armyId) {
    CTransaction work(*this);
    work.Exec(QStringLiteral("DELETE FROM ArmeeCompo WHERE IdArmee = ?"), {armyId});
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdArmy = ?"), {armyId});
    return FinishOwnedChange(
        work, work.ExecCounted(QStringLiteral("DELETE FROM ArmeeDef WHERE IdArmee = ?"), {armyId}),
        QStringLiteral("ArmeeDef"), QStringLiteral("IdArmee"), armyId);
}

// A club's server hides another player's rows from his changes rather than refusing them: a
// change whose row is there but was not changed is said so, and nothing of it is stored. (A row
// gone since is nothing to change.)
bool CArmyDatabase::FinishOwnedChange(CTransaction& work, int rows, const QString& table,
                                      const QString& keyColumn, int key) {
    if (rows == 0 && IsPlainName(table) && IsPlainName(keyColumn) &&
        work.Column(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key})
                .size() == 1) {
        work.Rollback();
        Report(CDataError::Kind::NotOwner, QString());
        return false;
    }
    return work.Commit();
}

int CArmyDatabase::TakeArmyVersion(int armyId, int version, int total) {
    CTransaction work(*this);
    const int rows = work.ExecCounted(QStringLiteral("UPDATE ArmeeDef SET Version = Version + 1, "
                                                     "CoutTotal = ? WHERE IdArmee = ? AND "
                                                     "Version = ?"),
                                      {total, armyId, version});
    if (!work.Commit())
        return -1;
    return rows == 1 ? 1 : 0;
}

bool CArmyDatabase::UpgradeTables() {
    // The columns of a result name them as the back end spells them, whatever its catalogue's
    // case rules.
    CRecordset columns(*this);
    if (!columns.Open(QStringLiteral("SELECT * FROM ArmeeDef WHERE 1 = 0"))) {
        Report(CDataError::Kind::Statement, columns.LastError());
        return false;
    }
    if (columns.HasColumn("Version"))
        return true;
    columns.Close();
    CTransaction work(*this);
    work.Exec(QStringLiteral("ALTER TABLE ArmeeDef ADD COLUMN Version INTEGER NOT NULL DEFAULT 0"));
    return work.Commit();
}

int CArmyDatabase::CountArmyUnits(int armyId) {
    CRecordset set(*this);
    if (!set.Open(QStringLiteral("SELECT COUNT(*) AS Id FROM ArmeeCompo WHERE IdArmee = ?"),
                  {armyId})) {
        Report(CDataError::Kind::Statement, set.LastError());
        return -1;
    }
    return set.IsEOF() ? 0 : set.Long("Id");
}

bool CArmyDatabase::LoadArmyBattles(int armyId, CItemList<CBattle>& battles) {
    CItemList<CBattle> read;
    if (!LoadInto<CBattleSet>(QStringLiteral("SELECT * FROM Battle WHERE IdBattle IN (SELECT "
                                             "IdBattle FROM BattleCompo WHERE IdArmy = ?)"),
                              {armyId}, read))
        return false;
    SortByName(read);
    battles.TakeAll(read);
    return true;
}

// ---- Units

bool CArmyDatabase::LoadArmyUnits(int armyId, CItemList<CArmyUnit>& units) {
    return LoadInto<CArmeeCompoSet>(
        QStringLiteral("SELECT * FROM ArmeeCompo WHERE IdArmee = ? ORDER BY IdVisual"), {armyId},
        units);
}

bool CArmyDatabase::InsertUnit(int armyId, CArmyUnit& unit) {
    CTransaction work(*this);
    const QList<int> keys = ReserveUnitKeys(1);
    if (keys.isEmpty())
        return false;
    const int key = unit.IdUnite;
    unit.IdUnite = keys.first();
    if (!InsertUnits(armyId, {&unit}) || !work.Commit()) {
        unit.IdUnite = key;
        return false;
    }
    return true;
}

QList<int> CArmyDatabase::ReserveUnitKeys(int count) {
    QList<int> keys;
    if (count <= 0)
        return keys;
    CTransaction work(*this);
    if (IsPostgreSql()) {
        // The keys the table's own sequence gives, so that rows inserted without a key (by
        // another program, say) never meet them. A sequence gives keys outside transactions
        // and never twice, so a few are kept for the next adds: most then need no statement.
        if (m_spareUnitKeys.size() < count) {
            constexpr int kSpareKeys = 32;
            const QVariantList read = work.Column(
                QStringLiteral("SELECT nextval(pg_get_serial_sequence('armeecompo', 'idunite')) "
                               "FROM generate_series(1, ?)"),
                {count + kSpareKeys});
            for (const QVariant& key : read) {
                if (!key.isNull())
                    m_spareUnitKeys << LeadingInteger(key.toString());
            }
            if (work.Ok() && m_spareUnitKeys.size() < count) {
                Report(CDataError::Kind::Statement,
                       QStringLiteral("ArmeeCompo.IdUnite has no sequence to give keys"));
                return {};
            }
        }
        if (work.Ok()) {
            keys = m_spareUnitKeys.mid(0, count);
            m_spareUnitKeys.remove(0, count);
        }
    } else {
        // After the largest, as the back end itself gives them; the edit's first write holds
        // the database for itself until it commits, so no other program takes them meanwhile.
        const QVariant largest =
            work.Scalar(QStringLiteral("SELECT COALESCE(MAX(IdUnite), 0) AS Id FROM ArmeeCompo"));
        for (int i = 1; i <= count; ++i)
            keys << LeadingInteger(largest.toString()) + i;
    }
    return work.Commit() ? keys : QList<int>();
}

bool CArmyDatabase::InsertUnits(int armyId, const QList<CArmyUnit*>& units) {
    for (const CArmyUnit* unit : units) {
        if (!TextsFit({{unit->Nom, CDataError::Kind::NameTooLong},
                       {unit->NomUnitType, CDataError::Kind::NameTooLong}}))
            return false;
    }
    static const QString kColumns = [] {
        QString columns =
            QStringLiteral("IdUnite,IdParentUnit,IdLeader,IdArmee,IdVisual,NombreFig,Nom,Etendard,"
                           "Musicien,Pc,CoutTotal,Hierarchie,NomUnitType");
        for (const CStatField& field : kStatFields)
            columns += QLatin1Char(',') + QLatin1String(field.column);
        return columns;
    }();
    static const int kColumnCount = static_cast<int>(kColumns.count(QLatin1Char(',')) + 1);
    static const QString kRow =
        QStringLiteral("(?") + QStringLiteral(",?").repeated(kColumnCount - 1) + QLatin1Char(')');
    CTransaction work(*this);
    ExecInBatches(
        work, units.size(), MaxBoundValues() / kColumnCount,
        [](qsizetype rows) {
            QString list = kRow;
            list.reserve(rows * (kRow.size() + 1));
            for (qsizetype i = 1; i < rows; ++i)
                list += QLatin1Char(',') + kRow;
            return QStringLiteral("INSERT INTO ArmeeCompo (%1) VALUES %2").arg(kColumns, list);
        },
        [&units, armyId](qsizetype i, QVariantList& values) {
            const CArmyUnit& unit = *units.at(i);
            values << unit.IdUnite << unit.IdParentUnit << unit.IdLeader << armyId << unit.IdVisual
                   << unit.NombreFig << Text(unit.Nom) << YesNo(unit.Etendard) << unit.Musicien
                   << unit.Pc << unit.CoutTotal << unit.Hierarchie << Text(unit.NomUnitType);
            for (const CStatField& field : kStatFields) {
                if (field.real)
                    values << static_cast<double>(unit.*field.real);
                else
                    values << (field.yesNo ? YesNo(unit.*field.integer)
                                           : QVariant(unit.*field.integer));
            }
        });
    return work.Commit();
}

bool CArmyDatabase::UpdateUnit(const CArmyUnit& unit) {
    if (!TextsFit({{unit.Nom, CDataError::Kind::NameTooLong}}))
        return false;
    return ExecuteOwnedUnitChange(
        QStringLiteral("UPDATE ArmeeCompo SET NombreFig = ?,Nom = ?,Etendard = ?,Musicien = ?,Pc "
                       "= ?,CoutTotal = ?,IdQualite = ? WHERE IdUnite = ?"),
        {unit.NombreFig, Text(unit.Nom), YesNo(unit.Etendard), unit.Musicien, unit.Pc,
         unit.CoutTotal, unit.IdQualite, unit.IdUnite},
        unit.IdUnite);
}

bool CArmyDatabase::RenameUnit(const CArmyUnit& unit) {
    if (!TextsFit({{unit.Nom, CDataError::Kind::NameTooLong}}))
        return false;
    return ExecuteOwnedUnitChange(QStringLiteral("UPDATE ArmeeCompo SET Nom = ? WHERE IdUnite = ?"),
                                  {Text(unit.Nom), unit.IdUnite}, unit.IdUnite);
}

bool CArmyDatabase::ExecuteOwnedUnitChange(const QString& sql, const QVariantList& values,
                                           int key) {
    CTransaction work(*this);
    return FinishOwnedChange(work, work.ExecCounted(sql, values), QStringLiteral("ArmeeCompo"),
                             QStringLiteral("IdUnite"), key);
}

bool CArmyDatabase::StoreUnitPlaces(int armyId, const QList<CUnitPlace>& places) {
    // A stretch of stored positions whose members all move by the same amount.
    struct Range {
        int first, last, by;
    };
    // A member's position, leader or both, set by its key.
    struct Keyed {
        int key, to;
        bool place;
        int leader;
        bool newLeader;
    };
    QList<const CUnitPlace*> moving;
    QList<Keyed> keyed;
    for (const CUnitPlace& place : places) {
        if (place.from >= 0 && place.from != place.to)
            moving << &place;
        else if (place.from != place.to || place.newLeader)
            keyed.append(
                {place.key, place.to, place.from != place.to, place.leader, place.newLeader});
    }
    std::sort(moving.begin(), moving.end(),
              [](const CUnitPlace* a, const CUnitPlace* b) { return a->from < b->from; });
    QList<Range> ranges;
    bool byRanges = true;
    for (qsizetype i = 0, end = 0; i < moving.size(); i = end) {
        const int by = moving.at(i)->to - moving.at(i)->from;
        for (end = i + 1;
             end < moving.size() && moving.at(end)->from == moving.at(end - 1)->from + 1 &&
             moving.at(end)->to - moving.at(end)->from == by;
             ++end) {
        }
        // Two members at one stored position: a range would move both.
        if (end < moving.size() && moving.at(end)->from == moving.at(end - 1)->from)
            byRanges = false;
        if (end - i > 1)
            ranges.append({moving.at(i)->from, moving.at(end - 1)->from, by});
    }
    // Many ranges are no shift but a shuffle: by key, in as many statements as need be.
    constexpr qsizetype kMaxRanges = 32;
    if (!byRanges || ranges.size() > kMaxRanges)
        ranges.clear();
    const auto inRange = [&ranges](int from) {
        for (const Range& range : std::as_const(ranges)) {
            if (from >= range.first && from <= range.last)
                return true;
        }
        return false;
    };
    for (const CUnitPlace* place : std::as_const(moving)) {
        const bool ranged = inRange(place->from);
        if (!ranged || place->newLeader)
            keyed.append({place->key, place->to, !ranged, place->leader, place->newLeader});
    }
    if (ranges.isEmpty() && keyed.isEmpty())
        return true;

    // Every CASE reads the row as it was: a member moved by one range is never caught by the
    // next. Ranges all go in the first statement for that reason; keyed members may follow.
    CTransaction work(*this);
    const int budget = MaxBoundValues() - 1;
    qsizetype next = 0;
    for (bool first = true; work.Ok() && (first || next < keyed.size()); first = false) {
        QString placeCases, leaders, where;
        QVariantList placeValues, leaderValues, whereValues;
        int used = 0;
        for (; next < keyed.size() && used + 5 <= budget - (first ? 5 * ranges.size() : 0);
             ++next) {
            const Keyed& member = keyed.at(next);
            if (member.place) {
                placeCases += QStringLiteral(" WHEN IdUnite = ? THEN ?");
                placeValues << member.key << member.to;
            }
            if (member.newLeader) {
                leaders += QStringLiteral(" WHEN ? THEN ?");
                leaderValues << member.key << member.leader;
            }
            where += where.isEmpty() ? QStringLiteral("IdUnite IN (?") : QStringLiteral(",?");
            whereValues << member.key;
            used += 5;
        }
        if (!where.isEmpty())
            where += QLatin1Char(')');
        if (first) {
            for (const Range& range : std::as_const(ranges)) {
                placeCases += QStringLiteral(" WHEN IdVisual BETWEEN ? AND ? THEN IdVisual + ?");
                placeValues << range.first << range.last << range.by;
                where += (where.isEmpty() ? QString() : QStringLiteral(" OR ")) +
                         QStringLiteral("IdVisual BETWEEN ? AND ?");
                whereValues << range.first << range.last;
            }
        }
        QStringList sets;
        if (!placeCases.isEmpty())
            sets << QStringLiteral("IdVisual = CASE%1 ELSE IdVisual END").arg(placeCases);
        if (!leaders.isEmpty())
            sets << QStringLiteral("IdLeader = CASE IdUnite%1 ELSE IdLeader END").arg(leaders);
        work.Exec(QStringLiteral("UPDATE ArmeeCompo SET %1 WHERE IdArmee = ? AND (%2)")
                      .arg(sets.join(QStringLiteral(", ")), where),
                  placeValues + leaderValues + QVariantList{armyId} + whereValues);
    }
    return work.Commit();
}

bool CArmyDatabase::DeleteUnit(const CArmyUnit& unit) {
    return DeleteUnits({unit.IdUnite});
}

bool CArmyDatabase::DeleteUnits(const QList<int>& keys) {
    CTransaction work(*this);
    ExecInBatches(
        work, keys.size(), MaxBoundValues(),
        [](qsizetype rows) {
            return QStringLiteral("DELETE FROM ArmeeCompo WHERE IdUnite IN (?%1)")
                .arg(QStringLiteral(",?").repeated(rows - 1));
        },
        [&keys](qsizetype i, QVariantList& values) { values << keys.at(i); });
    return work.Commit();
}

// ---- Battles

bool CArmyDatabase::LoadBattles(CItemList<CBattle>& battles) {
    return LoadSortedByName<CBattleSet>(battles);
}

int CArmyDatabase::FindBattleById(int battleId, CBattle* battle) {
    return FindOne<CBattleSet>(QStringLiteral("SELECT * FROM Battle WHERE IdBattle = ?"),
                               {battleId}, battle);
}

int CArmyDatabase::FindBattleByName(const QString& name, CBattle* battle) {
    return FindOne<CBattleSet>(QStringLiteral("SELECT * FROM Battle WHERE Nom = ?"), {Text(name)},
                               battle);
}

bool CArmyDatabase::InsertBattleArmiesIn(CTransaction& work, int battleId, const CIdList& armyIds) {
    return ExecInBatches(
        work, armyIds.size(), MaxBoundValues() / 2,
        [](qsizetype rows) {
            return QStringLiteral("INSERT INTO BattleCompo (IdArmy,IdBattle) VALUES (?,?)%1")
                .arg(QStringLiteral(",(?,?)").repeated(rows - 1));
        },
        [&armyIds, battleId](qsizetype i, QVariantList& values) {
            values << armyIds.at(i) << battleId;
        });
}

// A battle and its armies are stored together or not at all, so that no battle is ever left
// with only some of its armies.
bool CArmyDatabase::InsertBattle(const QString& name, const QString& description,
                                 const CIdList& armyIds) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong},
                   {description, CDataError::Kind::DescriptionTooLong}}))
        return false;
    CTransaction work(*this);
    const int battleId = InsertReturningKey(
        work, QStringLiteral("INSERT INTO Battle (Nom,Description) VALUES (?,?)"),
        {Text(name), Text(description)}, QStringLiteral("Battle"), QStringLiteral("IdBattle"));
    if (work.Ok())
        InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

bool CArmyDatabase::UpdateBattle(int battleId, const QString& name, const QString& description,
                                 const CIdList& armyIds) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong},
                   {description, CDataError::Kind::DescriptionTooLong}}))
        return false;
    CTransaction work(*this);
    const int rows = work.ExecCounted(
        QStringLiteral("UPDATE Battle SET Nom = ?, Description = ? WHERE IdBattle = ?"),
        {Text(name), Text(description), battleId});
    if (rows == 0)
        return FinishOwnedChange(work, rows, QStringLiteral("Battle"), QStringLiteral("IdBattle"),
                                 battleId);
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdBattle = ?"), {battleId});
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

bool CArmyDatabase::DeleteBattle(int battleId) {
    CTransaction work(*this);
    const int rows =
        work.ExecCounted(QStringLiteral("DELETE FROM Battle WHERE IdBattle = ?"), {battleId});
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdBattle = ?"), {battleId});
    return FinishOwnedChange(work, rows, QStringLiteral("Battle"), QStringLiteral("IdBattle"),
                             battleId);
}

bool CArmyDatabase::LoadBattleEntries(int battleId, CItemList<CBattleEntry>& entries) {
    return LoadInto<CBattleCompoSet>(QStringLiteral("SELECT * FROM BattleCompo WHERE IdBattle = ?"),
                                     {battleId}, entries);
}

bool CArmyDatabase::LoadBattleArmies(int battleId, CItemList<CArmyHeader>& headers) {
    // An army deleted since the battle was made is left out rather than shown empty.
    return LoadInto<CArmeeDefSet>(
        QStringLiteral("SELECT ArmeeDef.* FROM BattleCompo JOIN ArmeeDef ON ArmeeDef.IdArmee = "
                       "BattleCompo.IdArmy WHERE BattleCompo.IdBattle = ? ORDER BY "
                       "BattleCompo.IdAuto"),
        {battleId}, headers);
}

bool CArmyDatabase::LoadBattleUnits(int battleId, CItemList<CArmyUnit>& units) {
    return LoadInto<CArmeeCompoSet>(
        QStringLiteral("SELECT * FROM ArmeeCompo WHERE IdArmee IN (SELECT IdArmy FROM "
                       "BattleCompo WHERE IdBattle = ?) ORDER BY IdArmee, IdVisual"),
        {battleId}, units);
}

int CArmyDatabase::LoadBattleContents(int battleId, CBattleContents* contents) {
    contents->armies.RemoveAll();
    contents->units.RemoveAll();
    const int found = FindBattleById(battleId, &contents->battle);
    if (found != kFound)
        return found;
    return LoadBattleArmies(battleId, contents->armies) &&
                   LoadBattleUnits(battleId, contents->units)
               ? kFound
               : kReadFailed;
}
