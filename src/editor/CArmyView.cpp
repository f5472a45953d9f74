#include "CArmyView.h"

#include "CArmy.h"
#include "CBudgetStrip.h"
#include "CCombatUnitDlg.h"
#include "CLeaderDlg.h"
#include "CRenameUnitDlg.h"
#include "app/CommandIds.h"
#include "app/MessageBox.h"
#include "app/StringTable.h"
#include "app/TextExport.h"
#include "army/CDragRecord.h"
#include "army/CDragTreeWidget.h"
#include "army/CTreeDropTarget.h"
#include "army/CUnitCostCalculator.h"
#include "army/CUnitStatsList.h"
#include "army/StatImageList.h"
#include "army/UnitStatsListOps.h"
#include "army/ValueNames.h"
#include "catalogue/CCatalogueBar.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"

#include <QHeaderView>

#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr int kImageSize = 32;
constexpr int kStripHeight = 19;
constexpr int kTop = 20;
constexpr int kSplitterHalfWidth = 2;
constexpr int kSplitterMargin = 10;
constexpr int kTreeIndent = 5;
constexpr int kKeyboardMenuOffset = 5;

CArmyView* g_pArmyView = nullptr;

void SetBold(QTreeWidgetItem* item, bool bold) {
    QFont font = item->font(0);
    font.setBold(bold);
    item->setFont(0, font);
}

} // namespace

CArmyView::CArmyView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("armyView"));
    g_pArmyView = this;
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);
    setMouseTracking(true);

    LoadStatImageList(m_images, kImageSize);
    m_pBudgetStrip = new CBudgetStrip(this);

    m_pTree = new CDragTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("armyTree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setIconSize(QSize(kImageSize, kImageSize));
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setExpandsOnDoubleClick(false);
    m_pTree->installEventFilter(this);

    m_pList = new CUnitStatsList(this);
    m_pList->setObjectName(QStringLiteral("armyList"));
    m_pList->SetImageList(&m_images);
    m_pList->header()->setSectionsMovable(true);
    InsertUnitColumns(*m_pList);
    m_pList->installEventFilter(this);

    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CArmyView::OnTreeSelectionChanged);
    connect(m_pTree, &CDragTreeWidget::rightClicked, this,
            [this](QTreeWidgetItem* item) { m_pRightClickedItem = item; });
    connect(m_pTree, &CDragTreeWidget::contextMenuRequested, this, &CArmyView::OnContextMenu);
    connect(m_pTree, &CDragTreeWidget::beginDrag, this, &CArmyView::OnBeginDrag);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &CArmyView::OnListDoubleClick);

    m_pDropTarget = new CTreeDropTarget(m_pTree, 2, this);
    ClearArmy();
    HideArmy();
}

CArmyView::~CArmyView() {
    if (g_pArmyView == this)
        g_pArmyView = nullptr;
    // Rows and items point into the army; let them go quietly before it does.
    const QSignalBlocker treeBlocker(m_pTree);
    const QSignalBlocker listBlocker(m_pList);
    m_pList->clear();
    m_pTree->clear();
}

CArmyView* CArmyView::Instance() {
    return g_pArmyView;
}

void CArmyView::SetCatalogueBar(CCatalogueBar* bar) {
    if (m_pCatalogueBar)
        disconnect(m_pCatalogueBar, nullptr, this, nullptr);
    m_pCatalogueBar = bar;
    if (bar) {
        connect(bar, &CCatalogueBar::catalogueDropped, this, &CArmyView::FinishDrop);
        connect(bar, &CCatalogueBar::catalogueDragEnded, this, &CArmyView::OnCatalogueDragEnded);
    }
}

// ---- Labels and items

QString CArmyView::UnitLabel(const CArmyUnit& unit) {
    if (unit.IsLeader())
        return QStringLiteral("%1 - %2 pts / %3 Pc").arg(unit.Nom).arg(unit.CoutTotal).arg(unit.Pc);
    QString label;
    if (unit.Hierarchie == kUncounted || unit.Points == 0)
        label = unit.Nom;
    if (unit.Hierarchie == kIndividual)
        label = QStringLiteral("%1 - %2 pts").arg(unit.Nom).arg(unit.CoutTotal);
    // A crew with a price shows it like the troops it is priced as.
    if (unit.Hierarchie == kCombatUnit || unit.CombatantType == kMachineType ||
        (unit.Hierarchie == kCrew && unit.Points != 0))
        label = QStringLiteral("%1 - %2 pts %3 fig")
                    .arg(unit.Nom)
                    .arg(unit.CoutTotal)
                    .arg(unit.NombreFig);
    return label.isEmpty() ? unit.Nom : label;
}

