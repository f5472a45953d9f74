#include "CArmyDatabase.h"

#include "CArmeeCompoSet.h"
#include "CArmeeDefSet.h"
#include "CArmeeSet.h"
#include "CArmeeSummarySet.h"
#include "CArmyHeader.h"
#include "CArmyUnit.h"
#include "CBattle.h"
#include "CBattleCompoSet.h"
#include "CBattleEntry.h"
#include "CBattleSet.h"
#include "CRace.h"
#include "CRaceSet.h"
#include "CTransaction.h"
#include "CUnitType.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
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
template <typename Record> void SortByName(CItemList<Record*>& records) {
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    QList<Record*> sorted(records.begin(), records.end());
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const Record* a, const Record* b) {
        return collator.compare(a->Nom, b->Nom) < 0;
    });
    records.Reorder(sorted);
}

const char* const kTables[] = {"Armees",     "Races",  "ArmeeDef",
                               "ArmeeCompo", "Battle", "BattleCompo"};

} // namespace

CArmyDatabase::CArmyDatabase(const QString& connectionName) : CDatabase(connectionName) {}

CArmyDatabase& CArmyDatabase::Instance() {
    // Never destroyed: the connection is closed at exit, before Qt's own globals go away.
    static auto* database = new CArmyDatabase;
    return *database;
}

int CArmyDatabase::OpenDatabase() {
    // The program's own login first; then the data source's (a club server names its player's
    // user there, and the password comes from the environment or ~/.pgpass).
    return Open(QString::fromLatin1(kDataSourceName),
                {{QStringLiteral("admin"), QStringLiteral("qx")}, {QString(), QString()}})
               ? 1
               : 0;
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
int CArmyDatabase::LoadInto(const QString& sql, const QVariantList& values,
                            CItemList<Record*>& list) {
    Set set(*this);
    CItemList<Record*> read;
    if (set.Open(sql, values)) {
        for (; !set.IsEOF(); set.MoveNext()) {
            auto* record = new Record;
            set.CopyTo(*record);
            read.Append(record);
        }
    }
    if (set.Failed()) {
        Report(CDataError::Kind::Statement, set.LastError());
        return 0;
    }
    list.TakeAll(read);
    return 1;
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
int CArmyDatabase::LoadSortedByName(CItemList<Record*>& list) {
    CItemList<Record*> read;
    if (!LoadInto<Set>(QString(), {}, read))
        return 0;
    SortByName(read);
    list.TakeAll(read);
    return 1;
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

int CArmyDatabase::ExecuteOne(const QString& sql, const QVariantList& values) {
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

// ---- Catalogue and races

int CArmyDatabase::LoadRaces(CItemList<CRace*>& races) {
    return LoadInto<CRaceSet>(QString(), {}, races);
}

int CArmyDatabase::LoadUnitTypes(CItemList<CUnitType*>& types) {
    return LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees ORDER BY IdRace,ArmyTypeId"),
                               {}, types);
}

int CArmyDatabase::LoadUnitTypeSummaries(CItemList<CUnitType*>& types) {
    return LoadInto<CArmeeSummarySet>(QString(), CArmeeSummarySet::DefaultValues(), types);
}

int CArmyDatabase::CompleteUnitTypes(CItemList<CUnitType*>& types, int typeId) {
    CItemList<CUnitType*> read;
    const bool all = typeId == -1;
    if (!(all ? LoadUnitTypes(read)
              : LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees WHERE ArmyTypeId = ? OR "
                                                   "ArmyTypeIdParent = ?"),
                                    {typeId, typeId}, read)))
        return 0;
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
            return 0;
        }
    }
    // What the catalogue's tree shows and groups by stays as it was read.
    read.SetOwnsItems(false);
    for (CUnitType* row : read) {
        CUnitType* type = known.value(row->ArmyTypeId);
        if (!type) {
            types.Append(row);
            continue;
        }
        if (!type->m_bComplete) {
            row->IdRace = type->IdRace;
            row->CombatantType = type->CombatantType;
            static_cast<CUnitStats&>(*type) = *row;
            type->NomFR = row->NomFR;
            type->m_bComplete = true;
        }
        delete row;
    }
    return 1;
}

int CArmyDatabase::LoadUnitTypeRaces(CIdList& raceIds) {
    CRecordset set(*this);
    CIdList read;
    if (set.Open(QStringLiteral("SELECT DISTINCT IdRace FROM Armees"))) {
        for (; !set.IsEOF(); set.MoveNext())
            read.Append(set.Long("IdRace"));
    }
    if (set.Failed()) {
        Report(CDataError::Kind::Statement, set.LastError());
        return 0;
    }
    raceIds.TakeAll(read);
    return 1;
}

int CArmyDatabase::LoadUnitTypesByParent(int parentId, CItemList<CUnitType*>& types) {
    return LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees WHERE ArmyTypeIdParent = ?"),
                               {parentId}, types);
}

// ---- Armies

