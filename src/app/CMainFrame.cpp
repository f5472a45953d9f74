// SPDX-License-Identifier: GPL-3.0-or-later

#include "CMainFrame.h"

#include "CKeyboardIndicators.h"
#include "battle/CBattleDlg.h"
#include "battle/CBattleListDlg.h"
#include "catalogue/CCatalogueBar.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "core/CommandIds.h"
#include "core/MessageBox.h"
#include "core/Resources.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CArmyDatabase.h"
#include "data/CBattle.h"
#include "data/CBattleContents.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "editor/CArmyListDlg.h"
#include "editor/CArmyParamsDlg.h"
#include "editor/CArmyView.h"
#include "editor/CArmyViewerDlg.h"
#include "editor/CProblemsPanel.h"
#include "editor/SheetPrinter.h"
#include "export/ArmyFile.h"
#include "export/ArmySheet.h"
#include "export/BattleReport.h"
#include "model/ArmySharing.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"
#include "model/CCatalogue.h"

#include "widgets/CDragTreeWidget.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {
// A command's prompt text is "status-bar prompt\ntooltip".
void SetPrompts(QAction* action, const QString& prompts) {
    if (prompts.isEmpty())
        return;
    const qsizetype split = prompts.indexOf(QLatin1Char('\n'));
    action->setStatusTip(split < 0 ? prompts : prompts.left(split));
    action->setToolTip(split < 0 ? prompts : prompts.mid(split + 1));
}
} // namespace

