// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QList>

#include <functional>
#include <memory>

class CArmy;
class CArmyUnit;
class CUnitType;
struct CArmyChange;

// The open army's hierarchy as a tree: the warchief at the top, each main member under its
// leader in army order; attached units (mounts, crews) are shown with their main unit, not as
// rows of their own. Each row keeps what it shows, so that a member already gone from the army
// is never read while the views are told of its removal. Drops follow the placement rules:
// catalogue types onto a member or empty space, a member onto another one outside its own
// command; the army decides the rest and says why it refuses.
class CArmyModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // Roles of both army models.
    enum Role {
        KeyRole = Qt::UserRole + 1, // the member's key, IdUnite
        ImageRole,                  // the index of the member's kind image
        DepthRole,                  // 0 the warchief, 1 his group leaders and units, 2 below
    };
    // The types a catalogue key stands for: the type first, then the types attached to it;
    // empty when the key is unknown or the types cannot be read.
    using TypeResolver = std::function<QList<const CUnitType*>(int key)>;

    explicit CArmyModel(CArmy& army, QObject* parent = nullptr);
    ~CArmyModel() override;

    // The images the image indexes stand for, given by the screens.
    void SetIcons(const QList<QIcon>& icons);
    void SetTypeResolver(TypeResolver resolver) { m_resolver = std::move(resolver); }

    // The member of a row; to be read only while the army holds it (between edits).
    CArmyUnit* UnitAt(const QModelIndex& index) const;
    // The row of a main member or, for an attached unit, of its main unit.
    QModelIndex IndexOf(const CArmyUnit* unit) const;
    QModelIndex IndexOfKey(int key) const;
    QModelIndex WarchiefIndex() const;

    // The text of a member's row: name, price, and command points or figures.
    static QString Label(const CArmyUnit& unit);
    // The same as a screen reader says it: name, level, price, and command points or figures
    // ("Tusk-Lord, chef de guerre, 75 pts, 3 points de commandement").
    static QString SpokenLabel(const CArmyUnit& unit);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Takes the drop and has the army make it once the drag is over: the army may have to
    // show why it refuses, which no drag in progress should wait for.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    struct Node;
    void OnChanged(const CArmyChange& change);
    void Reset();
    // Applies an insert, remove or move to the rows; false when the rows cannot follow it.
    bool Follow(const CArmyChange& change);
    // Whether the rows are those of the army now.
    bool Matches() const;
    void Fill(Node& node, CArmyUnit* unit) const;
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(const Node* node) const;
    Node* ParentFor(CArmyUnit* unit) const;
    // The place among the parent's rows where a member goes, by army order.
    int PlaceAmong(const Node& parent, const CArmyUnit& unit, const Node* skipped) const;
    void Forget(Node* node);
    // The member a drop falls on; null for empty space.
    CArmyUnit* DropTarget(int row, const QModelIndex& parent) const;
    CArmyUnit* MemberOfKey(int key) const;
    bool Editable() const;

    CArmy& m_army;
    std::unique_ptr<Node> m_root;
    // Every member in army order, attached ones included, as the rows were last told: a
    // removal names its members by their places before it.
    QList<const CArmyUnit*> m_order;
    QHash<const CArmyUnit*, Node*> m_nodes;
    QList<QIcon> m_icons;
    TypeResolver m_resolver;
};
