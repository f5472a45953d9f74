#pragma once

#include "catalogue/CRaceGroup.h"
#include "controlbar/CSizingControlBarCF.h"
#include "data/CItemList.h"
#include "widgets/CImageList.h"

class CDragTreeWidget;
class CRace;
class QLineEdit;
class CTreeDropTarget;
class CUnitType;
class QTreeWidgetItem;

// The docking bar showing the unit-type catalogue as a tree: a bold node per race and under it
// the race's unit types, leaders first and individuals last. Units are added to the open army
// from it by context menu or by dragging onto the army tree.
class CCatalogueBar : public CSizingControlBarCF {
    Q_OBJECT
public:
    // False when the catalogue could not be read whole.
    bool IsLoaded() const { return m_bLoaded; }
    CCatalogueBar(const QString& title, QWidget* parent = nullptr);
    ~CCatalogueBar() override;

    void RebuildTree();
    // Whether an army is open, told by the window: the add commands and drags need one.
    void SetArmyOpen(bool open) { m_bArmyOpen = open; }
    // The selected unit type; nullptr when nothing or a race node is selected.
    CUnitType* GetSelectedUnitType() const;
    // Appends every other unit type of the bar attached to the given one, in the bar's order.
    void CollectSubTypes(const CUnitType& type, CItemList<CUnitType*>& list) const;
    void ShowSelectedTypeProperties();
    // Lets the user choose the races shown; rebuilds the tree unless cancelled.
    void ChooseShownRaces();

    CDragTreeWidget* Tree() const { return m_pTree; }
    QLineEdit* Filter() const { return m_pFilter; }
    // Narrows the tree to the unit types whose French or English name holds the text, case
    // and accents aside, in every race; an empty text gives the tree back as it was.
    void SetFilter(const QString& text);
    // Whether a name holds the text as a reader means it: "elite" is in "Garde d'Élite".
    static bool NameMatches(const QString& name, const QString& text);
    CItemList<CUnitType*>& UnitTypes() { return m_unitTypes; }
    CItemList<CRace*>& Races() { return m_races; }

    // The pop-up menu that the selected item gets (129, 130 or 131), nullptr for none; the
    // caller owns it.
    QMenu* CreateContextMenu() const;
    // Where a menu asked for from the keyboard opens, in screen coordinates.
    QPoint KeyboardMenuPosition() const;
    // The unit type of a node of the tree; nullptr for a race node.
    static CUnitType* UnitTypeOf(const QTreeWidgetItem* item);

signals:
    // A unit type was released on the army tree; the army view finishes the drop.
    void catalogueDropped();
    // A drag from the catalogue ended, wherever it fell.
    void catalogueDragEnded();

private slots:
    void OnContextMenu(const QPoint& globalPosition);
    void OnDoubleClick(QTreeWidgetItem* item);
    void OnBeginDrag(const QPoint& viewportPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCatalogue();
    void GroupUnitTypes();
    QTreeWidgetItem* AddRaceNode(const CRace& race);
    void AddTypeNode(QTreeWidgetItem* raceNode, CUnitType* type);

    CDragTreeWidget* m_pTree = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QString m_filter;
    // The races the player had expanded before a filter took the tree over.
    QList<int> m_expandedRaces;
    CImageList m_images;
    int m_nRaceIcon = -1;
    CItemList<CUnitType*> m_unitTypes;
    CItemList<CRace*> m_races;
    CItemList<CRaceGroup*> m_raceGroups;
    CTreeDropTarget* m_pDropTarget = nullptr;
    bool m_bLoaded = false;
    bool m_bArmyOpen = false;
};