CArmyUnit* CArmyView::UnitOf(const QTreeWidgetItem* item) {
    return item ? static_cast<CArmyUnit*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* CArmyView::NewItem(CArmyUnit* unit) {
    auto* item = new QTreeWidgetItem(QStringList{UnitLabel(*unit)});
    item->setIcon(0, m_images.Icon(GetUnitKindImageByHierarchy(unit->Hierarchie)));
    item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(unit));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled);
    return item;
}

QTreeWidgetItem* CArmyView::InsertWarchiefItem(CArmyUnit* unit) {
    m_pWarchiefItem = NewItem(unit);
    m_pTree->addTopLevelItem(m_pWarchiefItem);
    SetBold(m_pWarchiefItem, true);
    m_pTree->setCurrentItem(m_pWarchiefItem);
    m_pTree->scrollToItem(m_pWarchiefItem);
    return m_pWarchiefItem;
}

QTreeWidgetItem* CArmyView::InsertLeaderItem(CArmyUnit* unit) {
    QTreeWidgetItem* item = NewItem(unit);
    m_pWarchiefItem->addChild(item);
    SetBold(item, true);
    m_pWarchiefItem->setExpanded(true);
    m_pTree->setCurrentItem(item);
    m_pTree->scrollToItem(item);
    return item;
}

QTreeWidgetItem* CArmyView::InsertUnitItem(CArmyUnit* leader, CArmyUnit* unit) {
    QTreeWidgetItem* parent = m_pWarchiefItem;
    if (!leader->IsWarchief()) {
        for (int i = 0; i < m_pWarchiefItem->childCount(); ++i) {
            if (UnitOf(m_pWarchiefItem->child(i)) == leader)
                parent = m_pWarchiefItem->child(i);
        }
    }
    QTreeWidgetItem* item = NewItem(unit);
    parent->addChild(item);
    parent->setExpanded(true);
    m_pTree->scrollToItem(item);
    return item;
}

QTreeWidgetItem* CArmyView::FindItem(const CArmyUnit* unit) const {
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        if (UnitOf(*it) == unit)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem* CArmyView::FindItemById(int unitId) const {
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        if (UnitOf(*it)->IdUnite == unitId)
            return *it;
    }
    return nullptr;
}

CArmyUnit* CArmyView::GetSelectedUnit() const {
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? nullptr : UnitOf(selected.first());
}

// ---- Showing the army

void CArmyView::ClearArmy() {
    // The items may already point at members that are gone: nothing may look at them now.
    const QSignalBlocker treeBlocker(m_pTree);
    const QSignalBlocker listBlocker(m_pList);
    m_pList->clear();
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    m_pTree->clear();
    m_pTree->setIndentation(m_pTree->iconSize().width() / 2 + kTreeIndent);
    m_pWarchiefItem = nullptr;
    m_pRightClickedItem = nullptr;
}

void CArmyView::ShowArmy() {
    // The first army shown splits the view a third for the tree, two for the list.
    if (!m_bSplitterSet) {
        m_nSplitter = width() / 3;
        m_bSplitterSet = true;
    }
    m_pBudgetStrip->show();
    m_pTree->show();
    m_pList->show();
    LayOut();
    RefreshHeader();
    update();
}

void CArmyView::HideArmy() {
    m_pBudgetStrip->hide();
    m_pTree->hide();
    m_pList->hide();
    update();
}

QTreeWidgetItem* CArmyView::ParentItemOf(int leaderId) const {
    if (UnitOf(m_pWarchiefItem)->IdUnite == leaderId)
        return m_pWarchiefItem;
    for (int i = 0; i < m_pWarchiefItem->childCount(); ++i) {
        if (UnitOf(m_pWarchiefItem->child(i))->IdUnite == leaderId)
            return m_pWarchiefItem->child(i);
    }
    return nullptr;
}

