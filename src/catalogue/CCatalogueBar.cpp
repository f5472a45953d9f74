// SPDX-License-Identifier: GPL-3.0-or-later

#include "CCatalogueBar.h"

#include "CVisibleRacesDlg.h"
#include "army/ValueNames.h"
#include "core/CommandIds.h"
#include "core/DragPayload.h"
#include "core/Resources.h"
#include "core/StringTable.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "model/CCatalogue.h"
#include "widgets/CDragTreeWidget.h"
#include "widgets/CommandActions.h"
#include "widgets/StatImageList.h"

#include <QDrag>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTreeImageSize = 24;
constexpr int kRaceIconId = 137;
constexpr int kKeyboardMenuOffset = 5;

// A unit type's node. It holds its name and picture and makes its tooltip when asked: a
// catalogue of thousands of types fills much sooner.
class TypeNode : public QTreeWidgetItem {
public:
    static constexpr int kItemType = QTreeWidgetItem::UserType + 1;

    TypeNode(CUnitType* type, const QIcon& icon)
        : QTreeWidgetItem(QStringList{type->NomGB}, kItemType), m_pType(type) {
        setIcon(0, icon);
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }

    QVariant data(int column, int role) const override {
        // The bar is narrow: the whole name, in both languages, on hovering.
        if (column == 0 && role == Qt::ToolTipRole)
            return LoadResString(kUnitTypeTipId)
                .arg(m_pType->NomGB, m_pType->NomFR, m_pType->NomGB);
        return QTreeWidgetItem::data(column, role);
    }

    CUnitType* const m_pType;
};

CUnitType* TypeOf(const QTreeWidgetItem* item) {
    return item && item->type() == TypeNode::kItemType ? static_cast<const TypeNode*>(item)->m_pType
                                                       : nullptr;
}

} // namespace

QString CCatalogueBar::SearchKey(const QString& text) {
    QString key;
    key.reserve(text.size());
    // Compatibility forms give "ﬁ" as "fi" and a full-width letter as the letter; the letters
    // written as two are spelt out, as a reader types them.
    for (const QChar c : text.normalized(QString::NormalizationForm_KD).toCaseFolded()) {
        switch (c.unicode()) {
        case u'œ':
            key += QLatin1String("oe");
            break;
        case u'æ':
            key += QLatin1String("ae");
            break;
        case u'ß':
            key += QLatin1String("ss");
            break;
        default:
            if (c.category() != QChar::Mark_NonSpacing)
                key += c;
        }
    }
    return key;
}

CCatalogueBar::CCatalogueBar(CCatalogue& catalogue, const QString& title, QWidget* parent)
    : CSizingControlBarCF(title, parent), m_catalogue(catalogue) {
    m_pTree = new CDragTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("catalogueTree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setExpandsOnDoubleClick(true);
    m_pTree->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_pTree->setAccessibleName(LoadResString(kCatalogueTreeNameId));
    m_pTree->setAccessibleDescription(LoadResString(kCatalogueTreeDescriptionId));

    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("catalogueFilter"));
    m_pFilter->setPlaceholderText(LoadResString(kCatalogueFilterId));
    m_pFilter->setToolTip(LoadResString(kCatalogueFilterTipId));
    m_pFilter->setClearButtonEnabled(true);
    // The placeholder is not read as the field's name, and the clear button has only a picture.
    m_pFilter->setAccessibleName(LoadResString(kCatalogueFilterId));
    for (QToolButton* button : m_pFilter->findChildren<QToolButton*>())
        button->setAccessibleName(LoadResString(kClearSearchId));
    m_pFilter->installEventFilter(this);
    m_pTree->viewport()->installEventFilter(this);
    connect(m_pFilter, &QLineEdit::textChanged, this, &CCatalogueBar::SetFilter);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pTree);
    setWidget(content);

    connect(m_pTree, &CDragTreeWidget::contextMenuRequested, this, &CCatalogueBar::OnContextMenu);
    connect(m_pTree, &QTreeWidget::itemDoubleClicked, this, &CCatalogueBar::OnDoubleClick);
    connect(m_pTree, &CDragTreeWidget::beginDrag, this, &CCatalogueBar::OnBeginDrag);

    FillCatalogue();
}