CMainFrame::CMainFrame(CArmyDatabase& db, CArmy& army, CCatalogue& catalogue, QWidget* parent)
    : QMainWindow(parent), m_db(db), m_army(army) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(tr("Skarnholt - SkarnholtDB"));
    setWindowIcon(LoadIconResource(128));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    m_pArmyView = new CArmyView(m_army, this);
    setCentralWidget(m_pArmyView);

    CreateCatalogueBar(catalogue);
    CreateArmyCommands();
    CreateEditCommands();
    CreateToolBar();
    CreateMenus();
    CreateStatusBar();
    m_pArmyView->SetCatalogueBar(m_pCatalogueBar);
    connect(m_pArmyView, &CArmyView::selectionChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&m_army, &CArmy::changed, this, &CMainFrame::UpdateCommandStates);
    // The army says why it refused an edit; the window shows it.
    connect(&m_army, &CArmy::told, this, [](const MessageBox::Shown& message) {
        MessageBox::Show(message.kind, message.id, message.text);
    });
    // An army that could not be read back after a failure is closed.
    connect(&m_army, &CArmy::reloaded, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

void CMainFrame::CreateArmyCommands() {
    connect(AddCommand(ID_ARMY_NEW, tr("Nouvelle armée ...")), &QAction::triggered, this,
            &CMainFrame::OnNewArmy);
    connect(AddCommand(ID_ARMY_OPEN, tr("Ouvrir une armée ...")), &QAction::triggered, this,
            &CMainFrame::OnOpenArmy);
    connect(AddCommand(ID_ARMY_CLOSE, tr("Fermer l'armée")), &QAction::triggered, this,
            &CMainFrame::OnCloseArmy);
    connect(AddCommand(ID_ARMY_PROPERTIES, tr("Propriétés de l'armée ...")), &QAction::triggered,
            this, &CMainFrame::OnArmyProperties);
    connect(AddCommand(ID_ADD_WARCHIEF, tr("Ajouter en chef de guerre")), &QAction::triggered,
            m_pArmyView, &CArmyView::OnAddWarchief);
    connect(AddCommand(ID_ADD_GROUPLEADER, tr("Ajouter en chef de groupe")), &QAction::triggered,
            m_pArmyView, &CArmyView::OnAddGroupLeader);
    connect(AddCommand(ID_ADD_UNIT, tr("Ajouter")), &QAction::triggered, m_pArmyView,
            &CArmyView::OnAddUnit);
    connect(AddCommand(ID_MEMBER_DELETE, tr("Supprimer")), &QAction::triggered, m_pArmyView,
            &CArmyView::OnDeleteMember);
    connect(AddCommand(ID_MEMBER_PROPERTIES, tr("Propriétés ...")), &QAction::triggered,
            m_pArmyView, &CArmyView::OnMemberProperties);
    connect(AddCommand(ID_ARMY_EXPORT, tr("Exporter au format Excel")), &QAction::triggered,
            m_pArmyView, &CArmyView::ExportArmy);
    connect(AddCommand(ID_CATALOGUE_VIEWER, tr("Skarnholt army ...")), &QAction::triggered, this,
            &CMainFrame::OnArmyViewer);
    connect(AddCommand(ID_BATTLE_EDIT, tr("Modifier une bataille ...")), &QAction::triggered, this,
            &CMainFrame::OnModifyBattle);
    connect(AddCommand(ID_BATTLE_NEW, tr("Ajouter une bataille ...")), &QAction::triggered, this,
            &CMainFrame::OnAddBattle);
    connect(AddCommand(ID_BATTLE_REPORT, tr("Rapport de bataille ...")), &QAction::triggered, this,
            &CMainFrame::OnBattleReport);
    connect(AddCommand(ID_ARMY_PRINT, LoadResString(kPrintArmyId)), &QAction::triggered, this,
            &CMainFrame::OnPrintArmy);
    connect(AddCommand(ID_ARMY_PDF, LoadResString(kArmyPdfId)), &QAction::triggered, this,
            &CMainFrame::OnArmyPdf);
    connect(AddCommand(ID_BATTLE_PRINT, LoadResString(kPrintBattleId)), &QAction::triggered, this,
            &CMainFrame::OnPrintBattle);
    connect(AddCommand(ID_ARMY_SHARE, LoadResString(kShareArmyId)), &QAction::triggered, this,
            &CMainFrame::OnShareArmy);
    SetPrompts(Action(ID_ARMY_SHARE), LoadResString(kShareArmyPromptId));
    connect(AddCommand(ID_ARMY_IMPORT, LoadResString(kImportArmyId)), &QAction::triggered, this,
            &CMainFrame::OnImportArmy);
    SetPrompts(Action(ID_ARMY_IMPORT), LoadResString(kImportArmyPromptId));
    Action(ID_ARMY_PRINT)->setShortcut(QKeySequence::Print);
    // The desktop's usual keys, shown beside the commands in the menus.
    Action(ID_ARMY_NEW)->setShortcut(QKeySequence::New);
    Action(ID_ARMY_OPEN)->setShortcut(QKeySequence::Open);
    Action(ID_ARMY_CLOSE)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    Action(ID_ARMY_EXPORT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

void CMainFrame::CreateEditCommands() {
    m_pHistory = new CArmyHistory(m_army, this);
    QAction* undo = AddCommand(ID_EDIT_UNDO, LoadResString(kUndoId));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, m_pHistory, &CArmyHistory::Undo);
    QAction* redo = AddCommand(ID_EDIT_REDO, LoadResString(kRedoId));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QAction::triggered, m_pHistory, &CArmyHistory::Redo);
    connect(m_pHistory, &CArmyHistory::stateChanged, this, &CMainFrame::UpdateUndoCommands);

    // The search in the catalogue, brought into view when the bar was hidden.
    QAction* find = AddCommand(ID_EDIT_FIND, LoadResString(kFindCommandId));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        m_pCatalogueBar->show();
        m_pCatalogueBar->Filter()->setFocus(Qt::ShortcutFocusReason);
        m_pCatalogueBar->Filter()->selectAll();
    });

    // Under the army view only: the catalogue bar keeps the whole left side.
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    m_pProblems = new CProblemsPanel(m_army, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_pProblems);
    m_pProblems->hide();
    QAction* toggle = m_pProblems->toggleViewAction();
    toggle->setText(LoadResString(kProblemsPanelId));
    toggle->setObjectName(CommandObjectName(ID_VIEW_PROBLEMS));
    toggle->setData(int(ID_VIEW_PROBLEMS));
    SetPrompts(toggle, LoadResString(ID_VIEW_PROBLEMS));
    m_actions.insert(ID_VIEW_PROBLEMS, toggle);
    connect(m_pProblems, &CProblemsPanel::memberChosen, m_pArmyView, &CArmyView::SelectMember);
    UpdateUndoCommands();
}

void CMainFrame::UpdateUndoCommands() {
    // A member's name may hold "&": it is no mnemonic.
    const auto set = [](QAction* action, const QString& text, bool enabled) {
        action->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(text);
        action->setEnabled(enabled);
    };
    set(Action(ID_EDIT_UNDO), m_pHistory->UndoText(), m_pHistory->Stack().canUndo());
    set(Action(ID_EDIT_REDO), m_pHistory->RedoText(), m_pHistory->Stack().canRedo());
}

