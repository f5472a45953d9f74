#include "CCatalogueBar.h"

#include "CUnitTypePropertiesDlg.h"
#include "CVisibleRacesDlg.h"
#include "army/ValueNames.h"
#include "core/CommandIds.h"
#include "core/Resources.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "widgets/CDragRecord.h"
#include "widgets/CDragTreeWidget.h"
#include "widgets/CTreeDropTarget.h"
#include "widgets/CommandActions.h"
#include "widgets/StatImageList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QVBoxLayout>

namespace {

constexpr int kTreeImageSize = 24;
constexpr int kRaceIconId = 137;
constexpr int kKeyboardMenuOffset = 5;

enum ItemKind { kRaceNode = 1, kUnitTypeNode = 2 };

// Case and accents aside: "Élite" reads as "elite".
QString Folded(const QString& text) {
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    }
    return folded.toCaseFolded();
}

CUnitType* TypeOf(const QTreeWidgetItem* item) {
    return item && item->data(0, Qt::UserRole + 1).toInt() == kUnitTypeNode
               ? static_cast<CUnitType*>(item->data(0, Qt::UserRole).value<void*>())
               : nullptr;
}

} // namespace

CCatalogueBar::CCatalogueBar(const QString& title, QWidget* parent)
    : CSizingControlBarCF(title, parent) {
    m_pTree = new CDragTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("catalogueTree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setExpandsOnDoubleClick(true);
    m_pTree->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("catalogueFilter"));
    m_pFilter->setPlaceholderText(LoadResString(kCatalogueFilterId));
    m_pFilter->setToolTip(LoadResString(kCatalogueFilterTipId));
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->installEventFilter(this);
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

    CArmyDatabase& db = CArmyDatabase::Instance();
    m_bLoaded = db.LoadUnitTypes(m_unitTypes) && db.LoadRaces(m_races);
    GroupUnitTypes();
    RebuildTree();
    m_pDropTarget = new CTreeDropTarget(m_pTree, CTreeDropTarget::kRefuseDrops, this);
}

void CCatalogueBar::GroupUnitTypes() {
    m_raceGroups.RemoveAll();
    std::vector<CUnitType*> ordered;
    for (CRace* race : m_races) {
        m_raceGroups.Append(new CRaceGroup(race));
        std::vector<CUnitType*> ofRace;
        for (CUnitType* type : m_unitTypes) {
            if (type->IdRace == race->IdRace)
                ofRace.push_back(type);
        }
        if (ofRace.empty()) {
            race->m_bShown = 0;
            continue;
        }
        // Leaders first, individuals last, the rest between them in catalogue order.
        auto pass = [&](auto wanted) {
            for (CUnitType* type : ofRace) {
                if (wanted(type->CombatantType))
                    ordered.push_back(type);
            }
        };
        pass([](int kind) { return kind == kLeaderType; });
        pass([](int kind) {
            return kind == kCombatUnitType || kind == kUncountedType || kind == kCrewType ||
                   kind == kMachineType;
        });
        pass([](int kind) { return kind == kIndividualType; });
    }

    // Types of no known kind or race drop out of the bar.
    const QSet<const CUnitType*> kept(ordered.begin(), ordered.end());
    m_unitTypes.SetOwnsItems(false);
    for (CUnitType* type : m_unitTypes) {
        if (!kept.contains(type))
            delete type;
    }
    m_unitTypes.RemoveAll();
    m_unitTypes.SetOwnsItems(true);
    for (CUnitType* type : ordered)
        m_unitTypes.Append(type);

    for (CRaceGroup* group : m_raceGroups) {
        for (CUnitType* type : m_unitTypes) {
            if (type->IdRace == group->m_pRace->IdRace)
                group->m_unitTypes.Append(type);
        }
    }
}

QTreeWidgetItem* CCatalogueBar::AddRaceNode(const CRace& race) {
    auto* raceNode = new QTreeWidgetItem(m_pTree, QStringList{race.RaceGB});
    raceNode->setIcon(0, m_images.Icon(m_nRaceIcon));
    QFont bold = raceNode->font(0);
    bold.setBold(true);
    raceNode->setFont(0, bold);
    raceNode->setData(0, Qt::UserRole, QVariant::fromValue<void*>(const_cast<CRace*>(&race)));
    raceNode->setData(0, Qt::UserRole + 1, kRaceNode);
    // A race's types can only be dragged, never dropped on.
    raceNode->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return raceNode;
}