CCatalogueBar::~CCatalogueBar() {
    // The tree's items point into the lists: empty the tree first.
    m_pTree->clear();
}

void CCatalogueBar::FillCatalogue() {
    LoadStatImageList(m_images, kTreeImageSize);
    m_nRaceIcon = m_images.GetImageCount();
    m_images.Add(LoadIconResource(kRaceIconId));
    m_pTree->setIconSize(QSize(kTreeImageSize, kTreeImageSize));

    RebuildTree();
}

QTreeWidgetItem* CCatalogueBar::NewRaceNode(const CRace& race) const {
    auto* raceNode = new QTreeWidgetItem(QStringList{race.RaceGB});
    raceNode->setIcon(0, m_images.Icon(m_nRaceIcon));
    QFont bold = raceNode->font(0);
    bold.setBold(true);
    raceNode->setFont(0, bold);
    raceNode->setData(0, Qt::UserRole, QVariant::fromValue<void*>(const_cast<CRace*>(&race)));
    // A race's types can only be dragged, never dropped on.
    raceNode->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return raceNode;
}

bool CCatalogueBar::NameMatches(const QString& name, const QString& text) {
    return SearchKey(name).contains(SearchKey(text));
}

void CCatalogueBar::RebuildTree() {
    m_pTree->setUpdatesEnabled(false);
    m_pTree->clear();
    const QString text = m_filter.trimmed();
    // Nodes are made outside the tree and put in at once: a node in the tree tells the view of
    // every change made to it.
    QList<QTreeWidgetItem*> raceNodes;
    for (const CRaceGroup* group : m_catalogue.Groups()) {
        CRace* race = group->m_pRace;
        // A search looks through every race, shown or not.
        if (text.isEmpty() && !race->m_bShown)
            continue;
        QList<QTreeWidgetItem*> typeNodes;
        for (CUnitType* type : group->m_unitTypes) {
            if (type->CombatantType == kUncountedType || type->ArmyTypeIdParent != -1)
                continue;
            if (!text.isEmpty() && !NameMatches(type->NomFR, text) &&
                !NameMatches(type->NomGB, text))
                continue;
            typeNodes << new TypeNode(
                type, m_images.Icon(GetUnitKindImageByCombatantType(type->CombatantType)));
        }
        // A race shown without types still has its node; a search shows only races it found.
        if (typeNodes.isEmpty() && !text.isEmpty())
            continue;
        QTreeWidgetItem* raceNode = NewRaceNode(*race);
        raceNode->addChildren(typeNodes);
        raceNodes << raceNode;
    }
    m_pTree->addTopLevelItems(raceNodes);
    if (!text.isEmpty()) {
        for (QTreeWidgetItem* raceNode : raceNodes)
            raceNode->setExpanded(true);
    }
    m_pTree->setUpdatesEnabled(true);
}

void CCatalogueBar::SetFilter(const QString& text) {
    const bool wasFiltered = !m_filter.trimmed().isEmpty();
    const bool filtered = !text.trimmed().isEmpty();
    // The search looks in the French names too, read with the statistics: the tree stays as
    // it is when they cannot be.
    if (filtered && !m_catalogue.CompleteAll())
        return;
    if (!wasFiltered && filtered) {
        m_expandedRaces.clear();
        for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* node = m_pTree->topLevelItem(i);
            if (node->isExpanded())
                m_expandedRaces << static_cast<const CRace*>(
                                       node->data(0, Qt::UserRole).value<void*>())
                                       ->IdRace;
        }
    }
    m_filter = text;
    if (m_pFilter->text() != text)
        m_pFilter->setText(text);
    if (!wasFiltered && !filtered)
        return;
    RebuildTree();
    if (!filtered) {
        for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = m_pTree->topLevelItem(i);
            const auto* race =
                static_cast<const CRace*>(node->data(0, Qt::UserRole).value<void*>());
            node->setExpanded(m_expandedRaces.contains(race->IdRace));
        }
    }
}

