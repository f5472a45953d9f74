// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CArmyUnit;
class CUnitStatsList;
class CUnitType;

// Column layouts and rows of the unit statistics list.

// Army layout: Nom, the statistic block, then the notes (18 columns).
void InsertUnitColumns(CUnitStatsList& list);
// Appends the statistic block after the columns the list already has, with Race and Nom first
// when asked.
void InsertStatColumns(CUnitStatsList& list, bool withRaceAndName);

// Inserts an army unit at position (-1: at the end) and returns its row.
int AddUnitRow(CUnitStatsList& list, CArmyUnit* unit, int image, int position);
void UpdateUnitRow(CUnitStatsList& list, CArmyUnit* unit, int row);
// Appends a catalogue unit type in the unit-type layout and returns its row.
int AddUnitTypeRow(CUnitStatsList& list, CUnitType* type, int image);

// Widens the columns too narrow for the texts of a row; a column is never narrowed.
void FitColumnsToRow(CUnitStatsList& list, int row);
