// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SharedArmy.h"

#include "data/CItemList.h"
#include "data/CRace.h"
#include "data/CUnitType.h"

#include <QStringList>

#include <functional>

class CArmy;
class CArmyDatabase;
class CCatalogue;
class CArmyUnit;

// The open army as it is shared: members in display order, leaders by their place, each
// member's unit type found in the catalogue given (its race and English name, which the
// member keeps) and named by key and both names; a type the catalogue no longer has keeps
// the name the member knows and no key.
CSharedArmy SharedArmyOf(const CArmy& army, const CItemList<CUnitType>& types,
                         const CItemList<CRace>& races);

// A shared army going into this database. Its race and each member's type are matched to this
// catalogue by key and checked by name (the French or the English one); a member whose type
// is missing, named otherwise, of another kind or not added with its main member here, or whose
// figures or quality fall outside its type's range, does not fit. Such a member is left out
// with what deleting it would take (its attached members and all it commands; for an attached
// member, its main member): the army is stored without them, or refused whole when the warchief
// goes. Prices are those of this catalogue.
class CArmyImport {
public:
    enum class Outcome { Ready, Refused, Failed };

    // The catalogue is read when it was not yet, and completed.
    CArmyImport(CArmyDatabase& db, CCatalogue& catalogue, CSharedArmy army);
    CArmyImport(const CArmyImport&) = delete;
    CArmyImport& operator=(const CArmyImport&) = delete;

    // Matches the army to it: Refused (why in Problem()) when its
    // race is not here or nothing would be left; Failed when the catalogue cannot be read (the
    // connection's sink was told).
    Outcome Match();
    QString Problem() const { return m_problem; }
    // The members that do not fit, each named with why, in the army's order.
    const QStringList& Misfits() const { return m_misfits; }
    // The misfits named in a few lines, one a line after a bullet, the rest counted.
    QString MisfitSummary(int lines = 10) const;
    int MemberCount() const { return m_memberCount; }
    int LeftOutCount() const { return m_memberCount - static_cast<int>(m_kept.size()); }

    // Stores the matched army without what does not fit, in one transaction, with new keys,
    // under its name or, when an army has it, the first free "name (2)", "name (3)"...; told
    // after the army and then each batch of members (stored so far, of total). The new army's
    // key; -1 when the data source refused it (its sink was told) and nothing was stored.
    using Progress = std::function<void(int stored, int total)>;
    int Store(const Progress& progress = {});
    QString StoredName() const { return m_storedName; }

    // The name, or the first "name (n)" from 2 on that none of the names taken is, cut short
    // where it would not fit a name column.
    static QString UniqueName(const QString& name, const QStringList& taken);

private:
    // One member to store, in display order.
    struct Kept {
        const CSharedMember* member;
        const CUnitType* type;
        // Places in m_kept of its leader and of its main member; -1 for none.
        int leader;
        int main;
    };
    // Why the member does not fit with that type, its main member's type when attached;
    // empty when it fits.
    QString Misfit(const CSharedMember& member, int row, bool first, const CUnitType* mainType,
                   const CUnitType** type) const;
    QList<CArmyUnit*> NewMembers(int armyId, const QList<int>& keys) const;

    CArmyDatabase& m_db;
    CCatalogue& m_catalogue;
    const CSharedArmy m_army;
    const CRace* m_pRace = nullptr;
    QStringList m_misfits;
    QList<Kept> m_kept;
    int m_memberCount = 0;
    QString m_problem;
    QString m_storedName;
};
