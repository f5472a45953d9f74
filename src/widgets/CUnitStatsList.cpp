#include "CUnitStatsList.h"

#include "CImageList.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kAddressRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kIndentRole = Qt::UserRole + 2;

} // namespace

// Draws the first column shifted by its indent, while the selection still covers the whole cell.
class CUnitStatsList::CIndentDelegate : public CLaidOutTextDelegate {
public:
    using CLaidOutTextDelegate::CLaidOutTextDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int shift = Shift(index);
        if (shift == 0) {
            CLaidOutTextDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
        opt.rect.setLeft(opt.rect.left() + shift);
        painter->save();
        painter->setClipRect(option.rect);
        PaintItem(painter, opt);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Shift(index), 0);
    }

private:
    static int Shift(const QModelIndex& index) {
        return index.data(kIndentRole).toInt() * kIndentStep;
    }
};

void CLaidOutTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    PaintItem(painter, opt);
}

const CLaidOutTextDelegate::Laid& CLaidOutTextDelegate::LaidOut(const QFont& font,
                                                                const QString& text) const {
    QHash<QString, Laid>& texts = m_laid[font];
    if (texts.size() > 20000)
        texts.clear();
    auto found = texts.find(text);
    if (found == texts.end()) {
        Laid laid;
        laid.text.setText(text);
        laid.text.setTextFormat(Qt::PlainText);
        laid.text.prepare(QTransform(), font);
        laid.width = QFontMetrics(font).horizontalAdvance(text);
        found = texts.insert(text, laid);
    }
    return *found;
}

void CLaidOutTextDelegate::PaintItem(QPainter* painter, QStyleOptionViewItem& opt) const {
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const Qt::Alignment align = opt.displayAlignment;
    const bool plain =
        !opt.text.isEmpty() && !opt.features.testFlag(QStyleOptionViewItem::WrapText) &&
        !opt.state.testFlag(QStyle::State_Editing) && opt.direction == Qt::LeftToRight &&
        (align & Qt::AlignHorizontal_Mask) == Qt::AlignLeft &&
        (align & Qt::AlignVertical_Mask) == Qt::AlignVCenter &&
        !opt.text.contains(QLatin1Char('\n')) && !opt.text.contains(QChar::LineSeparator);
    if (!plain) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    const Laid& laid = LaidOut(opt.font, opt.text);
    const QString text = opt.text;
    opt.text.clear();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                               .adjusted(margin, 0, -margin, 0);
    if (laid.width > textRect.width()) {
        // Too narrow: the style shortens it.
        opt.text = text;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    QPalette::ColorGroup group =
        opt.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !opt.state.testFlag(QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setPen(opt.palette.color(group, opt.state.testFlag(QStyle::State_Selected)
                                                 ? QPalette::HighlightedText
                                                 : QPalette::Text));
    painter->setFont(opt.font);
    const QFontMetricsF metrics(opt.font);
    const int height = static_cast<int>(metrics.ascent() + metrics.descent());
    painter->drawStaticText(
        QPoint(textRect.left(), textRect.top() + (textRect.height() - height) / 2), laid.text);
    painter->restore();
}

CUnitStatsList::CUnitStatsList(QWidget* parent) : QTreeWidget(parent) {
    // The column layout functions append their columns to an empty header.
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setHeaderHidden(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setSectionsClickable(false);
    setItemDelegate(new CLaidOutTextDelegate(this));
    setItemDelegateForColumn(0, new CIndentDelegate(this));
}

void CUnitStatsList::SetImageList(const CImageList* images) {
    m_pImages = images;
    if (images)
        setIconSize(QSize(images->Size(), images->Size()));
}

void* CUnitStatsList::ItemData(const QTreeWidgetItem* item) {
    if (!item)
        return nullptr;
    return reinterpret_cast<void*>(item->data(0, kAddressRole).value<quintptr>());
}

CUnitStatsList::RecordKind CUnitStatsList::ItemKind(const QTreeWidgetItem* item) {
    return item ? static_cast<RecordKind>(item->data(0, kKindRole).toInt()) : kNoRecord;
}

void CUnitStatsList::SetItemData(QTreeWidgetItem* item, CArmyUnit* unit) {
    item->setData(0, kAddressRole, QVariant::fromValue(reinterpret_cast<quintptr>(unit)));
    item->setData(0, kKindRole, kArmyUnitRecord);
}

void CUnitStatsList::SetItemData(QTreeWidgetItem* item, CUnitType* type) {
    item->setData(0, kAddressRole, QVariant::fromValue(reinterpret_cast<quintptr>(type)));
    item->setData(0, kKindRole, kUnitTypeRecord);
}

CArmyUnit* CUnitStatsList::UnitAt(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return ItemKind(item) == kArmyUnitRecord ? static_cast<CArmyUnit*>(ItemData(item)) : nullptr;
}

CUnitType* CUnitStatsList::UnitTypeAt(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return ItemKind(item) == kUnitTypeRecord ? static_cast<CUnitType*>(ItemData(item)) : nullptr;
}

int CUnitStatsList::IndentOf(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, kIndentRole).toInt() : 0;
}

void CUnitStatsList::SetIndent(int row, int indent) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        SetItemIndent(item, indent);
}

void CUnitStatsList::SetItemIndent(QTreeWidgetItem* item, int indent) {
    item->setData(0, kIndentRole, indent);
}
