// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyStatsModel.h"

#include "CArmy.h"
#include "CArmyModel.h"
#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"

namespace {

constexpr int kNameId = 144;
constexpr int kNotesId = 149;
// The statistic block comes after the name.
constexpr int kStatsOffset = 1;
constexpr int kColumnCount = kStatsOffset + kStatColumnCount + 1;

const CStatColumn* StatColumnAt(int section) {
    const bool stat = section >= kStatsOffset && section < kStatsOffset + kStatColumnCount;
    return stat ? &StatColumns()[section - kStatsOffset] : nullptr;
}

int TitleId(int section) {
    const CStatColumn* column = StatColumnAt(section);
    return column ? column->titleId : section == 0 ? kNameId : kNotesId;
}

// The title a screen reader says: the full name behind an abbreviated one.
QString SpokenTitle(int section) {
    const CStatColumn* column = StatColumnAt(section);
    return LoadResString(column && column->fullNameId != 0 ? column->fullNameId : TitleId(section));
}

// "Force : 5"; a blank cell is said to be so, and a mount's "''" (as its rider) as "ditto".
QString SpokenCell(int section, const QString& text) {
    const QString value = text.isEmpty()                 ? LoadResString(kSpokenEmptyCellId)
                          : text == QStringLiteral("''") ? LoadResString(kSpokenDittoId)
                                                         : text;
    return LoadResString(kSpokenCellId).arg(SpokenTitle(section), value);
}

} // namespace

CArmyStatsModel::CArmyStatsModel(CArmy& army, QObject* parent)
    : QAbstractTableModel(parent), m_army(army) {
    connect(&army, &CArmy::changed, this, &CArmyStatsModel::OnChanged);
    connect(&army, &CArmy::reloaded, this, &CArmyStatsModel::Reset);
    connect(&army, &CArmy::replaced, this, &CArmyStatsModel::Reset);
    Reset();
}

void CArmyStatsModel::SetIcons(const QList<QIcon>& icons) {
    m_icons = icons;
    if (!m_rows.isEmpty())
        Reset();
}

CArmyStatsModel::Row CArmyStatsModel::RowFor(CArmyUnit* unit) const {
    Row row;
    row.unit = unit;
    row.key = unit->IdUnite;
    row.depth = m_army.Depth(*unit);
    row.level = unit->Hierarchie;
    row.texts << unit->Nom << UnitStatCells(*unit) << FormatNotesText(*unit);
    row.images = QList<int>(kColumnCount, -1);
    row.images[0] = GetUnitKindImageByHierarchy(unit->Hierarchie);
    const QList<int> statImages = UnitStatImages(*unit);
    for (qsizetype i = 0; i < statImages.size(); ++i)
        row.images[kStatsOffset + i] = statImages.at(i);
    return row;
}

void CArmyStatsModel::Reset() {
    beginResetModel();
    m_rows.clear();
    if (m_army.IsOpen()) {
        m_rows.reserve(m_army.Units().GetCount());
        for (CArmyUnit* unit : m_army.Units())
            m_rows << RowFor(unit);
    }
    endResetModel();
}

void CArmyStatsModel::OnChanged(const CArmyChange& change) {
    if (change.kind == CArmyChange::Kind::Header)
        return;
    if (!Follow(change) || !Matches())
        Reset();
}