void CMainFrame::UpdateCommandStates() {
    const CArmy& army = m_army;
    // Another player's army is shown, printed and exported, never changed.
    const bool editable = army.IsOpen() && army.IsEditable();
    m_pCatalogueBar->SetArmyOpen(editable);
    Action(ID_ARMY_PROPERTIES)->setEnabled(editable);
    Action(ID_ARMY_CLOSE)->setEnabled(army.IsOpen());
    Action(ID_ARMY_EXPORT)->setEnabled(army.IsOpen());
    Action(ID_ARMY_PRINT)->setEnabled(army.IsOpen());
    Action(ID_ARMY_PDF)->setEnabled(army.IsOpen());
    Action(ID_ARMY_SHARE)->setEnabled(army.IsOpen());
    const bool selected = editable && m_pArmyView->GetSelectedUnit() != nullptr;
    Action(ID_MEMBER_DELETE)->setEnabled(selected);
    Action(ID_MEMBER_PROPERTIES)->setEnabled(selected);
}

QAction* CMainFrame::AddCommand(int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(CommandObjectName(id));
    action->setData(id);
    action->setIcon(LoadIconResource(id));
    SetPrompts(action, LoadResString(id));
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::CreateCatalogueBar(CCatalogue& catalogue) {
    m_pCatalogueBar = new CCatalogueBar(catalogue, QStringLiteral("TQ - Army list view"), this);
    m_pCatalogueBar->setObjectName(QStringLiteral("catalogueBar"));
    addDockWidget(Qt::LeftDockWidgetArea, m_pCatalogueBar);

    // The bar's own show/hide action is the menu command, so its check mark follows the bar.
    QAction* toggle = m_pCatalogueBar->toggleViewAction();
    toggle->setText(tr("Barre des armées"));
    toggle->setObjectName(CommandObjectName(ID_VIEW_ARMYBAR));
    toggle->setData(int(ID_VIEW_ARMYBAR));
    m_actions.insert(ID_VIEW_ARMYBAR, toggle);

    connect(AddCommand(ID_UNITTYPE_PROPERTIES, tr("Propriétés")), &QAction::triggered, this,
            &CMainFrame::OnUnitTypeProperties);
    connect(m_pCatalogueBar, &CCatalogueBar::propertiesRequested, this,
            &CMainFrame::OnUnitTypeProperties);
    connect(AddCommand(ID_CHOOSE_RACES, tr("Sélectionner les races affichées")),
            &QAction::triggered, this, &CMainFrame::ChooseShownRaces);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(tr("Barre d'outils"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    AddCommand(ID_APP_ABOUT, tr("À &propos de SkarnholtDB..."));
    SetPrompts(Action(ID_APP_ABOUT), tr("Afficher des informations sur le programme\nÀ propos de"));
    m_pToolBar->addAction(Action(ID_ARMY_NEW));
    m_pToolBar->addAction(Action(ID_ARMY_OPEN));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_EDIT_UNDO));
    m_pToolBar->addAction(Action(ID_EDIT_REDO));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_CHOOSE_RACES));
    m_pToolBar->addAction(Action(ID_ARMY_EXPORT));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_APP_ABOUT));
    // The button the bar shows when its tools do not fit is a picture alone.
    for (QToolButton* button : m_pToolBar->findChildren<QToolButton*>()) {
        if (!button->defaultAction())
            button->setAccessibleName(LoadResString(kMoreToolsId));
    }
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Fichier"));
    file->setObjectName(QStringLiteral("menuFile"));
    file->addAction(Action(ID_ARMY_NEW));
    file->addAction(Action(ID_ARMY_OPEN));
    file->addAction(Action(ID_ARMY_CLOSE));
    file->addAction(Action(ID_ARMY_EXPORT));
    file->addSeparator();
    file->addAction(Action(ID_ARMY_SHARE));
    file->addAction(Action(ID_ARMY_IMPORT));
    file->addSeparator();
    file->addAction(Action(ID_ARMY_PRINT));
    file->addAction(Action(ID_ARMY_PDF));
    file->addSeparator();
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    QAction* exit = AddCommand(ID_APP_EXIT, tr("&Quitter"));
    SetPrompts(exit, tr("Quitter l'application\nQuitter"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    QMenu* edit = menuBar()->addMenu(LoadResString(kEditMenuId));
    edit->setObjectName(QStringLiteral("menuEdit"));
    edit->addAction(Action(ID_EDIT_UNDO));
    edit->addAction(Action(ID_EDIT_REDO));
    edit->addSeparator();
    edit->addAction(Action(ID_EDIT_FIND));

    QMenu* armyMenu = menuBar()->addMenu(tr("A&rmée"));
    armyMenu->setObjectName(QStringLiteral("menuArmy"));
    armyMenu->addAction(Action(ID_CATALOGUE_VIEWER));

    QMenu* battles = menuBar()->addMenu(tr("&Batailles"));
    battles->setObjectName(QStringLiteral("menuBattles"));
    battles->addAction(Action(ID_BATTLE_EDIT));
    battles->addAction(Action(ID_BATTLE_NEW));
    battles->addSeparator();
    battles->addAction(Action(ID_BATTLE_REPORT));
    battles->addAction(Action(ID_BATTLE_PRINT));

    QMenu* view = menuBar()->addMenu(tr("&Affichage"));
    view->setObjectName(QStringLiteral("menuView"));
    QAction* toolBar = m_pToolBar->toggleViewAction();
    toolBar->setText(tr("&Barre d'outils"));
    toolBar->setObjectName(CommandObjectName(ID_VIEW_TOOLBAR));
    toolBar->setData(int(ID_VIEW_TOOLBAR));
    m_actions.insert(ID_VIEW_TOOLBAR, toolBar);
    view->addAction(toolBar);
    QAction* statusBarAction = AddCommand(ID_VIEW_STATUS_BAR, tr("Barre d'é&tat"));
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });
    view->addAction(statusBarAction);
    view->addAction(Action(ID_VIEW_ARMYBAR));
    view->addAction(Action(ID_VIEW_PROBLEMS));
    // On the tool bar too, which the keyboard does not reach.
    view->addSeparator();
    view->addAction(Action(ID_CHOOSE_RACES));

    QMenu* help = menuBar()->addMenu(tr("&?"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto makePane = [bar](const QString& text, const char* name) {
        auto* pane = new QLabel(text, bar);
        pane->setObjectName(QLatin1String(name));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setContentsMargins(4, 0, 4, 0);
        bar->addPermanentWidget(pane);
        return pane;
    };
    QLabel* caps = makePane(tr("MAJ"), "capsLockPane");
    QLabel* num = makePane(tr("NUM"), "numLockPane");
    QLabel* scroll = makePane(tr("DEF"), "scrollLockPane");
    m_pIndicators = new CKeyboardIndicators(caps, num, scroll, this);
    // The idle text; command prompts cover it while the mouse is over a command.
    auto* ready = new QLabel(tr("Prêt"), bar);
    ready->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(ready, 1);
}

// ---- The army commands

void CMainFrame::OnNewArmy() {
    CArmyParamsDlg dialog(m_db, nullptr, this);
    if (!dialog.IsLoaded() || dialog.exec() != QDialog::Accepted)
        return;
    CreateArmy(dialog.ChosenRace(), dialog.Name(), dialog.Budget());
}

void CMainFrame::CreateArmy(int raceId, const QString& name, int budget) {
    m_pArmyView->setUpdatesEnabled(false);
    if (m_army.IsOpen())
        OnCloseArmy();
    m_pArmyView->setUpdatesEnabled(true);
    CArmy& army = m_army;
    if (army.Create(raceId, name, budget))
        army.Open(army.GetHeader().IdArmee);
    m_pArmyView->ShowOpenArmy();
    UpdateCommandStates();
}

void CMainFrame::OnOpenArmy() {
    const CArmy& army = m_army;
    CArmyListDlg dialog(m_db, army.IsOpen() ? army.GetHeader().IdArmee : -1, this);
    dialog.SetExcludeOpen(true);
    if (!dialog.Load() || dialog.exec() != QDialog::Accepted)
        return;
    OpenArmy(dialog.ChosenArmy());
}

void CMainFrame::OpenArmy(int armyId) {
    CArmy& army = m_army;
    if (army.IsOpen() && army.GetHeader().IdArmee == armyId) {
        ShowWarningMessage(kArmyAlreadyOpenId);
        return;
    }
    m_pArmyView->setUpdatesEnabled(false);
    if (army.IsOpen())
        OnCloseArmy();
    m_pArmyView->setUpdatesEnabled(true);
    // An army that cannot be read is not shown as an empty one: the view stays hidden.
    army.Open(armyId);
    m_pArmyView->ShowOpenArmy();
    UpdateCommandStates();
}

void CMainFrame::ShowAtStart() {
    // Three quarters of the screen, centred; nothing of it is kept from one run to the next.
    const QRect available = screen()->availableGeometry();
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, available.size() * 3 / 4, available));
    showMaximized();
}

