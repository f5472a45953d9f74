#pragma once

#include "army/CImageList.h"

#include <QWidget>

class CArmyUnit;
class CBudgetStrip;
class CCatalogueBar;
class CDragTreeWidget;
class CTreeDropTarget;
class CUnitStatsList;
class CUnitType;
class QMenu;
class QTreeWidgetItem;

// The army being edited, in the main window: the budget strip on top, the hierarchy as a tree
// on the left and every member's statistics as a list on the right. Every change is stored at
// once; when a store fails, the army is read back so that what is shown is what is stored.
class CArmyView : public QWidget {
    Q_OBJECT
public:
    explicit CArmyView(QWidget* parent = nullptr);
    ~CArmyView() override;

    // The one view, once created.
    static CArmyView* Instance();
    // Where unit types come from: selection and attached types.
    void SetCatalogueBar(CCatalogueBar* bar);

    void ClearArmy();
    void ShowArmy();
    void HideArmy();
    void FillTree();
    void RefreshList();
    void RefreshHeader();
    // After a change of the tree: renumbers the list and stores every position that changed.
    void StoreOrder();
    QTreeWidgetItem* InsertWarchiefItem(CArmyUnit* unit);
    QTreeWidgetItem* InsertLeaderItem(CArmyUnit* unit);
    QTreeWidgetItem* InsertUnitItem(CArmyUnit* leader, CArmyUnit* unit);
    void UpdateUnitDisplay(CArmyUnit* unit);
    CArmyUnit* GetSelectedUnit() const;
    void DeleteItem(QTreeWidgetItem* item);

    // The hierarchy rules; each stores what it adds.
    void AddWarchief(const CUnitType& type);
    void AddGroupLeader(const CUnitType& type);
    // The type and its attached types under the leader.
    void AddUnderLeader(CArmyUnit* leader, const CUnitType& type);

    // The army as tab-separated text, as its list shows it; and that text written to
    // "<army name>.txt" and opened.
    QString ArmyExportText() const;
    void ExportArmy();

    // Chooses the dialog for a member and stores what it changes.
    void ShowUnitProperties(CArmyUnit* unit);

    // Drops.
    void FinishDrop();
    void DropFromCatalogue();
    void MoveMember();
    // place: the index among the new parent's children, -1 for last.
    QTreeWidgetItem* MoveSubtree(QTreeWidgetItem* item, QTreeWidgetItem* newParent, int place);
    QTreeWidgetItem* CopyItem(QTreeWidgetItem* item, QTreeWidgetItem* newParent, int place);

    // The tree label of a member.
    static QString UnitLabel(const CArmyUnit& unit);
    static CArmyUnit* UnitOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* FindItem(const CArmyUnit* unit) const;

    CDragTreeWidget* Tree() const { return m_pTree; }
    CUnitStatsList* List() const { return m_pList; }
    CBudgetStrip* BudgetStrip() const { return m_pBudgetStrip; }
    QTreeWidgetItem* WarchiefItem() const { return m_pWarchiefItem; }
    int SplitterPosition() const { return m_nSplitter; }
    // The pop-up menu for the tree (102 over an item, else 132); the caller owns it.
    QMenu* CreateContextMenu(bool overItem) const;

public slots:
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
    void OnTreeSelectionChanged();
    void OnListDoubleClick(QTreeWidgetItem* row);
    void OnContextMenu(const QPoint& globalPosition);
    void OnBeginDrag(const QPoint& viewportPosition);
    void OnCatalogueDragEnded();

private:
    QTreeWidgetItem* NewItem(CArmyUnit* unit);
    // Stores a leader just placed in the tree, and the positions it moved.
    void StoreNewLeader(CArmyUnit* unit);
    QTreeWidgetItem* ParentItemOf(int leaderId) const;
    QTreeWidgetItem* FindItemById(int unitId) const;
    void DeleteMemberAndAttached(CArmyUnit* unit, bool* stored);
    void LayOut();
    bool InSplitterBand(const QPoint& point) const;
    // A store failed: the army is read again from the database and shown as stored.
    void Reload();
    CUnitType* SelectedCatalogueType() const;

    CImageList m_images;
    CBudgetStrip* m_pBudgetStrip = nullptr;
    CDragTreeWidget* m_pTree = nullptr;
    CUnitStatsList* m_pList = nullptr;
    CTreeDropTarget* m_pDropTarget = nullptr;
    CCatalogueBar* m_pCatalogueBar = nullptr;
    QTreeWidgetItem* m_pWarchiefItem = nullptr;
    QTreeWidgetItem* m_pRightClickedItem = nullptr;
    int m_nSplitter = 0;
    bool m_bSplitterSet = false;
    bool m_bDragging = false;
    bool m_bReloading = false;
};