void CArmyView::FillTree() {
    CArmy& army = CArmy::Instance();
    if (!army.HasUnits())
        return;
    m_pTree->setUpdatesEnabled(false);
    // The warchief leads the stored order; should another member have slipped before it, the
    // warchief is still the one without a leader.
    CArmyUnit* warchief = army.GetWarchief();
    for (CArmyUnit* unit : army.Units()) {
        if (unit->IsWarchief()) {
            warchief = unit;
            break;
        }
    }
    InsertWarchiefItem(warchief);

    QList<CArmyUnit*> unplaced;
    auto place = [this](CArmyUnit* unit, QTreeWidgetItem* parent) {
        QTreeWidgetItem* item = NewItem(unit);
        parent->addChild(item);
        if (unit->IsLeader())
            SetBold(item, true);
    };
    for (CArmyUnit* unit : army.Units()) {
        if (unit == warchief || (unit->IdParentUnit != -1 && unit->m_pMainUnit))
            continue;
        QTreeWidgetItem* parent =
            unit->IsGroupLeader() ? m_pWarchiefItem : ParentItemOf(unit->IdLeader);
        if (parent)
            place(unit, parent);
        else
            unplaced.append(unit);
    }
    // A member stored before its own leader goes under it now; one whose leader is gone goes
    // under the warchief rather than being lost.
    for (CArmyUnit* unit : unplaced) {
        QTreeWidgetItem* parent = ParentItemOf(unit->IdLeader);
        place(unit, parent ? parent : m_pWarchiefItem);
    }

    m_pWarchiefItem->setExpanded(true);
    for (int i = 0; i < m_pWarchiefItem->childCount(); ++i)
        m_pWarchiefItem->child(i)->setExpanded(true);
    m_pTree->setCurrentItem(m_pWarchiefItem);
    m_pTree->setUpdatesEnabled(true);
    RefreshHeader();
}

void CArmyView::RefreshList() {
    if (m_pTree->topLevelItemCount() == 0)
        return;
    m_pList->setUpdatesEnabled(false);
    m_pList->clear();
    int counter = 0;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int indent) {
        CArmyUnit* unit = UnitOf(item);
        unit->IdVisual = counter++;
        AddUnitRow(*m_pList, unit, GetUnitKindImageByHierarchy(unit->Hierarchie), indent, -1);
        for (CArmyUnit* attached : unit->m_attached) {
            attached->IdVisual = counter++;
            AddUnitRow(*m_pList, attached, GetUnitKindImageByHierarchy(attached->Hierarchie),
                       indent, -1);
        }
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), indent + 1);
    };
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i)
        walk(m_pTree->topLevelItem(i), 0);
    m_pList->setUpdatesEnabled(true);
    // The tree's selection shows in the new rows too.
    OnTreeSelectionChanged();
}

void CArmyView::RefreshHeader() {
    CArmy& army = CArmy::Instance();
    const int total = army.ComputeTotal();
    const bool stored = army.SetTotal(total);
    m_pBudgetStrip->SetValues(army.GetHeader().NombrePointMax, total, army.GetName());
    if (!stored)
        Reload();
}

void CArmyView::UpdateUnitDisplay(CArmyUnit* unit) {
    if (QTreeWidgetItem* item = FindItem(unit))
        item->setText(0, UnitLabel(*unit));
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        if (m_pList->UnitAt(row) == unit)
            UpdateUnitRow(*m_pList, unit, row);
    }
}

void CArmyView::StoreOrder() {
    RefreshList();
    if (!CArmy::Instance().SaveOrder())
        Reload();
}

void CArmyView::Reload() {
    // Reading back must not write again: a second failure would only loop.
    if (m_bReloading)
        return;
    m_bReloading = true;
    CArmy& army = CArmy::Instance();
    const int armyId = army.GetHeader().IdArmee;
    ClearArmy();
    army.Open(armyId);
    FillTree();
    RefreshList();
    army.SaveOrder();
    ShowArmy();
    m_bReloading = false;
}

// ---- Adding

void CArmyView::AddWarchief(const CUnitType& type) {
    CArmy& army = CArmy::Instance();
    if (army.HasUnits()) {
        ShowInfoMessage(164);
        return;
    }
    CArmyUnit* unit = army.AddWarchief(type);
    InsertWarchiefItem(unit);
    StoreNewLeader(unit);
}

