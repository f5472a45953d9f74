// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlbar/CSizingControlBarCF.h"
#include "data/CItemList.h"
#include "widgets/CImageList.h"

class CCatalogue;
class CDragTreeWidget;
class CRace;
class QLineEdit;
class CUnitType;
class QTreeWidgetItem;

// The docking bar showing the unit-type catalogue as a tree: a bold node per race and under it
// the race's unit types, leaders first and individuals last. Units are added to the open army
// from it by context menu or by dragging onto the army tree. The catalogue itself is given: the
// bar only shows it.
class CCatalogueBar : public CSizingControlBarCF {
    Q_OBJECT
public:
    // What a search compares: case, accents and ligatures aside ("Sœurs" as "soeurs", "Élite"
    // as "elite").
    static QString SearchKey(const QString& text);

    CCatalogueBar(CCatalogue& catalogue, const QString& title, QWidget* parent = nullptr);
    ~CCatalogueBar() override;

    void RebuildTree();
    // Whether an army is open, told by the window: the add commands and drags need one.
    void SetArmyOpen(bool open) { m_bArmyOpen = open; }
    // The selected unit type, complete, with its attached types complete too; nullptr when
    // nothing or a race node is selected, or when they cannot be read (the failure is shown).
    CUnitType* GetSelectedUnitType();
    // Lets the user choose the races shown; rebuilds the tree unless cancelled.
    void ChooseShownRaces();

    CDragTreeWidget* Tree() const { return m_pTree; }
    QLineEdit* Filter() const { return m_pFilter; }
    // Narrows the tree to the unit types whose French or English name holds the text, case
    // and accents aside, in every race; an empty text gives the tree back as it was.
    void SetFilter(const QString& text);
    // Whether a name holds the text as a reader means it: "elite" is in "Garde d'Élite".
    static bool NameMatches(const QString& name, const QString& text);
    CCatalogue& Catalogue() const { return m_catalogue; }

    // The pop-up menu that the selected item gets (129, 130 or 131), nullptr for none; the
    // caller owns it.
    QMenu* CreateContextMenu() const;
    // Where a menu asked for from the keyboard opens, in screen coordinates.
    QPoint KeyboardMenuPosition() const;
    // The unit type of a node of the tree, complete as GetSelectedUnitType gives it; nullptr
    // for a race node or when it cannot be read.
    CUnitType* UnitTypeOf(const QTreeWidgetItem* item);

signals:
    // A type's properties were asked for by double-clicking it: the window shows them.
    void propertiesRequested();

private slots:
    void OnContextMenu(const QPoint& globalPosition);
    void OnDoubleClick(QTreeWidgetItem* item);
    void OnBeginDrag(const QPoint& viewportPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCatalogue();
    // The type of the selected node, complete or not.
    CUnitType* SelectedNodeType() const;
    // A race's node, not yet in the tree.
    QTreeWidgetItem* NewRaceNode(const CRace& race) const;

    CDragTreeWidget* m_pTree = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QString m_filter;
    // The races the player had expanded before a filter took the tree over.
    QList<int> m_expandedRaces;
    CImageList m_images;
    int m_nRaceIcon = -1;
    CCatalogue& m_catalogue;
    bool m_bArmyOpen = false;
};
