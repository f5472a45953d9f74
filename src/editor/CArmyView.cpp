// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyView.h"

#include "CArmyStatsList.h"
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
#include "model/CArmyModel.h"
#include "model/CArmyStatsModel.h"
#include "model/CCatalogue.h"
#include "widgets/CommandActions.h"
#include "widgets/StatImageList.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

namespace {

constexpr int kImageSize = 32;
constexpr int kStripHeight = 19;
constexpr int kStripGap = 1;
constexpr int kSplitterWidth = 4;
constexpr int kKeyboardMenuOffset = 5;

} // namespace

CArmyView::CArmyView(CArmy& army, QWidget* parent) : QWidget(parent), m_army(army) {
    setObjectName(QStringLiteral("armyView"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);

    LoadStatImageList(m_images, kImageSize);
    QList<QIcon> icons;
    for (int i = 0; i < m_images.GetImageCount(); ++i)
        icons << m_images.Icon(i);
    // The models follow the army before this view does: its slots below find them up to date.
    // The list's first, so that the tree's selection, made again as its model follows, finds
    // the list's rows already new.
    m_pStatsModel = new CArmyStatsModel(army, this);
    m_pStatsModel->SetIcons(icons);
    m_pModel = new CArmyModel(army, this);
    m_pModel->SetIcons(icons);

    m_pBudgetStrip = new CBudgetStrip(this);
    m_pBudgetStrip->setFixedHeight(kStripHeight);

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setObjectName(QStringLiteral("armySplitter"));
    m_pSplitter->setHandleWidth(kSplitterWidth);
    m_pSplitter->setChildrenCollapsible(false);

    m_pTree = new CArmyTree(m_pSplitter);
    m_pTree->setObjectName(QStringLiteral("armyTree"));
    m_pTree->SetArmyModel(m_pModel);
    m_pTree->setAccessibleName(LoadResString(kArmyTreeNameId));
    m_pTree->setAccessibleDescription(LoadResString(kArmyTreeDescriptionId));
    m_pTree->installEventFilter(this);

    m_pList = new CArmyStatsList(m_pSplitter);
    m_pList->setObjectName(QStringLiteral("armyList"));
    m_pList->SetStatsModel(m_pStatsModel);
    m_pList->setAccessibleName(LoadResString(kStatsListNameId));
    m_pList->setAccessibleDescription(LoadResString(kStatsListDescriptionId));
    m_pList->installEventFilter(this);
    m_pSplitter->addWidget(m_pTree);
    m_pSplitter->addWidget(m_pList);
    // The tree keeps the width the player gave it; the list takes what the window gains.
    m_pSplitter->setStretchFactor(1, 1);
    connect(m_pSplitter, &QSplitter::splitterMoved, this, [this] { m_bSplitterSet = true; });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kStripGap);
    layout->addWidget(m_pBudgetStrip);
    layout->addWidget(m_pSplitter, 1);

    connect(m_pTree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CArmyView::OnTreeSelectionChanged);
    // A row chosen in the list chooses its member in the tree, once the army has settled: rows
    // an edit moves under the list's cursor must not choose for the player.
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { QTimer::singleShot(0, this, &CArmyView::FollowList); });
    connect(m_pTree, &CArmyTree::contextMenuRequested, this, &CArmyView::OnContextMenu);
    connect(m_pList, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        ShowUnitProperties(m_pStatsModel->UnitAt(index.row()));
    });

    connect(&army, &CArmy::changed, this, &CArmyView::OnArmyChanged);
    connect(&army, &CArmy::reloaded, this, &CArmyView::OnArmyReloaded);

    HideArmy();
}

CArmyView::~CArmyView() = default;

void CArmyView::SetCatalogueBar(CCatalogueBar* bar) {
    m_pCatalogueBar = bar;
    // The one place where a dropped type key becomes the types to add.
    if (!bar) {
        m_pModel->SetTypeResolver({});
        return;
    }
    CCatalogue& catalogue = bar->Catalogue();
    m_pModel->SetTypeResolver([&catalogue](int key) {
        CUnitType* type = catalogue.TypeByKey(key);
        return type ? catalogue.WithAttached(*type) : QList<const CUnitType*>();
    });
}

CArmyUnit* CArmyView::GetSelectedUnit() const {
    return m_pTree->SelectedUnit();
}

// ---- Showing the army

void CArmyView::ShowArmy() {
    m_pBudgetStrip->show();
    m_pSplitter->show();
    SplitAsAtFirst();
    RefreshHeader();
    update();
}

// A third for the tree, two for the list, until the player moves the handle.
void CArmyView::SplitAsAtFirst() {
    if (m_bSplitterSet)
        return;
    const int free = std::max(0, width() - kSplitterWidth);
    m_pSplitter->setSizes({free / 3, free - free / 3});
}

void CArmyView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SplitAsAtFirst();
}

void CArmyView::HideArmy() {
    m_pBudgetStrip->hide();
    m_pSplitter->hide();
    update();
}

void CArmyView::ShowOpenArmy() {
    m_pTree->Forget();
    OnArmyReloaded();
}

