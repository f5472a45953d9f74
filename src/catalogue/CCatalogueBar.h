#pragma once

#include "catalogue/CRaceGroup.h"
#include "controlbar/CSizingControlBarCF.h"
#include "data/CItemList.h"
#include "widgets/CImageList.h"

class CDragTreeWidget;
class CRace;
class QLineEdit;
class CUnitType;
class QTreeWidgetItem;

// The docking bar showing the unit-type catalogue as a tree: a bold node per race and under it
// the race's unit types, leaders first and individuals last. Units are added to the open army
// from it by context menu or by dragging onto the army tree.
class CCatalogueBar : public CSizingControlBarCF {
    Q_OBJECT
public:
    // What a search compares: case, accents and ligatures aside ("Sœurs" as "soeurs", "Élite"
    // as "elite").
    static QString SearchKey(const QString& text);

    // False when the catalogue could not be read whole.
    bool IsLoaded() const { return m_bLoaded; }
    CCatalogueBar(const QString& title, QWidget* parent = nullptr);
    ~CCatalogueBar() override;

    void RebuildTree();
    // Whether an army is open, told by the window: the add commands and drags need one.
    void SetArmyOpen(bool open) { m_bArmyOpen = open; }
    // The selected unit type, complete, with its attached types complete too; nullptr when
    // nothing or a race node is selected, or when they cannot be read (the failure is shown).
    CUnitType* GetSelectedUnitType();
    // Appends every other unit type of the bar attached to the given one, in the bar's order:
    // those of a complete type (they are read with it).
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
    // Every unit type of the bar, complete: those no gesture needed yet are read first (a
    // failure is shown and leaves them incomplete).
    CItemList<CUnitType*>& UnitTypes();
    CItemList<CRace*>& Races() { return m_races; }

    // The pop-up menu that the selected item gets (129, 130 or 131), nullptr for none; the
    // caller owns it.
    QMenu* CreateContextMenu() const;
    // Where a menu asked for from the keyboard opens, in screen coordinates.
    QPoint KeyboardMenuPosition() const;
    // The unit type of a node of the tree, complete as GetSelectedUnitType gives it; nullptr
    // for a race node or when it cannot be read.
    CUnitType* UnitTypeOf(const QTreeWidgetItem* item);
    // The unit type of the key, complete; nullptr when there is none or it cannot be read.
    CUnitType* UnitTypeOfKey(int key);

private slots:
    void OnContextMenu(const QPoint& globalPosition);
    void OnDoubleClick(QTreeWidgetItem* item);
    void OnBeginDrag(const QPoint& viewportPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCatalogue();
    void GroupUnitTypes();
    // The type of the selected node, complete or not.
    CUnitType* SelectedNodeType() const;
    // Reads the rest of the type and the types attached to it when it is incomplete (the tree
    // needs only its key, race, kind and English name); false when they cannot be read (the
    // failure is shown).
    bool Complete(CUnitType& type);
    bool CompleteAll();
    // A race's node, not yet in the tree.
    QTreeWidgetItem* NewRaceNode(const CRace& race) const;

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
    bool m_bLoaded = false;
    bool m_bArmyOpen = false;
};