void CArmyView::StoreNewLeader(CArmyUnit* unit) {
    CArmy& army = CArmy::Instance();
    RefreshList();
    RefreshHeader();
    if (!CArmyDatabase::Instance().InsertUnit(army.GetHeader().IdArmee, *unit)) {
        Reload();
        return;
    }
    army.MarkStored(*unit);
    StoreOrder();
}

void CArmyView::AddGroupLeader(const CUnitType& type) {
    CArmy& army = CArmy::Instance();
    if (!army.HasUnits()) {
        ShowInfoMessage(165);
        return;
    }
    CArmyUnit* unit = army.AddGroupLeader(type);
    InsertLeaderItem(unit);
    StoreNewLeader(unit);
}

void CArmyView::AddUnderLeader(CArmyUnit* leader, const CUnitType& type) {
    CArmy& army = CArmy::Instance();
    CItemList<CUnitType*> types(false);
    types.Append(const_cast<CUnitType*>(&type));
    if (m_pCatalogueBar)
        m_pCatalogueBar->CollectSubTypes(type, types);

    QList<CArmyUnit*> created;
    CArmyUnit* main = nullptr;
    for (const CUnitType* each : types) {
        CArmyUnit* unit = army.AddUnit(*leader, *each);
        unit->NombreFig = each->Min;
        // Crews and machines are priced by the same troop rule, from the start, so that a
        // member's price never depends on whether its dialog was ever opened.
        if (unit->Hierarchie == kCombatUnit || unit->Hierarchie == kCrew ||
            unit->Hierarchie == kMachine) {
            CUnitCostCalculator calculator;
            calculator.SetUnit(unit);
            calculator.ComputeCost();
        }
        if (!main) {
            main = unit;
        } else {
            unit->m_pMainUnit = main;
            main->m_attached.Append(unit);
        }
        created.append(unit);
    }
    InsertUnitItem(leader, main);
    RefreshList();

    CArmyDatabase& db = CArmyDatabase::Instance();
    for (CArmyUnit* unit : created) {
        if (unit != main)
            unit->IdParentUnit = main->IdUnite;
        if (!db.InsertUnit(army.GetHeader().IdArmee, *unit)) {
            Reload();
            return;
        }
        army.MarkStored(*unit);
    }
    RefreshHeader();
    StoreOrder();
}

CUnitType* CArmyView::SelectedCatalogueType() const {
    return m_pCatalogueBar ? m_pCatalogueBar->GetSelectedUnitType() : nullptr;
}

void CArmyView::OnAddWarchief() {
    const CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && CArmy::Instance().IsOpen())
        AddWarchief(*type);
}

void CArmyView::OnAddGroupLeader() {
    const CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && CArmy::Instance().IsOpen())
        AddGroupLeader(*type);
}

void CArmyView::OnAddUnit() {
    const CUnitType* type = SelectedCatalogueType();
    if (!type || !CArmy::Instance().IsOpen())
        return;
    // A leader type is placed as a leader, as dropping it on the tree does.
    if (type->IsLeaderType()) {
        if (CArmy::Instance().HasUnits())
            AddGroupLeader(*type);
        else
            AddWarchief(*type);
        return;
    }
    CArmyUnit* leader = GetSelectedUnit();
    if (!leader || !leader->IsLeader()) {
        ShowInfoMessage(166);
        return;
    }
    AddUnderLeader(leader, *type);
}

// ---- Deleting

void CArmyView::DeleteMemberAndAttached(CArmyUnit* unit, bool* stored) {
    CArmyDatabase& db = CArmyDatabase::Instance();
    CArmy& army = CArmy::Instance();
    const QList<CArmyUnit*> attached(unit->m_attached.begin(), unit->m_attached.end());
    for (CArmyUnit* each : attached) {
        *stored = *stored && db.DeleteUnit(*each);
        army.RemoveUnit(each);
    }
    *stored = *stored && db.DeleteUnit(*unit);
    army.RemoveUnit(unit);
}