void CMainFrame::OnCloseArmy() {
    m_army.Close();
    m_pCatalogueBar->RebuildTree();
    m_pArmyView->HideArmy();
    UpdateCommandStates();
}

void CMainFrame::OnArmyProperties() {
    CArmy& army = m_army;
    if (!army.IsOpen() || !army.IsEditable())
        return;
    CArmyHeader edited = army.GetHeader();
    CArmyParamsDlg dialog(m_db, &edited, this);
    if (dialog.IsLoaded() && dialog.exec() == QDialog::Accepted)
        army.SetProperties(edited.Nom, edited.NombrePointMax);
}

// ---- The catalogue viewer and the battle commands

void CMainFrame::OnArmyViewer() {
    CArmyViewerDlg viewer(m_pCatalogueBar->Catalogue(), m_db, this);
    if (viewer.IsLoaded())
        viewer.exec();
}

void CMainFrame::OnAddBattle() {
    CBattleDlg dialog(m_db, nullptr, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CArmyDatabase& db = m_db;
    const int found = db.FindBattleByName(dialog.Name(), nullptr);
    if (found == CArmyDatabase::kReadFailed)
        return;
    if (found == CArmyDatabase::kFound) {
        ShowInfoMessage(kBattleExistsId);
        return;
    }
    db.InsertBattle(dialog.Name(), dialog.Description(), dialog.ArmyIds());
}

void CMainFrame::OnModifyBattle() {
    CBattleListDlg list(m_db, this);
    if (!list.IsLoaded() || list.exec() != QDialog::Accepted || !list.Selected())
        return;
    CBattle* battle = list.Selected();
    CBattleDlg dialog(m_db, battle, this);
    if (!dialog.IsLoaded() || dialog.exec() != QDialog::Accepted)
        return;
    m_db.UpdateBattle(battle->IdBattle, battle->Nom, battle->Description, dialog.ArmyIds());
}

void CMainFrame::OnBattleReport() {
    CBattleListDlg list(m_db, this);
    list.ChooseFirst();
    if (!list.IsLoaded() || list.exec() != QDialog::Accepted || !list.Selected())
        return;
    CBattleContents battle;
    const int found = m_db.LoadBattleContents(list.Selected()->IdBattle, &battle);
    // A report that cannot be read whole is not written at all; the reason was shown.
    if (found == CArmyDatabase::kFound)
        WriteBattleReport(battle);
    else if (found == CArmyDatabase::kNotFound)
        ShowWarningMessage(kNoBattleId);
}

void CMainFrame::OnPrintArmy() {
    const CArmy& army = m_army;
    if (army.IsOpen())
        PreviewSheet(ArmySheetHtml(army), army.GetName(), this);
}

void CMainFrame::OnArmyPdf() {
    const CArmy& army = m_army;
    if (!army.IsOpen())
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, LoadResString(kPdfDialogTitleId),
        QDir::current().filePath(SheetFileName(army.GetName())), LoadResString(kPdfFilterId));
    if (path.isEmpty())
        return;
    if (WriteSheetPdf(ArmySheetHtml(army), path))
        ShowStatusMessage(kFileWrittenId, LoadResString(kFileWrittenId).arg(path));
    else
        ShowWarningMessage(kCannotWriteFileId, LoadResString(kCannotWriteFileId).arg(path));
}

