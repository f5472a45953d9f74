#include "CArmyDatabase.h"

#include "CArmeeCompoSet.h"
#include "CArmeeDefSet.h"
#include "CArmeeSet.h"
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
#include "app/MessageBox.h"
#include "app/StringTable.h"

#include <QSqlDriver>

namespace {

QByteArray Quoted(const QString& text) {
    return CArmyDatabase::QuoteText(text).toUtf8();
}

const char* YesNo(int value) {
    return value == 1 ? "1" : "0";
}

unsigned Key(int id) {
    return static_cast<unsigned>(id);
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

} // namespace

CArmyDatabase::CArmyDatabase(const QString& connectionName) : m_connectionName(connectionName) {}

CArmyDatabase::~CArmyDatabase() {
    CloseDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

CArmyDatabase& CArmyDatabase::Instance() {
    // Never destroyed: the connection is closed at exit, before Qt's own globals go away.
    static auto* database = new CArmyDatabase;
    return *database;
}

int CArmyDatabase::OpenDatabase() {
    if (IsOpen())
        return 1;
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    db.setDatabaseName(QString::fromLatin1(kDataSourceName));
    db.setUserName(QStringLiteral("admin"));
    db.setPassword(QStringLiteral("qx"));
    if (!db.isValid() || !db.open()) {
        ShowWarningMessage(163);
        return 0;
    }
    return 1;
}

void CArmyDatabase::CloseDatabase() {
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen())
        db.close();
}

bool CArmyDatabase::IsOpen() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase CArmyDatabase::Connection() const {
    return QSqlDatabase::database(m_connectionName, false);
}

QString CArmyDatabase::QuoteText(const QString& text) {
    QString copy = text;
    return copy.replace(QLatin1Char('\''), QLatin1String("''"));
}

template <typename Set, typename Record>
void CArmyDatabase::LoadInto(const QString& sql, CItemList<Record*>& list) {
    Set set(Connection());
    if (!set.Open(sql)) {
        ShowDatabaseError(set.LastError());
        return;
    }
    for (; !set.IsEOF(); set.MoveNext()) {
        auto* record = new Record;
        set.CopyTo(*record);
        list.Append(record);
    }
}

template <typename Set, typename Record>
int CArmyDatabase::FindOne(const QString& sql, Record* record) {
    Set set(Connection());
    if (!set.Open(sql)) {
        ShowDatabaseError(set.LastError());
        return 0;
    }
    if (set.IsEOF())
        return 0;
    if (record)
        set.CopyTo(*record);
    return 1;
}

bool CArmyDatabase::TextsFit(std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
        if (text.size() > kMaxTextLength) {
            ShowWarningMessage(kNameTooLongId);
            return false;
        }
    }
    return true;
}

int CArmyDatabase::ExecuteOne(const QString& sql) {
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(sql);
    return work.Commit();
}

// The key of the row just inserted, read inside the insert's own transaction so that another
// program writing at the same time cannot slip its row in between.
int CArmyDatabase::LastInsertedKey(CTransaction& work, const QString& table,
                                   const QString& column) {
    QVariant key = work.DriverLastInsertId();
    if (!key.isValid() && work.Database().driver()->dbmsType() == QSqlDriver::UnknownDbms)
        key = work.Scalar(QStringLiteral("SELECT last_insert_rowid()"));
    if (!key.isValid())
        key =
            work.Scalar(QString::asprintf("SELECT Max(%s) AS Id FROM %s",
                                          column.toUtf8().constData(), table.toUtf8().constData()));
    return key.isValid() ? LeadingInteger(key.toString()) : -1;
}

// ---- Catalogue and races

void CArmyDatabase::LoadRaces(CItemList<CRace*>& races) {
    LoadInto<CRaceSet>(QString(), races);
}

void CArmyDatabase::LoadUnitTypes(CItemList<CUnitType*>& types) {
    LoadInto<CArmeeSet>(QStringLiteral("SELECT * FROM Armees ORDER BY IdRace,ArmyTypeId"), types);
}

void CArmyDatabase::LoadUnitTypesByParent(int parentId, CItemList<CUnitType*>& types) {
    LoadInto<CArmeeSet>(
        QString::asprintf("SELECT * FROM Armees WHERE ArmyTypeIdParent = %u", Key(parentId)),
        types);
}