void CCatalogueBar::AddTypeNode(QTreeWidgetItem* raceNode, CUnitType* type) {
    auto* node = new QTreeWidgetItem(raceNode, QStringList{type->NomGB});
    node->setIcon(0, m_images.Icon(GetUnitKindImageByCombatantType(type->CombatantType)));
    // The bar is narrow: the whole name, in both languages, on hovering.
    node->setToolTip(0, LoadResString(kUnitTypeTipId).arg(type->NomGB, type->NomFR, type->NomGB));
    node->setData(0, Qt::UserRole, QVariant::fromValue<void*>(type));
    node->setData(0, Qt::UserRole + 1, kUnitTypeNode);
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

bool CCatalogueBar::NameMatches(const QString& name, const QString& text) {
    return Folded(name).contains(Folded(text));
}

void CCatalogueBar::RebuildTree() {
    m_pTree->setUpdatesEnabled(false);
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    m_pTree->clear();
    const QString text = m_filter.trimmed();
    for (const CRaceGroup* group : m_raceGroups) {
        CRace* race = group->m_pRace;
        // A search looks through every race, shown or not.
        if (text.isEmpty() && !race->m_bShown)
            continue;
        QTreeWidgetItem* raceNode = nullptr;
        for (CUnitType* type : group->m_unitTypes) {
            if (type->CombatantType == kUncountedType || type->ArmyTypeIdParent != -1)
                continue;
            if (!text.isEmpty() && !NameMatches(type->NomFR, text) &&
                !NameMatches(type->NomGB, text))
                continue;
            if (!raceNode)
                raceNode = AddRaceNode(*race);
            AddTypeNode(raceNode, type);
        }
        if (!raceNode && text.isEmpty())
            AddRaceNode(*race); // a race shown without types still has its node
        if (raceNode && !text.isEmpty())
            raceNode->setExpanded(true);
    }
    m_pTree->setUpdatesEnabled(true);
}

void CCatalogueBar::SetFilter(const QString& text) {
    const bool wasFiltered = !m_filter.trimmed().isEmpty();
    const bool filtered = !text.trimmed().isEmpty();
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

CUnitType* CCatalogueBar::GetSelectedUnitType() const {
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? nullptr : TypeOf(selected.first());
}

void CCatalogueBar::CollectSubTypes(const CUnitType& type, CItemList<CUnitType*>& list) const {
    for (CUnitType* other : m_unitTypes) {
        if (other != &type && other->ArmyTypeIdParent == type.ArmyTypeId)
            list.Append(other);
    }
}

void CCatalogueBar::ShowSelectedTypeProperties() {
    CUnitType* type = GetSelectedUnitType();
    if (!type)
        return;
    CUnitTypePropertiesDlg dialog(window());
    dialog.SetUnitType(type);
    if (dialog.IsLoaded())
        dialog.exec();
}

void CCatalogueBar::ChooseShownRaces() {
    CVisibleRacesDlg dialog(window());
    dialog.SetRaces(&m_races);
    if (dialog.exec() == QDialog::Accepted)
        RebuildTree();
}

QMenu* CCatalogueBar::CreateContextMenu() const {
    const CUnitType* type = GetSelectedUnitType();
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
    return TypeOf(item);
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
        ShowSelectedTypeProperties();
}

void CCatalogueBar::OnBeginDrag(const QPoint& viewportPosition) {
    if (!m_bArmyOpen)
        return;
    QTreeWidgetItem* item = m_pTree->itemAt(viewportPosition);
    if (!TypeOf(item))
        return;
    m_pTree->setCurrentItem(item);
    CDragRecord& record = CDragRecord::Instance();
    record.BeginCatalogueDrag(m_pTree, item);
    CTreeDropTarget::RunDrag(m_pTree);
    if (record.IsValidCatalogueDrop())
        emit catalogueDropped();
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    // A highlight the drag left on the army tree on its way goes too.
    emit catalogueDragEnded();
}
