#include "CArmyView.h"

#include "CArmyTree.h"
#include "CBudgetStrip.h"
#include "CCombatUnitDlg.h"
#include "CLeaderDlg.h"
#include "CRenameUnitDlg.h"
#include "army/ValueNames.h"
#include "catalogue/CCatalogueBar.h"
#include "core/CommandIds.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CUnitType.h"
#include "export/ArmyExport.h"
#include "model/CArmy.h"
#include "widgets/CDragRecord.h"
#include "widgets/CDragTreeWidget.h"
#include "widgets/CTreeDropTarget.h"
#include "widgets/CUnitStatsList.h"
#include "widgets/CommandActions.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <memory>

namespace {

constexpr int kImageSize = 32;
constexpr int kStripHeight = 19;
constexpr int kTop = 20;
constexpr int kSplitterHalfWidth = 2;
constexpr int kSplitterMargin = 10;
constexpr int kKeyboardMenuOffset = 5;

} // namespace

CArmyView::CArmyView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("armyView"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);
    setMouseTracking(true);

    LoadStatImageList(m_images, kImageSize);
    m_pBudgetStrip = new CBudgetStrip(this);

    m_pTree = new CArmyTree(&m_images, this);
    m_pTree->setObjectName(QStringLiteral("armyTree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setIconSize(QSize(kImageSize, kImageSize));
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setExpandsOnDoubleClick(false);
    // Every row is as high as its icon: the tree need not measure each one to lay them out.
    m_pTree->setUniformRowHeights(true);
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

    CArmy& army = CArmy::Instance();
    connect(&army, &CArmy::changed, this, &CArmyView::OnArmyChanged);
    connect(&army, &CArmy::reloaded, this, &CArmyView::OnArmyReloaded);

    m_pDropTarget = new CTreeDropTarget(m_pTree, CTreeDropTarget::kAcceptDrops, this);
    ClearArmy();
    HideArmy();
}

CArmyView::~CArmyView() {
    // Rows and items point into the army; let them go quietly before it does.
    const QSignalBlocker treeBlocker(m_pTree);
    const QSignalBlocker listBlocker(m_pList);
    m_pList->clear();
    m_pTree->clear();
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

CArmyUnit* CArmyView::GetSelectedUnit() const {
    return m_pTree->SelectedUnit();
}

// ---- Showing the army

void CArmyView::ClearArmy() {
    // The rows may already point at members that are gone: nothing may look at them now.
    const QSignalBlocker listBlocker(m_pList);
    m_pList->clear();
    m_pTree->Clear(false);
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

void CArmyView::ShowOpenArmy() {
    m_pTree->Clear(true);
    Rebuild(nullptr, false);
    if (CArmy::Instance().IsOpen())
        ShowArmy();
}

void CArmyView::RefreshList() {
    const CArmy& army = CArmy::Instance();
    const QSignalBlocker blocker(m_pList);
    m_pList->setUpdatesEnabled(false);
    m_pList->clear();
    QList<CUnitRow> rows;
    rows.reserve(army.Units().GetCount());
    for (CArmyUnit* unit : army.Units())
        rows.append({unit, GetUnitKindImageByHierarchy(unit->Hierarchie), army.Depth(*unit)});
    AppendUnitRows(*m_pList, rows);
    m_pList->setUpdatesEnabled(true);
    // The tree's selection shows in the new rows too.
    OnTreeSelectionChanged();
}

void CArmyView::RefreshHeader() {
    const CArmy& army = CArmy::Instance();
    m_pBudgetStrip->SetValues(army.GetHeader().NombrePointMax, army.ComputeTotal(), army.GetName());
    m_pBudgetStrip->SetNote(
        army.IsEditable() ? QString() : LoadResString(kReadOnlyNoteId).arg(Isolated(army.Owner())));
}

void CArmyView::Rebuild(CArmyUnit* focus, bool select) {
    ClearArmy();
    if (!CArmy::Instance().IsOpen()) {
        HideArmy();
        return;
    }
    m_pTree->Fill(CArmy::Instance(), focus, select);
    RefreshList();
    RefreshHeader();
}

void CArmyView::SelectMember(int key) {
    for (const CArmyUnit* unit : CArmy::Instance().Units()) {
        if (unit->IdUnite == key) {
            m_pTree->SelectUnit(*unit);
            return;
        }
    }
}

void CArmyView::OnArmyChanged(const CArmyChange& change) {
    if (!Update(change))
        Rebuild(change.focus, change.select);
}

void CArmyView::InsertRows(const QList<CArmyUnit*>& members, int first) {
    const CArmy& army = CArmy::Instance();
    int row = first;
    for (CArmyUnit* unit : members)
        AddUnitRow(*m_pList, unit, GetUnitKindImageByHierarchy(unit->Hierarchie), army.Depth(*unit),
                   row++);
}

void CArmyView::RemoveRows(int first, int count) {
    for (int i = 0; i < count; ++i)
        delete m_pList->takeTopLevelItem(first);
}

bool CArmyView::Update(const CArmyChange& change) {
    using Kind = CArmyChange::Kind;
    const CArmy& army = CArmy::Instance();
    const int members = army.Units().GetCount();
    const int rows = m_pList->topLevelItemCount();
    // The rows must be those of the army before the edit, else nothing here can be trusted.
    const int before = change.kind == Kind::Inserted  ? members - change.count
                       : change.kind == Kind::Removed ? members + change.count
                                                      : members;
    const int span = change.kind == Kind::Inserted ? 0 : change.count;
    if (change.kind == Kind::Whole || !army.IsOpen() || rows != before ||
        !m_pTree->WarchiefItem() || change.first < 0 || change.first + span > rows ||
        change.to < 0 || change.to + span > rows)
        return false;
    const QSignalBlocker listBlocker(m_pList);
    // Taking the current row away would have the list lay itself out again for each row taken;
    // the tree's selection shows in the list again below.
    if (change.kind == Kind::Removed || change.kind == Kind::Moved)
        m_pList->selectionModel()->clear();
    switch (change.kind) {
    case Kind::Whole:
    case Kind::Header:
        break;
    case Kind::Values:
        for (CArmyUnit* unit : change.members) {
            m_pTree->UpdateLabel(*unit);
            UpdateUnitRow(*m_pList, unit, unit->IdVisual);
        }
        break;
    case Kind::Inserted:
        if (!m_pTree->InsertMembers(army, change.members))
            return false;
        InsertRows(change.members, change.first);
        break;
    case Kind::Removed:
        if (!m_pTree->RemoveSubtree(m_pList->UnitAt(change.first)))
            return false;
        RemoveRows(change.first, change.count);
        break;
    case Kind::Moved: {
        QList<CArmyUnit*> moved;
        for (int i = 0; i < change.count; ++i)
            moved << m_pList->UnitAt(change.first + i);
        if (moved.isEmpty() || !m_pTree->MoveSubtree(army, moved.first()))
            return false;
        // Taken and put back: a member's indent changes with its leader.
        QList<QTreeWidgetItem*> taken;
        for (int i = 0; i < change.count; ++i)
            taken << m_pList->takeTopLevelItem(change.first);
        m_pList->insertTopLevelItems(change.to, taken);
        for (int i = 0; i < change.count; ++i)
            m_pList->SetIndent(change.to + i, army.Depth(*moved.at(i)));
        break;
    }
    }
    m_pTree->Settle(change.focus, change.select);
    RefreshHeader();
    OnTreeSelectionChanged();
    return true;
}

// A store failed and the army was read back: show what is stored, or nothing when the army
// could not be read.
void CArmyView::OnArmyReloaded() {
    Rebuild(nullptr, false);
    if (CArmy::Instance().IsOpen())
        ShowArmy();
}

// ---- Adding

CUnitType* CArmyView::SelectedCatalogueType() const {
    return m_pCatalogueBar ? m_pCatalogueBar->GetSelectedUnitType() : nullptr;
}

QList<const CUnitType*> CArmyView::TypeWithAttached(const CUnitType& type) const {
    QList<CUnitType*> types{const_cast<CUnitType*>(&type)};
    if (m_pCatalogueBar)
        m_pCatalogueBar->CollectSubTypes(type, types);
    return QList<const CUnitType*>(types.begin(), types.end());
}

// Another player's army, on a club's server, is only shown: no gesture may change it.
bool CArmyView::Editable() {
    return CArmy::Instance().IsOpen() && CArmy::Instance().IsEditable();
}

void CArmyView::OnAddWarchief() {
    const CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && Editable())
        CArmy::Instance().AddWarchief(TypeWithAttached(*type));
}

void CArmyView::OnAddGroupLeader() {
    const CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && Editable())
        CArmy::Instance().AddGroupLeader(TypeWithAttached(*type));
}

void CArmyView::OnAddUnit() {
    const CUnitType* type = SelectedCatalogueType();
    if (type && Editable())
        CArmy::Instance().AddUnit(GetSelectedUnit(), TypeWithAttached(*type));
}

// ---- Deleting

void CArmyView::DeleteMember(CArmyUnit* unit) {
    CArmy& army = CArmy::Instance();
    if (!unit || !Editable())
        return;
    const int question = army.DeleteQuestion(*unit);
    if (question != 0 && !AskYesNoMessage(question))
        return;
    army.Delete(unit);
}

void CArmyView::DeleteItem(QTreeWidgetItem* item) {
    DeleteMember(CArmyTree::UnitOf(item));
}

void CArmyView::OnDeleteMember() {
    DeleteMember(GetSelectedUnit());
}

// ---- Export

void CArmyView::ExportArmy() {
    const CArmy& army = CArmy::Instance();
    if (army.IsOpen())
        WriteExportAndView(ArmyExportFileName(army.GetName()), ArmyExportText(army));
}

// ---- Properties

// The dialogs work on copies; the army takes what was chosen and stores it.
void CArmyView::ShowUnitProperties(CArmyUnit* unit) {
    if (!unit || !Editable())
        return;
    CArmy& army = CArmy::Instance();
    const CArmy::Choices choices = CArmy::ChoicesOf(*unit);
    if (choices == CArmy::Choices::NameOnly) {
        CRenameUnitDlg dialog(window());
        dialog.SetName(unit->Nom);
        if (dialog.exec() == QDialog::Accepted)
            army.RenameMember(unit, dialog.Name());
        return;
    }
    CArmyUnit edited = *unit;
    if (choices == CArmy::Choices::CommandPoints) {
        CLeaderDlg dialog(&edited, window());
        if (dialog.exec() != QDialog::Accepted)
            return;
    } else {
        QList<CArmyUnit*> units{&edited};
        for (CArmyUnit* attached : unit->m_attached)
            units.append(attached);
        CCombatUnitDlg dialog(units, window());
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    army.UpdateMember(unit, edited);
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
    if (!unit)
        return;
    if (unit->IdVisual < 0 || unit->IdVisual >= m_pList->topLevelItemCount())
        return;
    QTreeWidgetItem* row = m_pList->topLevelItem(unit->IdVisual);
    m_pList->setCurrentItem(row);
    m_pList->ScrollToItemLater(row);
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
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    // Enter and F2 give the properties of the member selected, in the tree or the list.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
        (watched == m_pTree || watched == m_pList)) {
        const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
        ShowUnitProperties(watched == m_pTree ? GetSelectedUnit() : m_pList->UnitAt(row));
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (watched == m_pTree) {
            OnDeleteMember();
            return true;
        }
        if (watched == m_pList) {
            // Only a main member's row deletes; an attached unit goes with its main unit only.
            const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
            CArmyUnit* unit = row >= 0 ? m_pList->UnitAt(row) : nullptr;
            if (unit && !unit->m_pMainUnit)
                DeleteMember(unit);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Drag and drop

void CArmyView::OnBeginDrag(const QPoint& viewportPosition) {
    if (!Editable())
        return;
    QTreeWidgetItem* item = m_pTree->itemAt(viewportPosition);
    if (!item || item == m_pTree->WarchiefItem())
        return;
    m_pTree->setCurrentItem(item);
    CDragRecord::Instance().BeginArmyDrag(item);
    CTreeDropTarget::RunDrag(m_pTree);
    FinishDrop();
}

void CArmyView::OnCatalogueDragEnded() {
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
}

void CArmyView::FinishDrop() {
    const CDragRecord& record = CDragRecord::Instance();
    CTreeDropTarget::SetDropHighlight(m_pTree, nullptr);
    if (record.m_nDropState == CDragRecord::kDroppedOnAcceptingTree &&
        record.m_pTargetWindow == m_pTree && Editable()) {
        if (record.m_nKind == CDragRecord::kCatalogueDrag && record.IsValidCatalogueDrop())
            DropFromCatalogue();
        else if (record.m_nKind == CDragRecord::kArmyDrag && record.IsValidArmyDrop())
            MoveMember();
    }
}

void CArmyView::DropFromCatalogue() {
    const CDragRecord& record = CDragRecord::Instance();
    const CUnitType* type =
        m_pCatalogueBar ? m_pCatalogueBar->UnitTypeOf(record.m_pDraggedItem) : nullptr;
    if (type)
        CArmy::Instance().DropType(TypeWithAttached(*type),
                                   CArmyTree::UnitOf(record.m_pTargetItem));
}

void CArmyView::MoveMember() {
    const CDragRecord& record = CDragRecord::Instance();
    CArmy::Instance().Move(CArmyTree::UnitOf(record.m_pDraggedItem),
                           CArmyTree::UnitOf(record.m_pTargetItem));
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
