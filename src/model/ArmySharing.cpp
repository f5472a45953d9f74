// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmySharing.h"

#include "CArmy.h"
#include "CCatalogue.h"

#include "army/CUnitCostCalculator.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CArmyUnit.h"
#include "data/CTransaction.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

// Members stored per statement: as many as one insert binds.
constexpr int kMembersPerBatch = 900;

// The level a member of that type gets where the program adds it: a leader type as the
// warchief or a group leader, any other by its kind, attached members by their kind alone.
int LevelOf(const CUnitType& type, bool main, bool first) {
    if (main && type.IsLeaderType())
        return first ? kWarchief : kGroupLeader;
    const bool mapped = type.CombatantType >= kCombatUnitType && type.CombatantType <= kMachineType;
    return mapped ? type.CombatantType + 1 : 0;
}

QString KeyText(int key) {
    return key < 0 ? QStringLiteral("—") : QString::number(key);
}

} // namespace

CSharedArmy SharedArmyOf(const CArmy& army, const CItemList<CUnitType>& types,
                         const CItemList<CRace>& races) {
    CSharedArmy shared;
    const CArmyHeader& header = army.GetHeader();
    shared.name = header.Nom;
    shared.budget = header.NombrePointMax;
    for (const CRace* race : races) {
        if (race->IdRace == header.IdRace)
            shared.race = {race->IdRace, race->RaceFR, race->RaceGB};
    }
    // A member keeps its type's race and English name: that is how its type is found again.
    QHash<QPair<int, QString>, QList<const CUnitType*>> byName;
    for (const CUnitType* type : types)
        byName[qMakePair(type->IdRace, type->NomGB)] << type;
    const auto entryOf = [&byName](const CArmyUnit& unit) {
        const QList<const CUnitType*> named =
            byName.value(qMakePair(unit.IdRace, unit.NomUnitType));
        const CUnitType* type = named.value(0);
        for (const CUnitType* each : named) {
            if (each->CombatantType == unit.CombatantType) {
                type = each;
                break;
            }
        }
        return type ? CSharedEntry{type->ArmyTypeId, type->NomFR, type->NomGB}
                    : CSharedEntry{-1, QString(), unit.NomUnitType};
    };
    QHash<const CArmyUnit*, int> places;
    for (const CArmyUnit* unit : army.Units()) {
        CSharedMember member;
        member.hierarchy = unit->Hierarchie;
        member.type = entryOf(*unit);
        member.name = unit->Nom;
        member.figures = unit->NombreFig;
        member.quality = unit->IdQualite;
        member.musicians = unit->Musicien;
        member.standard = unit->Etendard == 1;
        member.commandPoints = unit->Pc;
        if (unit->m_pMainUnit && places.contains(unit->m_pMainUnit)) {
            shared.members[places.value(unit->m_pMainUnit)].attached << member;
            continue;
        }
        // A member whose leader is not found stands under the warchief, as the army shows it.
        if (unit != army.GetWarchief())
            member.leader = places.value(army.LeaderOf(*unit), 0);
        places.insert(unit, static_cast<int>(shared.members.size()));
        shared.members << member;
    }
    return shared;
}

CArmyImport::CArmyImport(CArmyDatabase& db, CCatalogue& catalogue, CSharedArmy army)
    : m_db(db), m_catalogue(catalogue), m_army(std::move(army)) {}

