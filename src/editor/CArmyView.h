#pragma once

#include "widgets/CImageList.h"

#include <QWidget>

class CArmyUnit;
class CBudgetStrip;
struct CArmyChange;
class CCatalogueBar;
class CArmyTree;
class CTreeDropTarget;
class CUnitStatsList;
class CUnitType;
class QMenu;
class QTreeWidgetItem;

// The army being edited, in the main window: the budget strip on top, the hierarchy as a tree
// on the left and every member's statistics as a list on the right. It shows the army and
// hands the player's gestures to it; the army decides and stores, then the view shows it again.
class CArmyView : public QWidget {
    Q_OBJECT
public:
    explicit CArmyView(QWidget* parent = nullptr);
    ~CArmyView() override;

    // Where unit types come from: selection and attached types.
    void SetCatalogueBar(CCatalogueBar* bar);

    void ClearArmy();
    void ShowArmy();
    void HideArmy();
    // Tree, list and strip filled from the open army, and shown.
    void ShowOpenArmy();
    void RefreshList();
    void RefreshHeader();
    CArmyUnit* GetSelectedUnit() const;
    void DeleteItem(QTreeWidgetItem* item);

    // The army written to "<army name>.txt" and opened.
    void ExportArmy();

    // Chooses the dialog for a member and has the army store what it changes.
    void ShowUnitProperties(CArmyUnit* unit);

    // Drops.
    void FinishDrop();
    void DropFromCatalogue();
    void MoveMember();

    CArmyTree* Tree() const { return m_pTree; }
    CUnitStatsList* List() const { return m_pList; }
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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnArmyChanged(const CArmyChange& change);
    void OnArmyReloaded();
    void OnTreeSelectionChanged();
    void OnListDoubleClick(QTreeWidgetItem* row);
    void OnContextMenu(const QPoint& globalPosition);
    void OnBeginDrag(const QPoint& viewportPosition);
    void OnCatalogueDragEnded();

private:
    static bool Editable();
    // Fills everything again from the army, keeping what the player had collapsed and
    // selected.
    void Rebuild(CArmyUnit* focus, bool select);
    // Changes only the items and rows the edit concerns; false when it cannot (the view must
    // then be rebuilt).
    bool Update(const CArmyChange& change);
    void InsertRows(const QList<CArmyUnit*>& members, int first);
    void RemoveRows(int first, int count);
    void DeleteMember(CArmyUnit* unit);
    // The catalogue's type with the types attached to it, the type first.
    QList<const CUnitType*> TypeWithAttached(CUnitType& type) const;
    void LayOut();
    bool InSplitterBand(const QPoint& point) const;
    CUnitType* SelectedCatalogueType() const;

    CImageList m_images;
    CBudgetStrip* m_pBudgetStrip = nullptr;
    CArmyTree* m_pTree = nullptr;
    CUnitStatsList* m_pList = nullptr;
    CTreeDropTarget* m_pDropTarget = nullptr;
    CCatalogueBar* m_pCatalogueBar = nullptr;
    QTreeWidgetItem* m_pRightClickedItem = nullptr;
    int m_nSplitter = 0;
    bool m_bSplitterSet = false;
    bool m_bDragging = false;
};
