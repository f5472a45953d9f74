// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/CDeferredScroll.h"

#include <QTreeView>

class CArmyStatsModel;
class CArmyUnit;

// Every member's statistics, one row each in army order, the first column indented by the
// member's depth; cells drawn by the style. Columns start at their set widths and widen to
// what the rows shown need, never narrowing.
class CArmyStatsList : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kIndentStep = 16;

    explicit CArmyStatsList(QWidget* parent = nullptr);

    void SetStatsModel(CArmyStatsModel* model);
    CArmyStatsModel* StatsModel() const { return m_pModel; }

    // The member of the current row; null when none.
    CArmyUnit* CurrentUnit() const;
    int CurrentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
    // Makes the row current and brings it into view before the next paint.
    void SelectRow(int row);

private:
    class CIndentDelegate;
    // Widens the columns too narrow for the rows from first to last.
    void WidenColumns(int first, int last);

    CArmyStatsModel* m_pModel = nullptr;
    CDeferredScroll m_scroll{*this};
};