int CArmyDatabase::LoadArmies(CItemList<CArmyHeader*>& armies) {
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

int CArmyDatabase::InsertArmy(int raceId, const QString& name, int budget, CArmyHeader* header) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong}}))
        return 0;
    CTransaction work(*this);
    work.Insert(QStringLiteral(
                    "INSERT INTO ArmeeDef (Nom,NombrePointMax,CoutTotal,IdRace) VALUES (?,?,0,?)"),
                {Text(name), budget, raceId});
    const int key =
        work.Ok() ? LastInsertedKey(work, QStringLiteral("ArmeeDef"), QStringLiteral("IdArmee"))
                  : -1;
    int result = work.Commit();
    // Read back by key: a name may be shared by several armies.
    if (result && header)
        result = FindArmyById(key, *header) == kFound ? 1 : 0;
    return result;
}

int CArmyDatabase::UpdateArmy(const CArmyHeader& header) {
    if (!TextsFit({{header.Nom, CDataError::Kind::NameTooLong}}))
        return 0;
    return ExecuteOne(
        QStringLiteral("UPDATE ArmeeDef SET Nom = ?, NombrePointMax = ?, CoutTotal = ?  WHERE "
                       "IdArmee = ?"),
        {Text(header.Nom), header.NombrePointMax, header.CoutTotal, header.IdArmee});
}

int CArmyDatabase::DeleteArmy(int armyId) {
    return ExecuteOne(QStringLiteral("DELETE FROM ArmeeDef WHERE IdArmee = ?"), {armyId});
}

int CArmyDatabase::DeleteArmyUnits(int armyId) {
    return ExecuteOne(QStringLiteral("DELETE FROM ArmeeCompo WHERE IdArmee = ?"), {armyId});
}

int CArmyDatabase::DeleteArmyAndContents(int armyId) {
    CTransaction work(*this);
    work.Exec(QStringLiteral("DELETE FROM ArmeeCompo WHERE IdArmee = ?"), {armyId});
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdArmy = ?"), {armyId});
    work.Exec(QStringLiteral("DELETE FROM ArmeeDef WHERE IdArmee = ?"), {armyId});
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
    return work.Commit() == 1;
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

// ---- Units

int CArmyDatabase::LoadArmyUnits(int armyId, CItemList<CArmyUnit*>& units) {
    return LoadInto<CArmeeCompoSet>(
        QStringLiteral("SELECT * FROM ArmeeCompo WHERE IdArmee = ? ORDER BY IdVisual"), {armyId},
        units);
}

int CArmyDatabase::InsertUnit(int armyId, CArmyUnit& unit) {
    if (!TextsFit({{unit.Nom, CDataError::Kind::NameTooLong},
                   {unit.NomUnitType, CDataError::Kind::NameTooLong}}))
        return 0;
    // One text for every insert, so that the statement prepared for it serves again.
    static const QString kInsert = [] {
        QString columns =
            QStringLiteral("IdParentUnit,IdLeader,IdArmee,IdVisual,NombreFig,Nom,Etendard,"
                           "Musicien,Pc,CoutTotal,Hierarchie,NomUnitType");
        for (const CStatField& field : kStatFields)
            columns += QLatin1Char(',') + QLatin1String(field.column);
        const qsizetype count = columns.count(QLatin1Char(',')) + 1;
        return QStringLiteral("INSERT INTO ArmeeCompo (%1) VALUES (?%2)")
            .arg(columns, QStringLiteral(",?").repeated(count - 1));
    }();
    QVariantList values{unit.IdParentUnit,    unit.IdLeader,   armyId,
                        unit.IdVisual,        unit.NombreFig,  Text(unit.Nom),
                        YesNo(unit.Etendard), unit.Musicien,   unit.Pc,
                        unit.CoutTotal,       unit.Hierarchie, Text(unit.NomUnitType)};
    values.reserve(values.size() + std::size(kStatFields));
    for (const CStatField& field : kStatFields) {
        if (field.real)
            values << static_cast<double>(unit.*field.real);
        else
            values << (field.yesNo ? YesNo(unit.*field.integer) : QVariant(unit.*field.integer));
    }
    CTransaction work(*this);
    work.Insert(kInsert, values);
    const int key =
        work.Ok() ? LastInsertedKey(work, QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite"))
                  : -1;
    const int result = work.Commit();
    if (result)
        unit.IdUnite = key;
    return result;
}

int CArmyDatabase::UpdateUnit(const CArmyUnit& unit) {
    if (!TextsFit({{unit.Nom, CDataError::Kind::NameTooLong}}))
        return 0;
    return ExecuteOne(QStringLiteral("UPDATE ArmeeCompo SET NombreFig = ?,Nom = ?,Etendard = "
                                     "?,Musicien = ?,Pc = ?,CoutTotal = ?,IdQualite = ? WHERE "
                                     "IdUnite = ?"),
                      {unit.NombreFig, Text(unit.Nom), YesNo(unit.Etendard), unit.Musicien, unit.Pc,
                       unit.CoutTotal, unit.IdQualite, unit.IdUnite});
}

int CArmyDatabase::RenameUnit(const CArmyUnit& unit) {
    if (!TextsFit({{unit.Nom, CDataError::Kind::NameTooLong}}))
        return 0;
    return ExecuteOne(QStringLiteral("UPDATE ArmeeCompo SET Nom = ? WHERE IdUnite = ?"),
                      {Text(unit.Nom), unit.IdUnite});
}

int CArmyDatabase::UpdateAllUnitOrders(const CItemList<CArmyUnit*>& units) {
    if (units.IsEmpty())
        return 1;
    // One transaction for the lot: the order is stored whole or not at all, and fast.
    CTransaction work(*this);
    for (const CArmyUnit* unit : units) {
        if (unit->IdLeader != -1)
            work.Exec(QStringLiteral(
                          "UPDATE ArmeeCompo SET IdVisual = ?, IdLeader = ? WHERE IdUnite = ?"),
                      {unit->IdVisual, unit->IdLeader, unit->IdUnite});
        else
            work.Exec(QStringLiteral("UPDATE ArmeeCompo SET IdVisual = ? WHERE IdUnite = ?"),
                      {unit->IdVisual, unit->IdUnite});
        if (!work.Ok())
            break;
    }
    return work.Commit();
}

int CArmyDatabase::DeleteUnit(const CArmyUnit& unit) {
    return ExecuteOne(QStringLiteral("DELETE FROM ArmeeCompo WHERE IdUnite = ?"), {unit.IdUnite});
}

// ---- Battles

int CArmyDatabase::LoadBattles(CItemList<CBattle*>& battles) {
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
    for (int armyId : armyIds) {
        if (!work.Exec(QStringLiteral("INSERT INTO BattleCompo (IdArmy,IdBattle) VALUES (?,?)"),
                       {armyId, battleId}))
            return false;
    }
    return true;
}

// A battle and its armies are stored together or not at all, so that no battle is ever left
// with only some of its armies.
int CArmyDatabase::InsertBattle(const QString& name, const QString& description,
                                const CIdList& armyIds) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong},
                   {description, CDataError::Kind::DescriptionTooLong}}))
        return 0;
    CTransaction work(*this);
    work.Insert(QStringLiteral("INSERT INTO Battle (Nom,Description) VALUES (?,?)"),
                {Text(name), Text(description)});
    if (work.Ok()) {
        const int battleId =
            LastInsertedKey(work, QStringLiteral("Battle"), QStringLiteral("IdBattle"));
        InsertBattleArmiesIn(work, battleId, armyIds);
    }
    return work.Commit();
}

