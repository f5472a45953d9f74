#pragma once

#include "CItemList.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <initializer_list>

class CArmyHeader;
class CArmyUnit;
class CBattle;
class CBattleEntry;
class CRace;
class CUnitType;
class CTransaction;

// The one connection to the data source "Skarnholt", and every statement the program runs.
// Writes answer 1 when stored, 0 when not; a statement the data source refuses is rolled back
// and its error text shown, so that a failed write never passes for a done one.
class CArmyDatabase {
public:
    static constexpr const char* kDataSourceName = "Skarnholt";
    // Longest name or description a text column holds.
    static constexpr int kMaxTextLength = 255;

    explicit CArmyDatabase(const QString& connectionName = QStringLiteral("Skarnholt"));
    ~CArmyDatabase();
    CArmyDatabase(const CArmyDatabase&) = delete;
    CArmyDatabase& operator=(const CArmyDatabase&) = delete;

    // The connection every part of the program uses.
    static CArmyDatabase& Instance();

    int OpenDatabase();
    void CloseDatabase();
    bool IsOpen() const;
    QSqlDatabase Connection() const;

    // Catalogue and races.
    void LoadRaces(CItemList<CRace*>& races);
    void LoadUnitTypes(CItemList<CUnitType*>& types);
    void LoadUnitTypesByParent(int parentId, CItemList<CUnitType*>& types);

    // Armies.
    void LoadArmies(CItemList<CArmyHeader*>& armies);
    int FindArmyById(int armyId, CArmyHeader& header);
    int FindArmyByName(const QString& name, CArmyHeader& header);
    int InsertArmy(int raceId, const QString& name, int budget, CArmyHeader* header);
    int UpdateArmy(const CArmyHeader& header);
    int DeleteArmy(int armyId);
    int DeleteArmyUnits(int armyId);
    // Deletes the army with its units and its places in battles, all or nothing.
    int DeleteArmyAndContents(int armyId);

    // Units.
    void LoadArmyUnits(int armyId, CItemList<CArmyUnit*>& units);
    int InsertUnit(int armyId, CArmyUnit& unit);
    int UpdateUnit(const CArmyUnit& unit);
    int RenameUnit(const CArmyUnit& unit);
    int UpdateUnitOrder(const CArmyUnit& unit);
    // Stores position and leader of every unit given, all in one transaction.
    int UpdateAllUnitOrders(const CItemList<CArmyUnit*>& units);
    int DeleteUnit(const CArmyUnit& unit);

    // Battles.
    void LoadBattles(CItemList<CBattle*>& battles);
    int FindBattleById(int battleId, CBattle* battle);
    int FindBattleByName(const QString& name, CBattle* battle);
    int InsertBattle(const QString& name, const QString& description, const CIdList& armyIds);
    int UpdateBattle(int battleId, const QString& name, const QString& description,
                     const CIdList& armyIds);
    int DeleteBattle(int battleId);
    void LoadBattleEntries(int battleId, CItemList<CBattleEntry*>& entries);
    void LoadBattleArmies(int battleId, CItemList<CArmyHeader*>& headers);
    int InsertBattleArmies(int battleId, const CIdList& armyIds);
    int DeleteBattleArmies(int battleId);
    int ReplaceBattleArmies(int battleId, const CIdList& armyIds);

    // Keys.
    int GetMaxId(const QString& table, const QString& column);

    // Tests read the statements that writes ran; nullptr stops the log.
    void SetStatementLog(QStringList* log) { m_pStatementLog = log; }

    // A text made safe to put between apostrophes in a statement.
    static QString QuoteText(const QString& text);

private:
    friend class CTransaction;

    template <typename Set, typename Record>
    void LoadInto(const QString& sql, CItemList<Record*>& list);
    template <typename Set, typename Record> int FindOne(const QString& sql, Record* record);
    int ExecuteOne(const QString& sql);
    // False, after telling the user, when a text is too long to be stored whole.
    static bool TextsFit(std::initializer_list<QString> texts);
    int LastInsertedKey(CTransaction& work, const QString& table, const QString& column);
    bool InsertBattleArmiesIn(CTransaction& work, int battleId, const CIdList& armyIds);

    QString m_connectionName;
    QStringList* m_pStatementLog = nullptr;
};
