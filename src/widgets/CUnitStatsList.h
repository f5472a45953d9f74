#pragma once

#include "CDeferredScroll.h"

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTreeWidget>

class CArmyUnit;
class CImageList;
class CUnitType;

// Draws cells as the style does, but a one-line text that fits from glyphs laid out once per
// text and font: laying out a cell's text costs more than the rest of it, and a view's cells
// repeat few values from one paint to the next.
class CLaidOutTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    // Draws an option initStyleOption filled.
    void PaintItem(QPainter* painter, QStyleOptionViewItem& option) const;

private:
    struct Laid {
        QStaticText text;
        int width = 0;
    };
    const Laid& LaidOut(const QFont& font, const QString& text) const;
    mutable QHash<QFont, QHash<QString, Laid>> m_laid;
};

// The report-style list of units shown by every screen: one flat row per unit, holding the
// address of the record it shows. The army hierarchy is shown by indenting the first column.
class CUnitStatsList : public QTreeWidget {
    Q_OBJECT

public:
    // What the address held by a row points to.
    enum RecordKind { kNoRecord = 0, kArmyUnitRecord = 1, kUnitTypeRecord = 2 };
    static constexpr int kIndentStep = 16;

    explicit CUnitStatsList(QWidget* parent = nullptr);

    // The statistic image list, used for the row icons and the icons of the cells.
    void SetImageList(const CImageList* images);
    const CImageList* ImageList() const { return m_pImages; }

    static void* ItemData(const QTreeWidgetItem* item);
    static RecordKind ItemKind(const QTreeWidgetItem* item);
    static void SetItemData(QTreeWidgetItem* item, CArmyUnit* unit);
    static void SetItemData(QTreeWidgetItem* item, CUnitType* type);

    int RowCount() const { return topLevelItemCount(); }
    QTreeWidgetItem* Row(int row) const { return topLevelItem(row); }
    // Null when the row is out of range or holds the other kind of record.
    CArmyUnit* UnitAt(int row) const;
    CUnitType* UnitTypeAt(int row) const;

    int IndentOf(int row) const;
    void SetIndent(int row, int indent);
    static void SetItemIndent(QTreeWidgetItem* item, int indent);

    // Brings the row into view before the next paint.
    void ScrollToItemLater(QTreeWidgetItem* item) { m_scroll.Request(indexFromItem(item)); }

private:
    class CIndentDelegate;

    const CImageList* m_pImages = nullptr;
    CDeferredScroll m_scroll{*this};
};
