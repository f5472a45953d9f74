// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CDatabase.h"
#include "CItemList.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <initializer_list>
#include <utility>

class CArmyHeader;
class CArmyUnit;
class CBattle;
struct CBattleContents;
class CBattleEntry;
class CRace;
class CUnitType;
class CTransaction;

// A member's place in its army as stored, and as it is to be stored.
struct CUnitPlace {
    int key = -1;
    // The stored position; -1 when positions as stored cannot tell one member from another.
    int from = -1;
    int to = 0;
    // The leader to store, when newLeader.
    int leader = -1;
    bool newLeader = false;
};

// The connection to the data source "Skarnholt", and every statement the program runs.
// Values are always bound, never written into a statement's text. Writes answer whether
// they were stored; reads whether the whole result was read (when not, the list is left as
// it was). A statement the data source refuses is rolled back and
// reported once to the error sink; nothing here shows a window.
class CArmyDatabase : public CDatabase {
public:
    static constexpr const char* kDataSourceName = "Skarnholt";
    // Lookups: found, not found, or the query failed (its error already shown).
    static constexpr int kFound = 1;
    static constexpr int kNotFound = 0;
    static constexpr int kReadFailed = -1;

    explicit CArmyDatabase(const QString& connectionName = QStringLiteral("Skarnholt"));

    // Opens "Skarnholt" from $ODBCINI, else from $HOME/.odbc.ini when there is one (where the
    // set-up script registers it), else where unixODBC looks by itself.
    bool OpenDatabase();
    // Who the program works as on a club's server, and whether that role may change every
    // army and battle (the tables' owner, an administrator of the club, or a database that
    // keeps no owners); on SQLite there is one player and everything is his.
    QString Player() const { return m_player; }
    bool MayChangeAll() const { return m_bMayChangeAll; }
    // Whether the player may change what that role made.
    bool MayChange(const QString& owner) const {
        return m_bMayChangeAll || owner.isEmpty() || owner == m_player;
    }
    // Reads the player and his rights again: an administrator may have changed them.
    bool ReadPlayer();
    // Adds to a database made before it the column this program added since (the version of an
    // army); true when the tables are as the program needs them.
    bool UpgradeTables();
    // The program's tables that the data source lacks (none when it is set up).
    QStringList MissingTables() const;

    // Catalogue and races.
    bool LoadRaces(CItemList<CRace>& races);
    bool LoadUnitTypes(CItemList<CUnitType>& types);
    // The unit types the catalogue's tree shows, with only their key, race, kind and English
    // name: a fraction of the catalogue's cells, read at start-up. CompleteUnitTypes reads the
    // rest when needed.
    bool LoadUnitTypeSummaries(CItemList<CUnitType>& types);
    // Completes a list read by LoadUnitTypeSummaries: the type of that key and the types
    // attached to it, or every type for -1. Incomplete types of the list get their French name
    // and statistics; types it lacks (attached ones, mounts) are appended, complete. False, after
    // reporting it, when the read fails or a type to complete is no longer stored: the list is
    // then left as it was.
    bool CompleteUnitTypes(CItemList<CUnitType>& types, int typeId = -1);
    // The races that have unit types, whatever their kind.
    bool LoadUnitTypeRaces(CIdList& raceIds);
    bool LoadUnitTypesByParent(int parentId, CItemList<CUnitType>& types);

    // Armies.
    bool LoadArmies(CItemList<CArmyHeader>& armies);
    int FindArmyById(int armyId, CArmyHeader& header);
    int FindArmyByName(const QString& name, CArmyHeader& header);
    bool InsertArmy(int raceId, const QString& name, int budget, CArmyHeader* header);
    bool UpdateArmy(const CArmyHeader& header);
    bool DeleteArmy(int armyId);
    bool DeleteArmyUnits(int armyId);
    // Deletes the army with its units and its places in battles, all or nothing.
    bool DeleteArmyAndContents(int armyId);
    // How many members the army has; -1 when that cannot be read.
    int CountArmyUnits(int armyId);
    // The battles the army stands in, sorted by name, in one read.
    bool LoadArmyBattles(int armyId, CItemList<CBattle>& battles);
    // Counts one more edit of the army, when it still has the version read, and stores the
    // total it has after the edit with it: 1 counted, 0 when another program edited or deleted
    // it since (nothing is written then), -1 refused.
    int TakeArmyVersion(int armyId, int version, int total);

