// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyProblems.h"

#include "CArmy.h"

#include "army/ValueNames.h"
#include "core/StringTable.h"

#include <QHash>
#include <QSet>

QList<CArmyProblem> FindProblems(const CArmy& army) {
    using Kind = CArmyProblem::Kind;
    QList<CArmyProblem> problems;
    if (!army.IsOpen())
        return problems;
    const CArmyHeader& header = army.GetHeader();
    const int over = army.ComputeTotal() - header.NombrePointMax;
    if (over > 0)
        problems.append({Kind::OverBudget, nullptr, LoadResString(kOverBudgetId).arg(over)});
    if (army.HasUnits() && !army.GetWarchief()->IsWarchief())
        problems.append({Kind::NoWarchief, nullptr, LoadResString(kNoWarchiefProblemId)});

    // Keys of the leaders commanding a unit, found in one pass rather than once per leader.
    QSet<int> commanding;
    commanding.reserve(army.Units().GetCount());
    int lastLeader = -1;
    for (const CArmyUnit* unit : army.Units()) {
        // A leader's units mostly follow one another: each leader is looked up once.
        if (!unit->m_pMainUnit && unit != army.GetWarchief() && unit->IdLeader != -1 &&
            unit->IdLeader != lastLeader) {
            commanding.insert(unit->IdLeader);
            lastLeader = unit->IdLeader;
        }
    }
    // Names are counted over main members only: every mount is called after its type. Each
    // name is seen as it stands in the member, its blanks aside, and counted with the first
    // member of it, who names the problem.
    struct Named {
        const CArmyUnit* first;
        int count;
    };
    QHash<QStringView, Named> byName;
    byName.reserve(army.Units().GetCount());
    QList<QStringView> names;
    for (const CArmyUnit* unit : army.Units()) {
        const QString& name = unit->Nom;
        if (!unit->m_pMainUnit) {
            const QStringView trimmed = QStringView(name).trimmed();
            const auto seen = byName.find(trimmed);
            if (seen == byName.end()) {
                byName.insert(trimmed, {unit, 1});
                names << trimmed;
            } else {
                ++seen->count;
            }
            if (unit->IdRace != header.IdRace)
                problems.append(
                    {Kind::OtherRace, unit,
                     LoadResString(kOtherRaceId).arg(Isolated(name), GetRaceName(header.IdRace))});
        }
        if (unit->Musicien > 0 && unit->Musicien >= unit->NombreFig)
            problems.append({Kind::TooManyMusicians, unit,
                             LoadResString(kTooManyMusiciansId)
                                 .arg(Isolated(name), QString::number(unit->Musicien),
                                      QString::number(unit->NombreFig))});
        if (CArmy::ChoicesOf(*unit) == CArmy::Choices::Troops &&
            (unit->NombreFig < unit->Min || unit->NombreFig > unit->Max))
            problems.append({Kind::FiguresOutOfRange, unit,
                             LoadResString(kFiguresOutOfRangeId)
                                 .arg(Isolated(name), QString::number(unit->NombreFig),
                                      QString::number(unit->Min), QString::number(unit->Max))});
        if (unit->IdQualite < unit->IdQualiteMin || unit->IdQualite > unit->IdQualiteMax) {
            const auto quality = [unit](int code) {
                return GetQualityName(code, unit->CombatantType);
            };
            problems.append({Kind::QualityOutOfRange, unit,
                             LoadResString(kQualityOutOfRangeId)
                                 .arg(Isolated(name), quality(unit->IdQualite),
                                      quality(unit->IdQualiteMin), quality(unit->IdQualiteMax))});
        }
        if (unit->IsGroupLeader() && !unit->m_pMainUnit && !commanding.contains(unit->IdUnite))
            problems.append({Kind::LeaderWithoutUnit, unit,
                             LoadResString(kLeaderWithoutUnitId).arg(Isolated(name))});
    }
    // In the order of their first members, which is the army's.
    for (const QStringView name : std::as_const(names)) {
        const Named& same = byName.value(name);
        if (same.count > 1)
            problems.append({Kind::SameName, same.first,
                             LoadResString(kSameNameId)
                                 .arg(QString::number(same.count), Isolated(name.toString()))});
    }
    return problems;
}
