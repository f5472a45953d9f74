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

#include <QMainWindow>
#include <QMenu>

namespace {

constexpr int kTreeImageSize = 24;
constexpr int kRaceIconId = 137;
constexpr int kKeyboardMenuOffset = 5;

enum ItemKind { kRaceNode = 1, kUnitTypeNode = 2 };

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
    setWidget(m_pTree);

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
    m_unitTypes.SetOwnsItems(false);
    for (CUnitType* type : m_unitTypes) {
        if (std::find(ordered.begin(), ordered.end(), type) == ordered.end())
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

void CCatalogueBar::RebuildTree() {
    m_pTree->setUpdatesEnabled(false);
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    m_pTree->clear();
    for (const CRaceGroup* group : m_raceGroups) {
        CRace* race = group->m_pRace;
        if (!race->m_bShown)
            continue;
        auto* raceNode = new QTreeWidgetItem(m_pTree, QStringList{race->RaceGB});
        raceNode->setIcon(0, m_images.Icon(m_nRaceIcon));
        QFont bold = raceNode->font(0);
        bold.setBold(true);
        raceNode->setFont(0, bold);
        raceNode->setData(0, Qt::UserRole, QVariant::fromValue<void*>(race));
        raceNode->setData(0, Qt::UserRole + 1, kRaceNode);
        // A race's types can only be dragged, never dropped on.
        raceNode->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        for (CUnitType* type : group->m_unitTypes) {
            if (type->CombatantType == kUncountedType || type->ArmyTypeIdParent != -1)
                continue;
            auto* node = new QTreeWidgetItem(raceNode, QStringList{type->NomGB});
            node->setIcon(0, m_images.Icon(GetUnitKindImageByCombatantType(type->CombatantType)));
            // The bar is narrow: the whole name, in both languages, on hovering.
            node->setToolTip(
                0, LoadResString(kUnitTypeTipId).arg(type->NomGB, type->NomFR, type->NomGB));
            node->setData(0, Qt::UserRole, QVariant::fromValue<void*>(type));
            node->setData(0, Qt::UserRole + 1, kUnitTypeNode);
            node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        }
    }
    m_pTree->setUpdatesEnabled(true);
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
