// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Display names of the coded statistics of a unit, in the language in use. A code outside its
// table gives an empty name, so that a value written by a newer program still shows a row.

// Mounts (combatant type 4) show "''" and machines (6) the crew's value in place of the code.
QString GetQualityName(int code, int combatantType);
QString GetDisciplineName(int code, int combatantType);
QString GetLightingName(int code, int combatantType);

QString GetArmourName(int code);
QString GetWeaponName(int code);
QString GetRaceName(int code);
QString GetYesNoName(int value);
// A member's level in the army as a screen reader says it ("chef de guerre"), by Hierarchie.
QString GetHierarchyName(int hierarchy);

// The bitmap resource of a race's emblem; races without their own show a placeholder.
int GetRaceBitmapId(int raceCode);

// Indexes in the unit image list; -1 when there is no image for the value.
int GetUnitKindImageByHierarchy(int hierarchy);
int GetUnitKindImageByCombatantType(int combatantType);
int GetWeaponImage(int code);
int GetArmourImage(int code);
constexpr int kShieldImage = 25;