void CMainFrame::OnPrintBattle() {
    CBattleListDlg list(m_db, this);
    list.ChooseFirst();
    if (!list.IsLoaded() || list.exec() != QDialog::Accepted || !list.Selected())
        return;
    CArmyDatabase& db = m_db;
    CBattleContents battle;
    if (db.LoadBattleContents(list.Selected()->IdBattle, &battle) == CArmyDatabase::kFound)
        PreviewSheet(BattleSheetHtml(db, battle), list.Selected()->Nom, this);
    else
        ShowInfoMessage(kNoBattleId);
}

// ---- Sharing an army as a file

void CMainFrame::OnShareArmy() {
    if (!m_army.IsOpen())
        return;
    QFileDialog dialog(this, LoadResString(kShareDialogTitleId),
                       QDir::current().filePath(ArmyFileName(m_army.GetName())),
                       LoadResString(kArmyFileFilterId));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(ArmyFile::kExtension).mid(1));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ShareArmy(dialog.selectedFiles().constFirst());
}

bool CMainFrame::ShareArmy(const QString& path) {
    if (!m_army.IsOpen())
        return false;
    // A member's type is named as the catalogue has it.
    CCatalogue& catalogue = m_pCatalogueBar->Catalogue();
    if (!catalogue.CompleteAll())
        return false;
    const CSharedArmy shared = SharedArmyOf(m_army, catalogue.UnitTypes(), catalogue.Races());
    if (WriteExport(QString(), path, ArmyFileText(shared)).isEmpty()) {
        ShowWarningMessage(kCannotWriteFileId, LoadResString(kCannotWriteFileId).arg(path));
        return false;
    }
    ShowStatusMessage(kFileWrittenId,
                      LoadResString(kFileWrittenId).arg(QFileInfo(path).absoluteFilePath()));
    return true;
}