bool CCatalogueBar::eventFilter(QObject* watched, QEvent* event) {
    // A type's tooltip names it in French too: the name is read first, and no tooltip shows
    // when it cannot be.
    if (watched == m_pTree->viewport() && event->type() == QEvent::ToolTip) {
        CUnitType* type = TypeOf(m_pTree->itemAt(static_cast<QHelpEvent*>(event)->pos()));
        if (type && !m_catalogue.Complete(*type))
            return true;
    }
    // Escape empties the search; Down goes on to the first type found.
    if (watched == m_pFilter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape && !m_pFilter->text().isEmpty()) {
            m_pFilter->clear();
            return true;
        }
        if (key == Qt::Key_Down && m_pTree->topLevelItemCount() > 0) {
            QTreeWidgetItem* first = m_pTree->topLevelItem(0);
            m_pTree->setCurrentItem(first->childCount() > 0 ? first->child(0) : first);
            m_pTree->setFocus();
            return true;
        }
    }
    return CSizingControlBarCF::eventFilter(watched, event);
}

CUnitType* CCatalogueBar::SelectedNodeType() const {
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? nullptr : TypeOf(selected.first());
}

CUnitType* CCatalogueBar::GetSelectedUnitType() {
    CUnitType* type = SelectedNodeType();
    return type && m_catalogue.Complete(*type) ? type : nullptr;
}

void CCatalogueBar::ChooseShownRaces() {
    CVisibleRacesDlg dialog(window());
    dialog.SetRaces(&m_catalogue.Races());
    if (dialog.exec() == QDialog::Accepted)
        RebuildTree();
}

QMenu* CCatalogueBar::CreateContextMenu() const {
    const CUnitType* type = SelectedNodeType();
    if (!type)
        return nullptr;
    auto* menu = new QMenu(const_cast<CCatalogueBar*>(this));
    auto add = [this, menu](int id) {
        if (QAction* action = FindCommandAction(this, id))
            menu->addAction(action);
    };
    if (!m_bArmyOpen) {
        menu->setObjectName(QStringLiteral("menu131"));
    } else if (type->CombatantType == kLeaderType) {
        menu->setObjectName(QStringLiteral("menu129"));
        add(ID_ADD_WARCHIEF);
        add(ID_ADD_GROUPLEADER);
        menu->addSeparator();
    } else {
        menu->setObjectName(QStringLiteral("menu130"));
        add(ID_ADD_UNIT);
        menu->addSeparator();
    }
    add(ID_UNITTYPE_PROPERTIES);
    return menu;
}

CUnitType* CCatalogueBar::UnitTypeOf(const QTreeWidgetItem* item) {
    CUnitType* type = TypeOf(item);
    return type && m_catalogue.Complete(*type) ? type : nullptr;
}

QPoint CCatalogueBar::KeyboardMenuPosition() const {
    return mapToGlobal(contentsRect().topLeft() + QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset));
}

void CCatalogueBar::OnContextMenu(const QPoint& globalPosition) {
    QMenu* menu = CreateContextMenu();
    if (!menu)
        return;
    menu->exec(globalPosition == QPoint(-1, -1) ? KeyboardMenuPosition() : globalPosition);
    delete menu;
}

void CCatalogueBar::OnDoubleClick(QTreeWidgetItem* item) {
    // A race node only opens or closes; the tree does that itself.
    if (TypeOf(item))
        emit propertiesRequested();
}

// The type travels by its key; the army's tree decides where it may fall.
void CCatalogueBar::OnBeginDrag(const QPoint& viewportPosition) {
    if (!m_bArmyOpen)
        return;
    QTreeWidgetItem* item = m_pTree->itemAt(viewportPosition);
    const CUnitType* type = TypeOf(item);
    if (!type)
        return;
    m_pTree->setCurrentItem(item);
    auto* payload = new QMimeData;
    payload->setData(DragPayload::UnitTypesFormat(), DragPayload::Encode({type->ArmyTypeId}));
    QPointer<QDrag> drag = new QDrag(m_pTree);
    drag->setMimeData(payload);
    drag->setPixmap(item->icon(0).pixmap(m_pTree->iconSize()));
    drag->exec(Qt::CopyAction);
    if (drag)
        drag->deleteLater();
}