// A store failed and the army was read back: show what is stored, or nothing when the army
// could not be read.
void CArmyView::OnArmyReloaded() {
    if (!m_army.IsOpen()) {
        HideArmy();
        return;
    }
    m_pTree->Settle(nullptr, false);
    OnTreeSelectionChanged();
    ShowArmy();
}

void CArmyView::RefreshHeader() {
    const CArmy& army = m_army;
    m_pBudgetStrip->SetValues(army.GetHeader().NombrePointMax, army.ComputeTotal(), army.GetName());
    m_pBudgetStrip->SetNote(
        army.IsEditable() ? QString() : LoadResString(kReadOnlyNoteId).arg(Isolated(army.Owner())));
}

void CArmyView::SelectMember(int key) {
    const QModelIndex index = m_pModel->IndexOfKey(key);
    if (CArmyUnit* unit = m_pModel->UnitAt(index))
        m_pTree->SelectUnit(*unit);
}

void CArmyView::OnArmyChanged(const CArmyChange& change) {
    if (!m_army.IsOpen()) {
        HideArmy();
        return;
    }
    m_pTree->Settle(change.focus, change.select);
    RefreshHeader();
    OnTreeSelectionChanged();
}

// ---- Adding

CUnitType* CArmyView::SelectedCatalogueType() const {
    return m_pCatalogueBar ? m_pCatalogueBar->GetSelectedUnitType() : nullptr;
}

QList<const CUnitType*> CArmyView::TypeWithAttached(CUnitType& type) const {
    return m_pCatalogueBar ? m_pCatalogueBar->Catalogue().WithAttached(type)
                           : QList<const CUnitType*>{&type};
}

// Another player's army, on a club's server, is only shown: no gesture may change it.
bool CArmyView::Editable() const {
    return m_army.IsOpen() && m_army.IsEditable();
}

void CArmyView::OnAddWarchief() {
    CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && Editable())
        m_army.AddWarchief(TypeWithAttached(*type));
}

void CArmyView::OnAddGroupLeader() {
    CUnitType* type = SelectedCatalogueType();
    if (type && type->IsLeaderType() && Editable())
        m_army.AddGroupLeader(TypeWithAttached(*type));
}

void CArmyView::OnAddUnit() {
    CUnitType* type = SelectedCatalogueType();
    if (type && Editable())
        m_army.AddUnit(GetSelectedUnit(), TypeWithAttached(*type));
}

// ---- Deleting

void CArmyView::DeleteMember(CArmyUnit* unit) {
    CArmy& army = m_army;
    if (!unit || !Editable())
        return;
    const int question = army.DeleteQuestion(*unit);
    if (question != 0 && !AskYesNoMessage(question))
        return;
    army.Delete(unit);
}

void CArmyView::OnDeleteMember() {
    DeleteMember(GetSelectedUnit());
}

// ---- Export

void CArmyView::ExportArmy() {
    const CArmy& army = m_army;
    if (army.IsOpen())
        WriteExportAndView(ArmyExportFileName(army.GetName()), ArmyExportText(army));
}

// ---- Properties

// The dialogs work on copies; the army takes what was chosen and stores it.
void CArmyView::ShowUnitProperties(CArmyUnit* unit) {
    if (!unit || !Editable())
        return;
    CArmy& army = m_army;
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

// ---- Tree and list events

// The member chosen in the tree is chosen in the list too (its main row); a row chosen in
// the list is that row's alone, an attached unit's included.
// The member a list row stands for in the tree: an attached unit's main member.
static const CArmyUnit* TreeMemberOf(const CArmyUnit* listed) {
    return listed && listed->m_pMainUnit ? listed->m_pMainUnit : listed;
}

void CArmyView::OnTreeSelectionChanged() {
    const CArmyUnit* unit = GetSelectedUnit();
    // A mount's row chosen in the list stays chosen when the tree shows its rider.
    const int row =
        unit && TreeMemberOf(m_pList->CurrentUnit()) != unit ? m_pStatsModel->RowOf(unit) : -1;
    if (row >= 0)
        m_pList->SelectRow(row);
    emit selectionChanged();
}

void CArmyView::FollowList() {
    const CArmyUnit* member = TreeMemberOf(m_pList->CurrentUnit());
    if (member && m_army.IsOpen() && member != GetSelectedUnit())
        m_pTree->SelectUnit(*member);
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
            ? m_pTree->currentIndex().isValid()
            : m_pTree->indexAt(m_pTree->viewport()->mapFromGlobal(globalPosition)).isValid();
    std::unique_ptr<QMenu> menu(CreateContextMenu(overItem));
    menu->exec(fromKeyboard ? mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset))
                            : globalPosition);
}

bool CArmyView::eventFilter(QObject* watched, QEvent* event) {
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    // Enter and F2 give the properties of the member selected, in the tree or the list.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
        (watched == m_pTree || watched == m_pList)) {
        ShowUnitProperties(watched == m_pTree ? GetSelectedUnit() : m_pList->CurrentUnit());
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (watched == m_pTree) {
            OnDeleteMember();
            return true;
        }
        if (watched == m_pList) {
            // Only a main member's row deletes; an attached unit goes with its main unit only.
            CArmyUnit* unit = m_pList->CurrentUnit();
            if (unit && !unit->m_pMainUnit)
                DeleteMember(unit);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
