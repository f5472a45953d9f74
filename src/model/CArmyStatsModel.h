// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>

class CArmy;
class CArmyUnit;
struct CArmyChange;

// Every member of the open army, attached units included, one row each in army order, with
// its statistics in columns: name, the statistic block, notes. The first column carries the
// member's depth (CArmyModel::DepthRole) for the view to indent. Rows keep what they show, so
// that a member already gone is never read while the views are told of its removal.
class CArmyStatsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CArmyStatsModel(CArmy& army, QObject* parent = nullptr);

    // The images the image indexes stand for, given by the screens.
    void SetIcons(const QList<QIcon>& icons);
    // The member of a row; to be read only while the army holds it (between edits).
    CArmyUnit* UnitAt(int row) const;
    // The row of a member, -1 when it has none.
    int RowOf(const CArmyUnit* unit) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        CArmyUnit* unit = nullptr;
        int key = -1;
        int depth = 0;
        int level = 0; // Hierarchie, said with the row
        QStringList texts;
        // The image of each column, -1 for none.
        QList<int> images;
    };
    Row RowFor(CArmyUnit* unit) const;
    void OnChanged(const CArmyChange& change);
    bool Follow(const CArmyChange& change);
    bool Matches() const;
    void Reset();

    CArmy& m_army;
    QList<Row> m_rows;
    QList<QIcon> m_icons;
};