void CArmyView::DeleteItem(QTreeWidgetItem* item) {
    CArmyUnit* unit = UnitOf(item);
    if (!unit)
        return;
    CArmy& army = CArmy::Instance();
    CArmyDatabase& db = CArmyDatabase::Instance();
    bool stored = true;

    if (unit->IsWarchief()) {
        if (item->childCount() > 0 && !AskYesNoMessage(152))
            return;
        stored = db.DeleteArmyUnits(army.GetHeader().IdArmee);
        ClearArmy();
        while (army.HasUnits())
            army.RemoveUnit(army.GetWarchief());
        RefreshHeader();
    } else if (unit->IsGroupLeader()) {
        if (item->childCount() > 0 && !AskYesNoMessage(153))
            return;
        m_pList->clear();
        const QList<QTreeWidgetItem*> children = item->takeChildren();
        for (QTreeWidgetItem* child : children) {
            DeleteMemberAndAttached(UnitOf(child), &stored);
            delete child;
        }
        delete item;
        stored = stored && db.DeleteUnit(*unit);
        army.RemoveUnit(unit);
        StoreOrder();
        RefreshHeader();
    } else {
        // An attached unit goes with its main unit.
        if (unit->IdParentUnit != -1) {
            item = FindItemById(unit->IdParentUnit);
            unit = UnitOf(item);
            if (!unit)
                return;
        }
        m_pList->clear();
        delete item;
        DeleteMemberAndAttached(unit, &stored);
        StoreOrder();
        RefreshHeader();
    }
    if (!stored)
        Reload();
}

void CArmyView::OnDeleteMember() {
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    if (!selected.isEmpty())
        DeleteItem(selected.first());
}

// ---- Export

QString CArmyView::ArmyExportText() const {
    const CArmyHeader& header = CArmy::Instance().GetHeader();
    QString text =
        QStringLiteral("%1\t%2\n").arg(LoadResString(170), header.Nom) +
        QStringLiteral("%1\t%2\n").arg(LoadResString(171)).arg(header.NombrePointMax) +
        QStringLiteral("%1\t%2\n").arg(LoadResString(172)).arg(header.CoutTotal) +
        QStringLiteral("%1\t%2\n\n\n").arg(LoadResString(173), GetRaceName(header.IdRace));
    // By column index, whatever order the columns were dragged into; no shield, no prices.
    static const int kColumns[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 17};
    const QTreeWidgetItem* titles = m_pList->headerItem();
    for (int column : kColumns)
        text += titles->text(column) + QLatin1Char('\t');
    text += QLatin1Char('\n');
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        const int indent = m_pList->IndentOf(row);
        text += QString(indent == 1 ? 4 : indent == 2 ? 8 : 0, QLatin1Char(' '));
        const QTreeWidgetItem* item = m_pList->topLevelItem(row);
        for (int column : kColumns)
            text += item->text(column) + QLatin1Char('\t');
        text += QLatin1Char('\n');
    }
    return text;
}

void CArmyView::ExportArmy() {
    if (CArmy::Instance().IsOpen())
        WriteExportAndView(ExportFileName(CArmy::Instance().GetName()), ArmyExportText());
}

// ---- Properties

void CArmyView::ShowUnitProperties(CArmyUnit* unit) {
    if (!unit)
        return;
    CArmyDatabase& db = CArmyDatabase::Instance();
    const bool renameOnly =
        unit->Hierarchie == kIndividual || unit->Hierarchie == kUncounted || unit->Points == 0 ||
        (!unit->IsLeader() && unit->Min == 1 && unit->Max == 1 && unit->UPG == 0);
    if (renameOnly) {
        CRenameUnitDlg dialog(window());
        dialog.SetName(unit->Nom);
        if (dialog.exec() != QDialog::Accepted)
            return;
        unit->Nom = dialog.Name();
        UpdateUnitDisplay(unit);
        if (!db.RenameUnit(*unit))
            Reload();
        return;
    }
    if (unit->IsLeader()) {
        CLeaderDlg dialog(unit, window());
        if (dialog.exec() != QDialog::Accepted)
            return;
    } else {
        QList<CArmyUnit*> units{unit};
        for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
            CArmyUnit* each = m_pList->UnitAt(row);
            if (each && each->IdParentUnit == unit->IdUnite && each != unit)
                units.append(each);
        }
        CCombatUnitDlg dialog(units, window());
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    UpdateUnitDisplay(unit);
    if (!db.UpdateUnit(*unit)) {
        Reload();
        return;
    }
    RefreshHeader();
}

