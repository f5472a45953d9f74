// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/CDeferredScroll.h"

#include <QSet>
#include <QTreeView>

class CArmyModel;
class CArmyUnit;

// The army's hierarchy as a tree over the army's model, leaders bold. Rows the player closed
// stay closed through edits and reloads, every other row with children is open; the member
// selected stays so while it is there, else the warchief is. Members are dragged onto each
// other and catalogue types dropped on it, as the model decides.
class CArmyTree : public QTreeView {
    Q_OBJECT
public:
    explicit CArmyTree(QWidget* parent = nullptr);

    void SetArmyModel(CArmyModel* model);
    CArmyModel* ArmyModel() const { return m_pModel; }

    // A new army starts with every row open and the warchief selected.
    void Forget();
    CArmyUnit* SelectedUnit() const;
    // Selects the member's row (an attached unit's main unit's) and brings it into view.
    void SelectUnit(const CArmyUnit& unit);
    // After an edit: focus when select, else the member selected before while it is still
    // there, else the warchief; focus is brought into view before the next paint.
    void Settle(const CArmyUnit* focus, bool select);

signals:
    // At the selected row when asked for from the keyboard; (-1, -1) when none is selected.
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Opens the rows with children the player did not close, from parent down.
    void ExpandAsFilled(const QModelIndex& parent);
    void SelectIndex(const QModelIndex& index);

    CArmyModel* m_pModel = nullptr;
    // Keys of the members the player closed, and of the one selected.
    QSet<int> m_collapsedKeys;
    int m_selectedKey = -1;
    CDeferredScroll m_scroll{*this};
};