bool CArmyStatsModel::Follow(const CArmyChange& change) {
    using Kind = CArmyChange::Kind;
    const int members = m_army.Units().GetCount();
    const int rows = static_cast<int>(m_rows.size());
    if (change.kind == Kind::Values) {
        for (CArmyUnit* unit : change.members) {
            const int row = RowOf(unit);
            if (row < 0 || row != unit->IdVisual)
                return false;
            m_rows[row] = RowFor(unit);
            emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
        }
        return true;
    }
    // The rows must be those of the army before the edit, else nothing here can be trusted.
    if (!m_army.IsOpen() || !change.FitsRows(rows, members))
        return false;
    const int last = change.first + change.count - 1;
    switch (change.kind) {
    case Kind::Inserted:
        if (change.members.size() != change.count)
            return false;
        beginInsertRows({}, change.first, last);
        for (int i = 0; i < change.count; ++i)
            m_rows.insert(change.first + i, RowFor(change.members.at(i)));
        endInsertRows();
        return true;
    case Kind::Removed:
        beginRemoveRows({}, change.first, last);
        m_rows.remove(change.first, change.count);
        endRemoveRows();
        return true;
    case Kind::Moved: {
        if (change.to != change.first) {
            // Rows count before the move: further down, past the rows moved.
            const int destination = change.to > change.first ? change.to + change.count : change.to;
            if (!beginMoveRows({}, change.first, last, {}, destination))
                return false;
            const QList<Row> moved = m_rows.mid(change.first, change.count);
            m_rows.remove(change.first, change.count);
            for (int i = 0; i < change.count; ++i)
                m_rows.insert(change.to + i, moved.at(i));
            endMoveRows();
        }
        // A member's indent changes with its leader.
        for (int row = change.to; row < change.to + change.count; ++row)
            m_rows[row].depth = m_army.Depth(*m_rows.at(row).unit);
        emit dataChanged(index(change.to, 0), index(change.to + change.count - 1, 0),
                         {CArmyModel::DepthRole});
        return true;
    }
    case Kind::Whole:
    case Kind::Header:
    case Kind::Values:
        break;
    }
    return false;
}

bool CArmyStatsModel::Matches() const {
    if (m_rows.size() != m_army.Units().GetCount())
        return false;
    int row = 0;
    for (const CArmyUnit* unit : m_army.Units()) {
        if (m_rows.at(row++).unit != unit)
            return false;
    }
    return true;
}

CArmyUnit* CArmyStatsModel::UnitAt(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).unit : nullptr;
}

int CArmyStatsModel::RowOf(const CArmyUnit* unit) const {
    // Rows are in army order: a member's place is its row, unless the rows are behind.
    if (unit && unit->IdVisual >= 0 && unit->IdVisual < m_rows.size() &&
        m_rows.at(unit->IdVisual).unit == unit)
        return unit->IdVisual;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).unit == unit)
            return row;
    }
    return -1;
}

int CArmyStatsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CArmyStatsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CArmyStatsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= kColumnCount)
        return {};
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.texts.value(index.column());
    case Qt::DecorationRole: {
        const int image = row.images.at(index.column());
        // A cell without an image holds no icon at all rather than a null one.
        return image >= 0 && image < m_icons.size() && !m_icons.at(image).isNull()
                   ? QVariant(m_icons.at(image))
                   : QVariant();
    }
    // A screen reader says each cell with its column's full title, and the first the whole row.
    case Qt::AccessibleTextRole:
        return index.column() == 0 ? row.texts.value(0)
                                   : SpokenCell(index.column(), row.texts.value(index.column()));
    case Qt::AccessibleDescriptionRole: {
        if (index.column() != 0)
            return {};
        QStringList spoken{GetHierarchyName(row.level)};
        for (int column = 1; column < kColumnCount; ++column) {
            if (!row.texts.value(column).isEmpty())
                spoken << SpokenCell(column, row.texts.value(column));
        }
        spoken.removeAll(QString());
        return spoken.join(QStringLiteral(", "));
    }
    case CArmyModel::KeyRole:
        return row.key;
    case CArmyModel::ImageRole:
        return row.images.at(index.column());
    case CArmyModel::DepthRole:
        return index.column() == 0 ? QVariant(row.depth) : QVariant();
    default:
        return {};
    }
}

QVariant CArmyStatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    const CStatColumn* column = StatColumnAt(section);
    switch (role) {
    case Qt::DisplayRole:
        return LoadResString(TitleId(section));
    case Qt::ToolTipRole:
        return column && column->fullNameId != 0 ? QVariant(LoadResString(column->fullNameId))
                                                 : QVariant();
    case Qt::AccessibleTextRole:
        return SpokenTitle(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}