void CArmyView::OnMemberProperties() {
    ShowUnitProperties(GetSelectedUnit());
}

void CArmyView::OnListDoubleClick(QTreeWidgetItem* row) {
    ShowUnitProperties(m_pList->UnitAt(m_pList->indexOfTopLevelItem(row)));
}

// ---- Tree and list events

void CArmyView::OnTreeSelectionChanged() {
    const CArmyUnit* unit = GetSelectedUnit();
    if (!unit || unit->IdVisual < 0 || unit->IdVisual >= m_pList->topLevelItemCount())
        return;
    QTreeWidgetItem* row = m_pList->topLevelItem(unit->IdVisual);
    m_pList->setCurrentItem(row);
    m_pList->scrollToItem(row);
}

QMenu* CArmyView::CreateContextMenu(bool overItem) const {
    auto* menu = new QMenu(const_cast<CArmyView*>(this));
    menu->setObjectName(overItem ? QStringLiteral("menu102") : QStringLiteral("menu132"));
    const QList<int> commands =
        overItem ? QList<int>{ID_MEMBER_PROPERTIES, ID_ARMY_PROPERTIES, ID_MEMBER_DELETE}
                 : QList<int>{ID_ARMY_PROPERTIES};
    for (int id : commands) {
        if (QAction* action = FindCommandAction(this, id))
            menu->addAction(action);
    }
    return menu;
}

void CArmyView::OnContextMenu(const QPoint& globalPosition) {
    const bool fromKeyboard = globalPosition == QPoint(-1, -1);
    const bool overItem =
        fromKeyboard
            ? m_pTree->currentItem() != nullptr
            : m_pTree->itemAt(m_pTree->viewport()->mapFromGlobal(globalPosition)) != nullptr;
    std::unique_ptr<QMenu> menu(CreateContextMenu(overItem));
    menu->exec(fromKeyboard ? mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset))
                            : globalPosition);
}