int CArmyDatabase::UpdateBattle(int battleId, const QString& name, const QString& description,
                                const CIdList& armyIds) {
    if (!TextsFit({{name, CDataError::Kind::NameTooLong},
                   {description, CDataError::Kind::DescriptionTooLong}}))
        return 0;
    CTransaction work(*this);
    work.Exec(QStringLiteral("UPDATE Battle SET Nom = ?, Description = ? WHERE IdBattle = ?"),
              {Text(name), Text(description), battleId});
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdBattle = ?"), {battleId});
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

int CArmyDatabase::DeleteBattle(int battleId) {
    CTransaction work(*this);
    work.Exec(QStringLiteral("DELETE FROM Battle WHERE IdBattle = ?"), {battleId});
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdBattle = ?"), {battleId});
    return work.Commit();
}

int CArmyDatabase::LoadBattleEntries(int battleId, CItemList<CBattleEntry*>& entries) {
    return LoadInto<CBattleCompoSet>(QStringLiteral("SELECT * FROM BattleCompo WHERE IdBattle = ?"),
                                     {battleId}, entries);
}

int CArmyDatabase::LoadBattleArmies(int battleId, CItemList<CArmyHeader*>& headers) {
    CItemList<CBattleEntry*> entries;
    if (!LoadBattleEntries(battleId, entries))
        return 0;
    CItemList<CArmyHeader*> read;
    for (const CBattleEntry* entry : entries) {
        auto* header = new CArmyHeader;
        const int found = FindArmyById(entry->IdArmy, *header);
        // An army deleted since the battle was made is left out rather than shown empty.
        if (found == kFound)
            read.Append(header);
        else
            delete header;
        if (found == kReadFailed)
            return 0;
    }
    headers.TakeAll(read);
    return 1;
}

int CArmyDatabase::ReplaceBattleArmies(int battleId, const CIdList& armyIds) {
    CTransaction work(*this);
    work.Exec(QStringLiteral("DELETE FROM BattleCompo WHERE IdBattle = ?"), {battleId});
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

// ---- Keys

int CArmyDatabase::GetMaxId(const QString& table, const QString& column) {
    // Names cannot be bound: only plain names of the program's own reach the statement.
    if (!IsPlainName(table) || !IsPlainName(column))
        return 0;
    CRecordset set(*this);
    if (!set.Open(QStringLiteral("SELECT Max(%1) AS Id FROM %2").arg(column, table))) {
        Report(CDataError::Kind::Statement, set.LastError());
        return 0;
    }
    return set.IsEOF() ? 0 : LeadingInteger(set.FieldText("Id"));
}
