// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyModel.h"

#include "CArmy.h"
#include "army/ValueNames.h"
#include "core/DragPayload.h"
#include "core/StringTable.h"

#include <QFont>
#include <QMimeData>

struct CArmyModel::Node {
    // The member, for telling rows apart and for reading it while the army holds it.
    CArmyUnit* unit = nullptr;
    Node* parent = nullptr;
    QList<Node*> children;
    // What the row shows.
    int key = -1;
    int image = -1;
    bool leader = false;
    QString label;
    // What a screen reader says of the row.
    QString spoken;

    ~Node() { qDeleteAll(children); }
    int Row() const { return parent ? static_cast<int>(parent->children.indexOf(this)) : 0; }
};

CArmyModel::CArmyModel(CArmy& army, QObject* parent)
    : QAbstractItemModel(parent), m_army(army), m_root(std::make_unique<Node>()) {
    connect(&army, &CArmy::changed, this, &CArmyModel::OnChanged);
    connect(&army, &CArmy::reloaded, this, &CArmyModel::Reset);
    connect(&army, &CArmy::replaced, this, &CArmyModel::Reset);
    Reset();
}

CArmyModel::~CArmyModel() = default;

void CArmyModel::SetIcons(const QList<QIcon>& icons) {
    m_icons = icons;
    if (!m_root->children.isEmpty())
        Reset();
}

namespace {

// What a member's row tells beside its name: a crew with a price shows it like the troops it
// is priced as.
struct Shown {
    bool points;
    bool figures;
};
Shown ShownOf(const CArmyUnit& unit) {
    const bool figures = unit.Hierarchie == kCombatUnit || unit.CombatantType == kMachineType ||
                         (unit.Hierarchie == kCrew && unit.Points != 0);
    return {figures || unit.Hierarchie == kIndividual, figures};
}

} // namespace

QString CArmyModel::Label(const CArmyUnit& unit) {
    // All values in one go: a name holding "%1" stays as it is. The name is isolated, so that
    // one written right to left keeps the price after it.
    const QString name = Isolated(unit.Nom);
    const QString points = QString::number(unit.CoutTotal);
    if (unit.IsLeader())
        return QStringLiteral("%1 - %2 pts / %3 Pc").arg(name, points, QString::number(unit.Pc));
    const Shown shown = ShownOf(unit);
    if (shown.figures)
        return QStringLiteral("%1 - %2 pts %3 fig")
            .arg(name, points, QString::number(unit.NombreFig));
    return shown.points ? QStringLiteral("%1 - %2 pts").arg(name, points) : name;
}