// ---- Armies

void CArmyDatabase::LoadArmies(CItemList<CArmyHeader*>& armies) {
    LoadInto<CArmeeDefSet>(QString(), armies);
}

int CArmyDatabase::FindArmyById(int armyId, CArmyHeader& header) {
    return FindOne<CArmeeDefSet>(
        QString::asprintf("SELECT * FROM ArmeeDef WHERE IdArmee = %u", Key(armyId)), &header);
}

int CArmyDatabase::FindArmyByName(const QString& name, CArmyHeader& header) {
    return FindOne<CArmeeDefSet>(
        QString::asprintf("SELECT * FROM ArmeeDef WHERE Nom = '%s'", Quoted(name).constData()),
        &header);
}

int CArmyDatabase::InsertArmy(int raceId, const QString& name, int budget, CArmyHeader* header) {
    if (!TextsFit({name}))
        return 0;
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf(
        "INSERT INTO ArmeeDef (Nom,NombrePointMax,CoutTotal,IdRace) VALUES ('%s',%d,0,%d)",
        Quoted(name).constData(), budget, raceId));
    const int key =
        work.Ok() ? LastInsertedKey(work, QStringLiteral("ArmeeDef"), QStringLiteral("IdArmee"))
                  : -1;
    int result = work.Commit();
    // Read back by key: a name may be shared by several armies.
    if (result && header)
        result = FindArmyById(key, *header);
    return result;
}

int CArmyDatabase::UpdateArmy(const CArmyHeader& header) {
    if (!TextsFit({header.Nom}))
        return 0;
    return ExecuteOne(QString::asprintf(
        "UPDATE ArmeeDef SET Nom = '%s', NombrePointMax = %d, CoutTotal = %d  WHERE IdArmee = %u",
        Quoted(header.Nom).constData(), header.NombrePointMax, header.CoutTotal,
        Key(header.IdArmee)));
}

int CArmyDatabase::DeleteArmy(int armyId) {
    return ExecuteOne(QString::asprintf("DELETE FROM ArmeeDef WHERE IdArmee = %u", Key(armyId)));
}

int CArmyDatabase::DeleteArmyUnits(int armyId) {
    return ExecuteOne(QString::asprintf("DELETE FROM ArmeeCompo WHERE IdArmee = %u", Key(armyId)));
}

int CArmyDatabase::DeleteArmyAndContents(int armyId) {
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf("DELETE FROM ArmeeCompo WHERE IdArmee = %u", Key(armyId)));
    work.Exec(QString::asprintf("DELETE FROM BattleCompo WHERE IdArmy = %u", Key(armyId)));
    work.Exec(QString::asprintf("DELETE FROM ArmeeDef WHERE IdArmee = %u", Key(armyId)));
    return work.Commit();
}

// ---- Units

void CArmyDatabase::LoadArmyUnits(int armyId, CItemList<CArmyUnit*>& units) {
    LoadInto<CArmeeCompoSet>(
        QString::asprintf("SELECT * FROM ArmeeCompo WHERE IdArmee = %d ORDER BY IdVisual", armyId),
        units);
}

