// SPDX-License-Identifier: GPL-3.0-or-later

#include "ValueNames.h"

#include "core/StringTable.h"
#include "data/CUnitStats.h"

#include <cstddef>

namespace {

constexpr int kNoText = 0;     // never a string-table id, so it marks a code outside a table
constexpr int kAsCrewCode = 5; // the value is that of the crew serving the unit

QString MountText() {
    return QStringLiteral("''");
}

QString AsCrewText() {
    return QStringLiteral("As crew");
}

template <std::size_t N> int LookUp(const int (&table)[N], int code, int outside) {
    return code >= 0 && code < int(N) ? table[code] : outside;
}

template <std::size_t N> QString TextOf(const int (&ids)[N], int code) {
    const int id = LookUp(ids, code, kNoText);
    return id == kNoText ? QString() : LoadResString(id);
}

// Quality and discipline share their layout: -1 for unset, then the names, then "As crew".
QString RankedName(const int (&ids)[5], int code, int combatantType) {
    if (combatantType == kUncountedType)
        return MountText();
    if (combatantType == kMachineType || code == kAsCrewCode)
        return AsCrewText();
    return TextOf(ids, code);
}

constexpr int kQualityIds[] = {201, 202, 203, 204, 231};
constexpr int kDisciplineIds[] = {205, 206, 207, 208, 233};
constexpr int kLightingIds[] = {210, 211, 212};
constexpr int kArmourIds[] = {196, 197, 198, 199, 200, 228};
constexpr int kFirstWeaponId = 213;
constexpr int kWeaponCount = 15;
constexpr int kFirstRaceId = 180;
constexpr int kRaceCount = 16;
constexpr int kHobbitRace = 16;
constexpr int kHobbitId = 234;

constexpr int kHierarchyIds[] = {kNoText,
                                 kFirstLevelNameId,
                                 kFirstLevelNameId + 1,
                                 kFirstLevelNameId + 2,
                                 kFirstLevelNameId + 3,
                                 kFirstLevelNameId + 4,
                                 kFirstLevelNameId + 5,
                                 kFirstLevelNameId + 6};

constexpr int kPlaceholderBitmap = 161;
constexpr int kRaceBitmaps[] = {150, 151, 161, 161, 152, 153, 162, 154,
                                155, 156, 161, 157, 158, 159, 161, 160};
constexpr int kImageByHierarchy[] = {-1, 0, 1, 2, 3, 4, 6, 5};
constexpr int kImageByCombatantType[] = {-1, 1, 2, 3, 4, 6, 5};
constexpr int kFirstWeaponImage = 6;
constexpr int kFirstArmourImage = 20;
constexpr int kLastImagedArmour = 4; // armour 5 has no picture

} // namespace

QString GetQualityName(int code, int combatantType) {
    return RankedName(kQualityIds, code, combatantType);
}

QString GetDisciplineName(int code, int combatantType) {
    return RankedName(kDisciplineIds, code, combatantType);
}

QString GetLightingName(int code, int combatantType) {
    if (combatantType == kUncountedType)
        return MountText();
    if (combatantType == kMachineType)
        return QString();
    return TextOf(kLightingIds, code);
}

QString GetArmourName(int code) {
    return TextOf(kArmourIds, code);
}

QString GetWeaponName(int code) {
    return code >= 0 && code < kWeaponCount ? LoadResString(kFirstWeaponId + code) : QString();
}

QString GetRaceName(int code) {
    if (code == kHobbitRace)
        return LoadResString(kHobbitId);
    return code >= 0 && code < kRaceCount ? LoadResString(kFirstRaceId + code) : QString();
}

QString GetYesNoName(int value) {
    return LoadResString(value == 1 ? 146 : 147);
}

int GetRaceBitmapId(int raceCode) {
    return LookUp(kRaceBitmaps, raceCode, kPlaceholderBitmap);
}

QString GetHierarchyName(int hierarchy) {
    return TextOf(kHierarchyIds, hierarchy);
}

int GetUnitKindImageByHierarchy(int hierarchy) {
    return LookUp(kImageByHierarchy, hierarchy, -1);
}

int GetUnitKindImageByCombatantType(int combatantType) {
    return LookUp(kImageByCombatantType, combatantType, -1);
}

int GetWeaponImage(int code) {
    return code >= 1 && code < kWeaponCount ? code + kFirstWeaponImage : -1;
}

int GetArmourImage(int code) {
    return code >= 1 && code <= kLastImagedArmour ? code + kFirstArmourImage : -1;
}