QString CArmyImport::Misfit(const CSharedMember& member, int row, bool first,
                            const CUnitType* mainType, const CUnitType** type) const {
    const bool main = !mainType;
    const QString name = member.name.trimmed().isEmpty() ? member.type.nameEn : member.name;
    const auto said = [&](int id) { return LoadResString(id).arg(row).arg(name); };
    *type = member.type.key >= 0 ? m_catalogue.TypeByKey(member.type.key) : nullptr;
    const QString key = KeyText(member.type.key);
    if (!*type)
        return said(kMemberTypeUnknownId).arg(key, member.type.nameEn);
    const CUnitType& found = **type;
    if (found.NomFR != member.type.nameFr && found.NomGB != member.type.nameEn)
        return said(kMemberTypeRenamedId).arg(key, found.NomGB, member.type.nameEn);
    if (member.hierarchy != LevelOf(found, main, first))
        return said(kMemberOtherKindId).arg(key, found.NomGB);
    if (!main && found.ArmyTypeIdParent != mainType->ArmyTypeId)
        return said(kMemberNotAttachedId).arg(key, found.NomGB, mainType->NomGB);
    if (member.figures < found.Min || member.figures > found.Max)
        return said(kMemberFiguresId).arg(member.figures).arg(found.Min).arg(found.Max);
    if (member.quality < found.IdQualiteMin || member.quality > found.IdQualiteMax)
        return said(kMemberQualityId)
            .arg(member.quality)
            .arg(found.IdQualiteMin)
            .arg(found.IdQualiteMax);
    return QString();
}

CArmyImport::Outcome CArmyImport::Match() {
    m_misfits.clear();
    m_kept.clear();
    m_problem.clear();
    m_memberCount = 0;
    m_pRace = nullptr;
    if (!(m_catalogue.IsLoaded() || m_catalogue.Load()) || !m_catalogue.CompleteAll())
        return Outcome::Failed;
    const CSharedEntry& race = m_army.race;
    for (const CRace* each : m_catalogue.Races()) {
        if (race.key >= 0 && each->IdRace == race.key &&
            (each->RaceFR == race.nameFr || each->RaceGB == race.nameEn))
            m_pRace = each;
    }
    if (!m_pRace) {
        m_problem = LoadResString(kRaceUnknownId).arg(KeyText(race.key), race.nameEn);
        return Outcome::Refused;
    }

    // What does not fit, and what goes with it: a main member with its attached ones and, for
    // a leader, the members under him (who stand after him).
    const QList<CSharedMember>& members = m_army.members;
    QList<bool> leftOut(members.size(), false);
    QList<const CUnitType*> types(members.size(), nullptr);
    QList<QList<const CUnitType*>> attachedTypes(members.size());
    int row = 0;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const CSharedMember& member = members.at(i);
        const QString why = Misfit(member, ++row, i == 0, nullptr, &types[i]);
        bool out = !why.isEmpty();
        if (out)
            m_misfits << why;
        for (const CSharedMember& attached : member.attached) {
            // The attached members of a main member that is not here go with it unseen.
            const CUnitType* type = nullptr;
            ++row;
            const QString attachedWhy =
                types.at(i) ? Misfit(attached, row, false, types.at(i), &type) : QString();
            if (!attachedWhy.isEmpty()) {
                m_misfits << attachedWhy;
                out = true;
            }
            attachedTypes[i] << type;
        }
        const bool underLeft =
            i > 0 && (member.leader < 0 || member.leader >= i || leftOut.at(member.leader));
        leftOut[i] = out || underLeft;
    }
    m_memberCount = row;
    if (!members.isEmpty() && leftOut.first()) {
        m_problem = LoadResString(kWarchiefMisfitId).arg(MisfitSummary());
        return Outcome::Refused;
    }

    // Display order: each leader's members after him, in the file's order.
    QHash<qsizetype, QList<qsizetype>> under;
    for (qsizetype i = 1; i < members.size(); ++i) {
        if (!leftOut.at(i))
            under[members.at(i).leader] << i;
    }
    QHash<qsizetype, int> placeOf;
    std::function<void(qsizetype, int)> place = [&](qsizetype i, int leader) {
        const int at = static_cast<int>(m_kept.size());
        placeOf.insert(i, at);
        m_kept.append({&members.at(i), types.at(i), leader, -1});
        for (qsizetype k = 0; k < members.at(i).attached.size(); ++k)
            m_kept.append({&members.at(i).attached.at(k), attachedTypes.at(i).at(k), leader, at});
        for (qsizetype child : under.value(i))
            place(child, at);
    };
    if (!members.isEmpty())
        place(0, -1);
    return Outcome::Ready;
}

