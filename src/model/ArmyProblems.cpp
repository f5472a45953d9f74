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

    // Leaders commanding a unit, found in one pass rather than once per leader.
    QSet<const CArmyUnit*> commanding;
    for (const CArmyUnit* unit : army.Units()) {
        if (!unit->m_pMainUnit && unit != army.GetWarchief())
            commanding.insert(army.LeaderOf(*unit));
    }
    // Names are counted over main members only: every mount is called after its type.
    QHash<QString, QList<const CArmyUnit*>> byName;
    for (const CArmyUnit* unit : army.Units()) {
        const QString& name = unit->Nom;
        if (!unit->m_pMainUnit) {
            byName[name.trimmed()].append(unit);
            if (unit->IdRace != header.IdRace)
                problems.append(
                    {Kind::OtherRace, unit,
                     LoadResString(kOtherRaceId).arg(name, GetRaceName(header.IdRace))});
        }
        if (unit->Musicien > 0 && unit->Musicien >= unit->NombreFig)
            problems.append({Kind::TooManyMusicians, unit,
                             LoadResString(kTooManyMusiciansId)
                                 .arg(name, QString::number(unit->Musicien),
                                      QString::number(unit->NombreFig))});
        if (CArmy::ChoicesOf(*unit) == CArmy::Choices::Troops &&
            (unit->NombreFig < unit->Min || unit->NombreFig > unit->Max))
            problems.append({Kind::FiguresOutOfRange, unit,
                             LoadResString(kFiguresOutOfRangeId)
                                 .arg(name, QString::number(unit->NombreFig),
                                      QString::number(unit->Min), QString::number(unit->Max))});
        if (unit->IdQualite < unit->IdQualiteMin || unit->IdQualite > unit->IdQualiteMax) {
            const auto quality = [unit](int code) {
                return GetQualityName(code, unit->CombatantType);
            };
            problems.append({Kind::QualityOutOfRange, unit,
                             LoadResString(kQualityOutOfRangeId)
                                 .arg(name, quality(unit->IdQualite), quality(unit->IdQualiteMin),
                                      quality(unit->IdQualiteMax))});
        }
        if (unit->IsGroupLeader() && !unit->m_pMainUnit && !commanding.contains(unit))
            problems.append(
                {Kind::LeaderWithoutUnit, unit, LoadResString(kLeaderWithoutUnitId).arg(name)});
    }
    for (const CArmyUnit* unit : army.Units()) {
        const auto same = byName.constFind(unit->Nom.trimmed());
        if (same != byName.constEnd() && same->size() > 1 && same->first() == unit)
            problems.append({Kind::SameName, unit,
                             LoadResString(kSameNameId)
                                 .arg(QString::number(same->size()), unit->Nom.trimmed())});
    }
    return problems;
}