int CArmyDatabase::InsertUnit(int armyId, CArmyUnit& unit) {
    if (!TextsFit({unit.Nom, unit.NomUnitType}))
        return 0;
    static const char* const kColumns =
        "(IdParentUnit,IdLeader,IdArmee,IdVisual,NombreFig,Nom,Etendard,Musicien,Pc,CoutTotal,"
        "Hierarchie,NomUnitType,IdRace,IdQualite,IdQualiteMin,IdQualiteMax,IdType,Force,"
        "Resistance,Valeur,IdArmure,IdArmePrincipale,IdArmeSecondaire,Bouclier,Mouvement,"
        "JetSauvegarde,Terrible,IdEclairage,Points,UPG,Min,Max,CombatantType)";
    const QString values = QString::asprintf(
        "(%ld,%ld,%ld,%d,%d,'%s','%s',%d,%d,%d,%d,'%s',%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,'%s',%f,%d,"
        "'%s',%d,%d,%d,%d,%d,%d)",
        static_cast<long>(unit.IdParentUnit), static_cast<long>(unit.IdLeader),
        static_cast<long>(armyId), unit.IdVisual, unit.NombreFig, Quoted(unit.Nom).constData(),
        YesNo(unit.Etendard), unit.Musicien, unit.Pc, unit.CoutTotal, unit.Hierarchie,
        Quoted(unit.NomUnitType).constData(), unit.IdRace, unit.IdQualite, unit.IdQualiteMin,
        unit.IdQualiteMax, unit.IdType, unit.Force, unit.Resistance, unit.Valeur, unit.IdArmure,
        unit.IdArmePrincipale, unit.IdArmeSecondaire, YesNo(unit.Bouclier),
        static_cast<double>(unit.Mouvement), unit.JetSauvegarde, YesNo(unit.Terrible),
        unit.IdEclairage, unit.Points, unit.UPG, unit.Min, unit.Max, unit.CombatantType);

    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf("INSERT INTO ArmeeCompo %s VALUES %s", kColumns,
                                values.toUtf8().constData()));
    const int key =
        work.Ok() ? LastInsertedKey(work, QStringLiteral("ArmeeCompo"), QStringLiteral("IdUnite"))
                  : -1;
    const int result = work.Commit();
    if (result)
        unit.IdUnite = key;
    return result;
}

int CArmyDatabase::UpdateUnit(const CArmyUnit& unit) {
    if (!TextsFit({unit.Nom}))
        return 0;
    return ExecuteOne(QString::asprintf(
        "UPDATE ArmeeCompo SET NombreFig = %d,Nom = '%s',Etendard = '%s',Musicien = %d,Pc = "
        "%d,CoutTotal = %d,IdQualite = %d WHERE IdUnite = %ld",
        unit.NombreFig, Quoted(unit.Nom).constData(), YesNo(unit.Etendard), unit.Musicien, unit.Pc,
        unit.CoutTotal, unit.IdQualite, static_cast<long>(unit.IdUnite)));
}

int CArmyDatabase::RenameUnit(const CArmyUnit& unit) {
    if (!TextsFit({unit.Nom}))
        return 0;
    return ExecuteOne(QString::asprintf("UPDATE ArmeeCompo SET Nom = '%s' WHERE IdUnite = %ld",
                                        Quoted(unit.Nom).constData(),
                                        static_cast<long>(unit.IdUnite)));
}

int CArmyDatabase::UpdateUnitOrder(const CArmyUnit& unit) {
    return ExecuteOne(QString::asprintf("UPDATE ArmeeCompo SET IdVisual = %d WHERE IdUnite = %u",
                                        unit.IdVisual, Key(unit.IdUnite)));
}

int CArmyDatabase::UpdateAllUnitOrders(const CItemList<CArmyUnit*>& units) {
    if (units.IsEmpty())
        return 1;
    // One transaction for the lot: the order is stored whole or not at all, and fast.
    CTransaction work(Connection(), m_pStatementLog);
    for (const CArmyUnit* unit : units) {
        if (unit->IdLeader != -1)
            work.Exec(QString::asprintf(
                "UPDATE ArmeeCompo SET IdVisual = %d, IdLeader = %u WHERE IdUnite = %u",
                unit->IdVisual, Key(unit->IdLeader), Key(unit->IdUnite)));
        else
            work.Exec(QString::asprintf("UPDATE ArmeeCompo SET IdVisual = %d WHERE IdUnite = %u",
                                        unit->IdVisual, Key(unit->IdUnite)));
        if (!work.Ok())
            break;
    }
    return work.Commit();
}

int CArmyDatabase::DeleteUnit(const CArmyUnit& unit) {
    return ExecuteOne(
        QString::asprintf("DELETE FROM ArmeeCompo WHERE IdUnite = %u", Key(unit.IdUnite)));
}

// ---- Battles

void CArmyDatabase::LoadBattles(CItemList<CBattle*>& battles) {
    LoadInto<CBattleSet>(QString(), battles);
}

int CArmyDatabase::FindBattleById(int battleId, CBattle* battle) {
    return FindOne<CBattleSet>(
        QString::asprintf("SELECT * FROM Battle WHERE IdBattle = %u", Key(battleId)), battle);
}