QString CArmyImport::MisfitSummary(int lines) const {
    QStringList shown = m_misfits.mid(0, lines);
    if (m_misfits.size() > lines)
        shown << LoadResString(kMoreMisfitsId).arg(m_misfits.size() - lines);
    return QStringLiteral("• ") + shown.join(QStringLiteral("\n• "));
}

QString CArmyImport::UniqueName(const QString& name, const QStringList& taken) {
    const QSet<QString> names(taken.begin(), taken.end());
    if (!names.contains(name))
        return name;
    for (int n = 2;; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        QString base = name;
        while (!base.isEmpty() && !CArmyDatabase::FitsTextColumn(base + suffix))
            base.chop(base.size() > 1 && base.back().isLowSurrogate() ? 2 : 1);
        if (!names.contains(base + suffix))
            return base + suffix;
    }
}

QList<CArmyUnit*> CArmyImport::NewMembers(int armyId, const QList<int>& keys) const {
    QList<CArmyUnit*> units;
    for (qsizetype i = 0; i < m_kept.size(); ++i) {
        const Kept& kept = m_kept.at(i);
        const CSharedMember& member = *kept.member;
        auto* unit = new CArmyUnit(*kept.type);
        unit->Hierarchie = member.hierarchy;
        unit->IdArmee = armyId;
        unit->IdVisual = static_cast<int>(i);
        unit->IdUnite = keys.at(i);
        unit->IdParentUnit = kept.main >= 0 ? keys.at(kept.main) : -1;
        unit->IdLeader = kept.leader >= 0 ? keys.at(kept.leader) : -1;
        unit->NombreFig = member.figures;
        unit->IdQualite = member.quality;
        unit->Musicien = member.musicians;
        unit->Etendard = member.standard ? 1 : 0;
        unit->Pc = member.commandPoints;
        // As the program names a member: blanks give back its type's name.
        if (!member.name.trimmed().isEmpty())
            unit->Nom = member.name;
        CUnitCostCalculator calculator;
        calculator.SetUnit(unit);
        calculator.ComputeCost();
        units << unit;
    }
    return units;
}

int CArmyImport::Store(const Progress& progress) {
    m_storedName.clear();
    if (!m_pRace)
        return -1;
    const int total = static_cast<int>(m_kept.size());
    CTransaction work(m_db);
    CItemList<CArmyHeader> armies;
    if (!m_db.LoadArmies(armies))
        return -1;
    QStringList taken;
    for (const CArmyHeader* army : armies)
        taken << army->Nom;
    const QString name = UniqueName(m_army.name, taken);
    CArmyHeader header;
    if (!m_db.InsertArmy(m_pRace->IdRace, name, m_army.budget, &header))
        return -1;
    if (progress)
        progress(0, total);
    const QList<int> keys = m_db.ReserveUnitKeys(total);
    if (keys.size() != total)
        return -1;
    CItemList<CArmyUnit> units;
    QList<CArmyUnit*> members = NewMembers(header.IdArmee, keys);
    for (CArmyUnit* unit : members) {
        units.Append(std::unique_ptr<CArmyUnit>(unit));
        header.CoutTotal += unit->CoutTotal;
    }
    for (qsizetype first = 0; first < members.size(); first += kMembersPerBatch) {
        if (!m_db.InsertUnits(header.IdArmee, members.mid(first, kMembersPerBatch)))
            return -1;
        if (progress)
            progress(static_cast<int>(std::min<qsizetype>(first + kMembersPerBatch, total)), total);
    }
    if (!m_db.UpdateArmy(header) || !work.Commit())
        return -1;
    m_storedName = name;
    return header.IdArmee;
}
