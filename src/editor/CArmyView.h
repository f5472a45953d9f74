// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/CImageList.h"

#include <QWidget>

class CArmyModel;
class CArmyStatsList;
class CArmyStatsModel;
class CArmy;
class CArmyUnit;
class CBudgetStrip;
struct CArmyChange;
class CCatalogueBar;
class CArmyTree;
class CUnitType;
class QMenu;
class QSplitter;

// The army being edited, in the main window: the budget strip on top, the hierarchy as a tree
// on the left and every member's statistics as a list on the right. It shows the army and
// hands the player's gestures to it; the army decides and stores, then the view shows it again.
class CArmyView : public QWidget {
    Q_OBJECT
public:
    // The army shown, given by the window for as long as the view lives.
    explicit CArmyView(CArmy& army, QWidget* parent = nullptr);
    ~CArmyView() override;

    // Where unit types come from: selection and attached types, and the types a drop names.
    void SetCatalogueBar(CCatalogueBar* bar);

    void ShowArmy();
    void HideArmy();
    // Tree, list and strip filled from the open army, and shown.
    void ShowOpenArmy();
    void RefreshHeader();
    CArmyUnit* GetSelectedUnit() const;
    // Asks first when the member takes others with it.
    void DeleteMember(CArmyUnit* unit);

    // The army written to "<army name>.txt" and opened.
    void ExportArmy();

    // Chooses the dialog for a member and has the army store what it changes.
    void ShowUnitProperties(CArmyUnit* unit);

    CArmyTree* Tree() const { return m_pTree; }
    CArmyStatsList* List() const { return m_pList; }
    CArmyModel* Model() const { return m_pModel; }
    CArmyStatsModel* StatsModel() const { return m_pStatsModel; }
    QSplitter* Splitter() const { return m_pSplitter; }
    CBudgetStrip* BudgetStrip() const { return m_pBudgetStrip; }
    // The pop-up menu for the tree (102 over an item, else 132); the caller owns it.
    QMenu* CreateContextMenu(bool overItem) const;

public slots:
    // Selects the member of the key in the tree, and so in the list.
    void SelectMember(int key);
    void OnAddWarchief();
    void OnAddGroupLeader();
    void OnAddUnit();
    void OnDeleteMember();
    void OnMemberProperties();

signals:
    // Another member is selected in the tree, or none.
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnArmyChanged(const CArmyChange& change);
    void OnArmyReloaded();
    void OnTreeSelectionChanged();
    void FollowList();
    void OnContextMenu(const QPoint& globalPosition);

private:
    bool Editable() const;
    void SplitAsAtFirst();
    // The catalogue's type with the types attached to it, the type first.
    QList<const CUnitType*> TypeWithAttached(CUnitType& type) const;
    CUnitType* SelectedCatalogueType() const;

    CImageList m_images;
    CArmy& m_army;
    CArmyModel* m_pModel = nullptr;
    CArmyStatsModel* m_pStatsModel = nullptr;
    CBudgetStrip* m_pBudgetStrip = nullptr;
    QSplitter* m_pSplitter = nullptr;
    CArmyTree* m_pTree = nullptr;
    CArmyStatsList* m_pList = nullptr;
    CCatalogueBar* m_pCatalogueBar = nullptr;
    // Whether the player moved the handle between tree and list.
    bool m_bSplitterSet = false;
};