QString CArmyModel::SpokenLabel(const CArmyUnit& unit) {
    // Spoken, the abbreviations of the label are words and the level is said.
    QStringList parts{unit.Nom, GetHierarchyName(unit.Hierarchie)};
    const Shown shown = ShownOf(unit);
    if (unit.IsLeader() || shown.points)
        parts << LoadResString(kSpokenPointsId).arg(unit.CoutTotal);
    if (unit.IsLeader())
        parts << LoadResString(kSpokenCommandPointsId).arg(unit.Pc);
    else if (shown.figures)
        parts << LoadResString(kSpokenFiguresId).arg(unit.NombreFig);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

void CArmyModel::Fill(Node& node, CArmyUnit* unit) const {
    node.unit = unit;
    node.key = unit->IdUnite;
    node.image = GetUnitKindImageByHierarchy(unit->Hierarchie);
    node.leader = unit->IsLeader();
    node.label = Label(*unit);
    node.spoken = SpokenLabel(*unit);
}

// ---- Following the army

// A member whose leader has no row goes under the warchief, as the army's order has it.
CArmyModel::Node* CArmyModel::ParentFor(CArmyUnit* unit) const {
    if (unit == m_army.GetWarchief())
        return m_root.get();
    Node* leader = m_nodes.value(m_army.LeaderOf(*unit));
    return leader ? leader : m_nodes.value(m_army.GetWarchief());
}

int CArmyModel::PlaceAmong(const Node& parent, const CArmyUnit& unit, const Node* skipped) const {
    int at = 0;
    for (const Node* child : parent.children) {
        if (child != skipped && child->unit->IdVisual < unit.IdVisual)
            ++at;
    }
    return at;
}

void CArmyModel::Reset() {
    beginResetModel();
    m_root = std::make_unique<Node>();
    m_nodes.clear();
    m_order.clear();
    if (m_army.IsOpen()) {
        for (CArmyUnit* unit : m_army.Units()) {
            m_order << unit;
            if (unit->m_pMainUnit)
                continue;
            Node* parent = ParentFor(unit);
            if (!parent)
                continue;
            auto* node = new Node;
            Fill(*node, unit);
            node->parent = parent;
            parent->children << node;
            m_nodes.insert(unit, node);
        }
    }
    endResetModel();
}

void CArmyModel::OnChanged(const CArmyChange& change) {
    using Kind = CArmyChange::Kind;
    if (change.kind == Kind::Header)
        return;
    if (change.kind == Kind::Values) {
        for (CArmyUnit* unit : change.members) {
            const bool placed = unit->IdVisual >= 0 && unit->IdVisual < m_order.size() &&
                                m_order.at(unit->IdVisual) == unit;
            // An attached unit has no row of its own.
            if (placed && unit->m_pMainUnit)
                continue;
            Node* node = m_nodes.value(unit);
            if (!node || !placed) {
                Reset();
                return;
            }
            Fill(*node, unit);
            const QModelIndex index = IndexOfNode(node);
            emit dataChanged(index, index);
        }
        return;
    }
    if (!Follow(change) || !Matches())
        Reset();
}

bool CArmyModel::Follow(const CArmyChange& change) {
    using Kind = CArmyChange::Kind;
    const int members = m_army.Units().GetCount();
    const int rows = static_cast<int>(m_order.size());
    // The rows must be those of the army before the edit, else nothing here can be trusted.
    if (!m_army.IsOpen() || !change.FitsRows(rows, members))
        return false;

    switch (change.kind) {
    case Kind::Inserted: {
        if (change.members.size() != change.count)
            return false;
        for (int i = 0; i < change.count; ++i)
            m_order.insert(change.first + i, change.members.at(i));
        for (CArmyUnit* unit : change.members) {
            if (unit->m_pMainUnit)
                continue;
            Node* parent = ParentFor(unit);
            if (!parent || (parent == m_root.get() && !parent->children.isEmpty()))
                return false;
            const int at = PlaceAmong(*parent, *unit, nullptr);
            beginInsertRows(IndexOfNode(parent), at, at);
            auto* node = new Node;
            Fill(*node, unit);
            node->parent = parent;
            parent->children.insert(at, node);
            m_nodes.insert(unit, node);
            endInsertRows();
        }
        return true;
    }
    case Kind::Removed: {
        // The members are gone already: only their places and rows are left to go by.
        Node* node = m_nodes.value(m_order.at(change.first));
        if (!node)
            return false;
        Node* parent = node->parent;
        const int row = node->Row();
        beginRemoveRows(IndexOfNode(parent), row, row);
        parent->children.removeAt(row);
        Forget(node);
        delete node;
        m_order.remove(change.first, change.count);
        endRemoveRows();
        return true;
    }
    case Kind::Moved: {
        auto* root = const_cast<CArmyUnit*>(m_order.at(change.first));
        Node* node = m_nodes.value(root);
        if (!node)
            return false;
        const QList<const CArmyUnit*> moved = m_order.mid(change.first, change.count);
        m_order.remove(change.first, change.count);
        for (int i = 0; i < change.count; ++i)
            m_order.insert(change.to + i, moved.at(i));
        Node* from = node->parent;
        Node* to = ParentFor(root);
        if (!to || to == m_root.get())
            return false;
        const int row = node->Row();
        const int at = PlaceAmong(*to, *root, node);
        // Rows count before the move: below its own place in the same parent, one more.
        const int destination = to == from && at >= row ? at + 1 : at;
        if (to == from && (destination == row || destination == row + 1))
            return true;
        if (!beginMoveRows(IndexOfNode(from), row, row, IndexOfNode(to), destination))
            return false;
        from->children.removeAt(row);
        to->children.insert(at, node);
        node->parent = to;
        endMoveRows();
        return true;
    }
    case Kind::Whole:
    case Kind::Header:
    case Kind::Values:
        break;
    }
    return false;
}

void CArmyModel::Forget(Node* node) {
    m_nodes.remove(node->unit);
    for (Node* child : node->children)
        Forget(child);
}

bool CArmyModel::Matches() const {
    if (m_order.size() != m_army.Units().GetCount())
        return false;
    int place = 0;
    int shown = 0;
    for (CArmyUnit* unit : m_army.Units()) {
        if (m_order.at(place++) != unit)
            return false;
        if (unit->m_pMainUnit)
            continue;
        const Node* node = m_nodes.value(unit);
        if (!node || node->parent != ParentFor(unit))
            return false;
        ++shown;
    }
    if (shown != m_nodes.size())
        return false;
    // Each leader's rows in army order.
    for (const Node* node : m_nodes) {
        for (qsizetype i = 1; i < node->children.size(); ++i) {
            if (node->children.at(i - 1)->unit->IdVisual >= node->children.at(i)->unit->IdVisual)
                return false;
        }
    }
    return true;
}

// ---- Rows

CArmyModel::Node* CArmyModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex CArmyModel::IndexOfNode(const Node* node) const {
    if (!node || node == m_root.get())
        return {};
    return createIndex(node->Row(), 0, const_cast<Node*>(node));
}

CArmyUnit* CArmyModel::UnitAt(const QModelIndex& index) const {
    return index.isValid() && index.model() == this ? NodeOf(index)->unit : nullptr;
}

QModelIndex CArmyModel::IndexOf(const CArmyUnit* unit) const {
    if (unit && unit->m_pMainUnit)
        unit = unit->m_pMainUnit;
    return IndexOfNode(m_nodes.value(unit));
}

QModelIndex CArmyModel::IndexOfKey(int key) const {
    for (const Node* node : m_nodes) {
        if (node->key == key)
            return IndexOfNode(node);
    }
    return {};
}

QModelIndex CArmyModel::WarchiefIndex() const {
    return index(0, 0);
}

QModelIndex CArmyModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= node->children.size())
        return {};
    return createIndex(row, 0, node->children.at(row));
}

