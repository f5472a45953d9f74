#pragma once

#include <QList>

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
int AddUnitRow(CUnitStatsList& list, CArmyUnit* unit, int image, int indent, int position);
// Appends army units in one insertion, each with its image and indent, and fits the columns
// to them once: the view takes in one block of rows rather than one row at a time.
struct CUnitRow {
    CArmyUnit* unit;
    int image;
    int indent;
};
void AppendUnitRows(CUnitStatsList& list, const QList<CUnitRow>& rows);
void UpdateUnitRow(CUnitStatsList& list, CArmyUnit* unit, int row);
// Appends a catalogue unit type in the unit-type layout and returns its row.
int AddUnitTypeRow(CUnitStatsList& list, CUnitType* type, int image);

// Widens the columns too narrow for the texts of a row; a column is never narrowed.
void FitColumnsToRow(CUnitStatsList& list, int row);