    // Units. An edit's statements are as few as the back end allows whatever the army's size,
    // for each is a round trip to a club's server.
    bool LoadArmyUnits(int armyId, CItemList<CArmyUnit>& units);
    // One member, under a new key.
    bool InsertUnit(int armyId, CArmyUnit& unit);
    // New keys for members, read in one statement inside the transaction under way (where
    // the back end gives keys outside transactions, some are kept for the next ones); empty,
    // after reporting it, when they cannot be read.
    QList<int> ReserveUnitKeys(int count);
    void ForgetSpareUnitKeys() { m_spareUnitKeys.clear(); }
    // Members with the keys they carry (ReserveUnitKeys), in one statement for as many as
    // it can bind.
    bool InsertUnits(int armyId, const QList<CArmyUnit*>& units);
    bool UpdateUnit(const CArmyUnit& unit);
    bool RenameUnit(const CArmyUnit& unit);
    // Stores the places and leaders given, all in one transaction and in one statement: the
    // members whose positions move by the same amount over a stretch of stored positions move
    // as a range, the others by key.
    bool StoreUnitPlaces(int armyId, const QList<CUnitPlace>& places);
    bool DeleteUnit(const CArmyUnit& unit);
    bool DeleteUnits(const QList<int>& keys);

    // Battles.
    bool LoadBattles(CItemList<CBattle>& battles);
    int FindBattleById(int battleId, CBattle* battle);
    int FindBattleByName(const QString& name, CBattle* battle);
    bool InsertBattle(const QString& name, const QString& description, const CIdList& armyIds);
    bool UpdateBattle(int battleId, const QString& name, const QString& description,
                      const CIdList& armyIds);
    bool DeleteBattle(int battleId);
    bool LoadBattleEntries(int battleId, CItemList<CBattleEntry>& entries);
    // The battle's armies, in the order they were put in it.
    bool LoadBattleArmies(int battleId, CItemList<CArmyHeader>& headers);
    // The members of all the battle's armies in one read, by army then in display order.
    bool LoadBattleUnits(int battleId, CItemList<CArmyUnit>& units);
    // The battle, its armies and their members in three reads, whatever the battle's size
    // (each is a round trip to a club's server): kFound, kNotFound or kReadFailed.
    int LoadBattleContents(int battleId, CBattleContents* contents);

private:
    template <typename Set, typename Record>
    bool LoadInto(const QString& sql, const QVariantList& values, CItemList<Record>& list);
    // All rows of the set's default statement, in French reading order of their names.
    template <typename Set, typename Record> bool LoadSortedByName(CItemList<Record>& list);
    template <typename Set, typename Record>
    int FindOne(const QString& sql, const QVariantList& values, Record* record);
    bool ExecuteOne(const QString& sql, const QVariantList& values);
    // A change of one member that another player's army may hide from this one.
    bool ExecuteOwnedUnitChange(const QString& sql, const QVariantList& values, int key);
    // False, after reporting the kind given, when a text is too long to be stored whole.
    bool TextsFit(std::initializer_list<std::pair<QString, CDataError::Kind>> texts) const;
    int LastInsertedKey(CTransaction& work, const QString& table, const QString& column);
    // Commits, unless the change's main statement found no row (another player's, on a club's
    // server): then nothing is stored and that is reported.
    bool FinishOwnedChange(CTransaction& work, int rows, const QString& table,
                           const QString& keyColumn, int key);
    // Runs the insert and answers the key of its row, -1 when refused.
    int InsertReturningKey(CTransaction& work, const QString& sql, const QVariantList& values,
                           const QString& table, const QString& column);
    bool InsertBattleArmiesIn(CTransaction& work, int battleId, const CIdList& armyIds);

    // Member keys taken from the server's sequence and not given yet.
    QList<int> m_spareUnitKeys;
    QString m_player;
    bool m_bMayChangeAll = true;
};