int CArmyDatabase::FindBattleByName(const QString& name, CBattle* battle) {
    return FindOne<CBattleSet>(
        QString::asprintf("SELECT * FROM Battle WHERE Nom = '%s'", Quoted(name).constData()),
        battle);
}

bool CArmyDatabase::InsertBattleArmiesIn(CTransaction& work, int battleId, const CIdList& armyIds) {
    for (int armyId : armyIds) {
        if (!work.Exec(QString::asprintf("INSERT INTO BattleCompo (IdArmy,IdBattle) VALUES (%u,%u)",
                                         Key(armyId), Key(battleId))))
            return false;
    }
    return true;
}

// A battle and its armies are stored together or not at all, so that no battle is ever left
// with only some of its armies.
int CArmyDatabase::InsertBattle(const QString& name, const QString& description,
                                const CIdList& armyIds) {
    if (!TextsFit({name, description}))
        return 0;
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf("INSERT INTO Battle (Nom,Description) VALUES ('%s','%s')",
                                Quoted(name).constData(), Quoted(description).constData()));
    if (work.Ok()) {
        const int battleId =
            LastInsertedKey(work, QStringLiteral("Battle"), QStringLiteral("IdBattle"));
        InsertBattleArmiesIn(work, battleId, armyIds);
    }
    return work.Commit();
}

int CArmyDatabase::UpdateBattle(int battleId, const QString& name, const QString& description,
                                const CIdList& armyIds) {
    if (!TextsFit({name, description}))
        return 0;
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf(
        "UPDATE Battle SET Nom = '%s', Description = '%s' WHERE IdBattle = %u",
        Quoted(name).constData(), Quoted(description).constData(), Key(battleId)));
    work.Exec(QString::asprintf("DELETE FROM BattleCompo WHERE IdBattle = %u", Key(battleId)));
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

int CArmyDatabase::DeleteBattle(int battleId) {
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf("DELETE FROM Battle WHERE IdBattle = %u", Key(battleId)));
    work.Exec(QString::asprintf("DELETE FROM BattleCompo WHERE IdBattle = %u", Key(battleId)));
    return work.Commit();
}

void CArmyDatabase::LoadBattleEntries(int battleId, CItemList<CBattleEntry*>& entries) {
    LoadInto<CBattleCompoSet>(
        QString::asprintf("SELECT * FROM BattleCompo WHERE IdBattle = %u", Key(battleId)), entries);
}

void CArmyDatabase::LoadBattleArmies(int battleId, CItemList<CArmyHeader*>& headers) {
    CItemList<CBattleEntry*> entries;
    LoadBattleEntries(battleId, entries);
    for (const CBattleEntry* entry : entries) {
        auto* header = new CArmyHeader;
        // An army deleted since the battle was made is left out rather than shown empty.
        if (FindArmyById(entry->IdArmy, *header))
            headers.Append(header);
        else
            delete header;
    }
}

int CArmyDatabase::InsertBattleArmies(int battleId, const CIdList& armyIds) {
    CTransaction work(Connection(), m_pStatementLog);
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

int CArmyDatabase::DeleteBattleArmies(int battleId) {
    return ExecuteOne(
        QString::asprintf("DELETE FROM BattleCompo WHERE IdBattle = %u", Key(battleId)));
}

int CArmyDatabase::ReplaceBattleArmies(int battleId, const CIdList& armyIds) {
    CTransaction work(Connection(), m_pStatementLog);
    work.Exec(QString::asprintf("DELETE FROM BattleCompo WHERE IdBattle = %u", Key(battleId)));
    InsertBattleArmiesIn(work, battleId, armyIds);
    return work.Commit();
}

// ---- Keys

int CArmyDatabase::GetMaxId(const QString& table, const QString& column) {
    CRecordset set(Connection());
    if (!set.Open(QString::asprintf("SELECT Max(%s) AS Id FROM %s", column.toUtf8().constData(),
                                    table.toUtf8().constData()))) {
        ShowDatabaseError(set.LastError());
        return 0;
    }
    return set.IsEOF() ? 0 : LeadingInteger(set.FieldText("Id"));
}