bool CArmyView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (watched == m_pTree) {
            OnDeleteMember();
            return true;
        }
        if (watched == m_pList) {
            // Only a main member's row deletes; an attached unit goes with its main unit only.
            const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
            CArmyUnit* unit = row >= 0 ? m_pList->UnitAt(row) : nullptr;
            if (unit && unit->IdParentUnit == -1)
                DeleteItem(FindItem(unit));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Drag and drop

void CArmyView::OnBeginDrag(const QPoint& viewportPosition) {
    if (!CArmy::Instance().IsOpen())
        return;
    QTreeWidgetItem* item = m_pTree->itemAt(viewportPosition);
    if (!item || item == m_pWarchiefItem)
        return;
    m_pTree->setCurrentItem(item);
    CDragRecord::Instance().BeginArmyDrag(m_pTree, item);
    CTreeDropTarget::RunDrag(m_pTree);
    FinishDrop();
}

void CArmyView::OnCatalogueDragEnded() {
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
}

void CArmyView::FinishDrop() {
    const CDragRecord& record = CDragRecord::Instance();
    if (record.m_nDropState == CDragRecord::kDroppedOnAcceptingTree &&
        record.m_pTargetWindow == m_pTree && CArmy::Instance().IsOpen()) {
        if (record.m_nKind == CDragRecord::kCatalogueDrag && record.IsValidCatalogueDrop())
            DropFromCatalogue();
        else if (record.m_nKind == CDragRecord::kArmyDrag && record.IsValidArmyDrop())
            MoveMember();
    }
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
}

void CArmyView::DropFromCatalogue() {
    const CDragRecord& record = CDragRecord::Instance();
    const QTreeWidgetItem* dragged = record.m_pDraggedItem;
    if (!dragged || !m_pCatalogueBar)
        return;
    const CUnitType* type = m_pCatalogueBar->UnitTypeOf(dragged);
    if (!type)
        return;
    CArmy& army = CArmy::Instance();
    if (type->IsLeaderType() && !army.HasUnits()) {
        AddWarchief(*type);
        return;
    }
    QTreeWidgetItem* target = record.m_pTargetItem;
    if (!target) {
        if (!army.HasUnits()) {
            ShowInfoMessage(165);
            return;
        }
        target = m_pWarchiefItem;
    }
    if (type->IsLeaderType()) {
        AddGroupLeader(*type);
        return;
    }
    if (!UnitOf(target)->IsLeader())
        target = target->parent() ? target->parent() : m_pWarchiefItem;
    AddUnderLeader(UnitOf(target), *type);
}

void CArmyView::MoveMember() {
    const CDragRecord& record = CDragRecord::Instance();
    QTreeWidgetItem* dragged = record.m_pDraggedItem;
    QTreeWidgetItem* target = record.m_pTargetItem;
    const CArmyUnit* d = UnitOf(dragged);
    const CArmyUnit* t = UnitOf(target);
    if (!d || !t || d->IsWarchief())
        return;
    QTreeWidgetItem* newParent = nullptr;
    int place = 0;
    if (t->IsWarchief()) {
        newParent = target;
        place = d->IsGroupLeader() ? -1 : 0;
    } else if (t->IsGroupLeader()) {
        if (d->IsGroupLeader()) {
            newParent = target->parent();
            place = newParent->indexOfChild(target) + 1;
        } else {
            newParent = target;
            place = 0;
        }
    } else if (d->IsLeader()) {
        ShowWarningMessage(154);
        return;
    } else {
        newParent = target->parent();
        place = newParent->indexOfChild(target) + 1;
    }
    MoveSubtree(dragged, newParent, place);
}

QTreeWidgetItem* CArmyView::CopyItem(QTreeWidgetItem* item, QTreeWidgetItem* newParent, int place) {
    CArmyUnit* unit = UnitOf(item);
    unit->IdLeader = UnitOf(newParent)->IdUnite;
    auto* copy = new QTreeWidgetItem(QStringList{item->text(0)});
    copy->setIcon(0, item->icon(0));
    copy->setData(0, Qt::UserRole, item->data(0, Qt::UserRole));
    copy->setFlags(item->flags());
    if (place < 0 || place > newParent->childCount())
        newParent->addChild(copy);
    else
        newParent->insertChild(place, copy);
    SetBold(copy, unit->IsLeader());
    m_pTree->scrollToItem(copy);
    for (CArmyUnit* attached : unit->m_attached)
        attached->IdLeader = unit->IdLeader;
    return copy;
}

QTreeWidgetItem* CArmyView::MoveSubtree(QTreeWidgetItem* item, QTreeWidgetItem* newParent,
                                        int place) {
    QTreeWidgetItem* moved = CopyItem(item, newParent, place);
    if (UnitOf(item)->IsLeader()) {
        for (int i = 0; i < item->childCount(); ++i)
            CopyItem(item->child(i), moved, -1);
        moved->setExpanded(true);
    }
    newParent->setExpanded(true);
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    delete item;
    m_pTree->setCurrentItem(moved);
    StoreOrder();
    return moved;
}

// ---- Layout and the splitter band between tree and list

void CArmyView::LayOut() {
    const int cx = width();
    const int cy = height();
    m_pBudgetStrip->setGeometry(0, 0, cx, kStripHeight);
    m_pTree->setGeometry(0, kTop, std::max(0, m_nSplitter - kSplitterHalfWidth), cy - kTop);
    m_pList->setGeometry(m_nSplitter + kSplitterHalfWidth, kTop,
                         std::max(0, cx - m_nSplitter - kSplitterHalfWidth), cy - kTop);
}

void CArmyView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_bSplitterSet)
        m_nSplitter = std::clamp(m_nSplitter, kSplitterMargin,
                                 std::max(kSplitterMargin, width() - kSplitterMargin));
    LayOut();
}

bool CArmyView::InSplitterBand(const QPoint& point) const {
    return CArmy::Instance().IsOpen() && point.y() >= kTop &&
           point.x() >= m_nSplitter - kSplitterHalfWidth &&
           point.x() <= m_nSplitter + kSplitterHalfWidth;
}

void CArmyView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && InSplitterBand(event->position().toPoint())) {
        m_bDragging = true;
        grabMouse();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CArmyView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_bDragging) {
        m_nSplitter = std::clamp(point.x(), kSplitterMargin,
                                 std::max(kSplitterMargin, width() - kSplitterMargin));
        LayOut();
        return;
    }
    setCursor(InSplitterBand(point) ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void CArmyView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_bDragging && event->button() == Qt::LeftButton) {
        m_bDragging = false;
        releaseMouse();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