void CMainFrame::OnImportArmy() {
    const QString path = QFileDialog::getOpenFileName(
        this, LoadResString(kImportDialogTitleId), QDir::currentPath(),
        LoadResString(kArmyFileFilterId) + QStringLiteral(";;JSON (*.json);;* (*)"));
    if (!path.isEmpty())
        ImportArmyFiles({path});
}

int CMainFrame::ImportArmyFiles(const QStringList& paths) {
    int imported = -1;
    for (const QString& path : paths) {
        const int armyId = ImportArmyFile(path);
        if (armyId >= 0)
            imported = armyId;
    }
    if (imported >= 0)
        OpenArmy(imported);
    return imported;
}

int CMainFrame::ImportArmyFile(const QString& path) {
    const auto refused = [&path](const QString& problem) {
        ShowWarningMessage(kArmyFileRefusedId,
                           LoadResString(kArmyFileRefusedId).arg(Isolated(path), problem));
        return -1;
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CSharedArmy army;
    QString problem;
    const bool read = ReadArmyFile(path, &army, &problem);
    CArmyImport import(m_db, m_pCatalogueBar->Catalogue(), army);
    const CArmyImport::Outcome matched = read ? import.Match() : CArmyImport::Outcome::Refused;
    QApplication::restoreOverrideCursor();
    if (!read)
        return refused(problem);
    // A catalogue that could not be read was said so by the connection.
    if (matched == CArmyImport::Outcome::Failed)
        return -1;
    if (matched == CArmyImport::Outcome::Refused)
        return refused(import.Problem());
    if (!import.Misfits().isEmpty() &&
        !AskYesNoMessage(kMisfitsQuestionId,
                         LoadResString(kMisfitsQuestionId)
                             .arg(Isolated(path), import.MisfitSummary())
                             .arg(import.LeftOutCount())
                             .arg(import.MemberCount()),
                         true))
        return -1;
    // Shown only when storing lasts (a big army, a server far away); nothing to cancel: the
    // army is stored whole or not at all.
    QProgressDialog progress(LoadResString(kImportProgressId).arg(QFileInfo(path).fileName()),
                             QString(), 0, 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setCancelButton(nullptr);
    const int armyId = import.Store([&progress](int stored, int total) {
        progress.setMaximum(total);
        progress.setValue(stored);
    });
    progress.reset();
    if (armyId < 0)
        return -1;
    ShowStatusMessage(kArmyImportedId,
                      LoadResString(kArmyImportedId).arg(Isolated(import.StoredName()), path));
    return armyId;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The display order of the open army is stored before the program ends.
    CArmy& army = m_army;
    if (army.IsOpen()) {
        army.Close();
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::ChooseShownRaces() {
    m_pCatalogueBar->ChooseShownRaces();
}

void CMainFrame::OnUnitTypeProperties() {
    CUnitType* type = m_pCatalogueBar->GetSelectedUnitType();
    if (!type)
        return;
    CUnitTypePropertiesDlg dialog(m_db, this);
    dialog.SetUnitType(type);
    if (dialog.IsLoaded())
        dialog.exec();
}