QModelIndex CArmyModel::parent(const QModelIndex& child) const {
    return child.isValid() ? IndexOfNode(NodeOf(child)->parent) : QModelIndex();
}

int CArmyModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int CArmyModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant CArmyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node& node = *NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return node.label;
    case Qt::AccessibleTextRole:
        return node.spoken;
    case Qt::DecorationRole:
        return node.image >= 0 && node.image < m_icons.size() ? QVariant(m_icons.at(node.image))
                                                              : QVariant();
    case Qt::FontRole:
        if (node.leader) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case KeyRole:
        return node.key;
    case ImageRole:
        return node.image;
    case DepthRole: {
        int depth = -1;
        for (const Node* up = node.parent; up; up = up->parent)
            ++depth;
        return depth;
    }
    default:
        return {};
    }
}

// ---- Drag and drop

// Another player's army, on a club's server, is only shown: nothing is dragged or dropped.
bool CArmyModel::Editable() const {
    return m_army.IsOpen() && m_army.IsEditable();
}

Qt::ItemFlags CArmyModel::flags(const QModelIndex& index) const {
    const bool editable = Editable();
    // Empty space takes catalogue types.
    if (!index.isValid())
        return editable ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable) {
        flags |= Qt::ItemIsDropEnabled;
        // The warchief stays where he is.
        if (index.parent().isValid())
            flags |= Qt::ItemIsDragEnabled;
    }
    return flags;
}

QStringList CArmyModel::mimeTypes() const {
    return {DragPayload::MembersFormat(), DragPayload::UnitTypesFormat()};
}

QMimeData* CArmyModel::mimeData(const QModelIndexList& indexes) const {
    QList<int> keys;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this && !keys.contains(NodeOf(index)->key))
            keys << NodeOf(index)->key;
    }
    if (keys.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(DragPayload::MembersFormat(), DragPayload::Encode(keys));
    return data;
}

Qt::DropActions CArmyModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions CArmyModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

// Between two rows is on their leader; anywhere outside the rows is empty space.
CArmyUnit* CArmyModel::DropTarget(int, const QModelIndex& parent) const {
    return parent.isValid() && parent.model() == this ? NodeOf(parent)->unit : nullptr;
}

CArmyUnit* CArmyModel::MemberOfKey(int key) const {
    for (CArmyUnit* unit : m_army.Units()) {
        if (unit->IdUnite == key)
            return unit;
    }
    return nullptr;
}

bool CArmyModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                 const QModelIndex& parent) const {
    if (!data || !Editable() || (action != Qt::CopyAction && action != Qt::MoveAction))
        return false;
    if (data->hasFormat(DragPayload::UnitTypesFormat()))
        return m_resolver &&
               !DragPayload::Decode(data->data(DragPayload::UnitTypesFormat())).isEmpty();
    if (!data->hasFormat(DragPayload::MembersFormat()))
        return false;
    // One member at a time, onto another one: never the warchief, never into its own command.
    const QList<int> keys = DragPayload::Decode(data->data(DragPayload::MembersFormat()));
    const CArmyUnit* dragged = keys.size() == 1 ? MemberOfKey(keys.first()) : nullptr;
    const CArmyUnit* target = DropTarget(row, parent);
    return dragged && target && !dragged->m_pMainUnit && dragged != m_army.GetWarchief() &&
           !m_army.IsInSubtree(*target, *dragged);
}

bool CArmyModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                              const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const CArmyUnit* target = DropTarget(row, parent);
    const int targetKey = target ? target->IdUnite : -1;
    const bool types = data->hasFormat(DragPayload::UnitTypesFormat());
    const int key = DragPayload::Decode(data->data(types ? DragPayload::UnitTypesFormat()
                                                         : DragPayload::MembersFormat()))
                        .first();
    // Members are looked up again by key when the drop is made: an edit may come between.
    QMetaObject::invokeMethod(
        this,
        [this, types, key, targetKey] {
            if (!Editable())
                return;
            CArmyUnit* onto = targetKey == -1 ? nullptr : MemberOfKey(targetKey);
            if (targetKey != -1 && !onto)
                return;
            if (types) {
                const QList<const CUnitType*> resolved =
                    m_resolver ? m_resolver(key) : QList<const CUnitType*>();
                if (!resolved.isEmpty())
                    m_army.DropType(resolved, onto);
            } else if (CArmyUnit* dragged = MemberOfKey(key)) {
                m_army.Move(dragged, onto);
            }
        },
        Qt::QueuedConnection);
    return true;
}
