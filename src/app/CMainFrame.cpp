#include "CMainFrame.h"

#include "CKeyboardIndicators.h"
#include "CommandIds.h"
#include "Resources.h"
#include "StringTable.h"
#include "catalogue/CCatalogueBar.h"
#include "editor/CArmyView.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {
// A command's prompt text is "status-bar prompt\ntooltip".
void SetPrompts(QAction* action, const QString& prompts) {
    if (prompts.isEmpty())
        return;
    const int split = prompts.indexOf(QLatin1Char('\n'));
    action->setStatusTip(split < 0 ? prompts : prompts.left(split));
    action->setToolTip(split < 0 ? prompts : prompts.mid(split + 1));
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(tr("Skarnholt - SkarnholtDB"));
    setWindowIcon(LoadIconResource(128));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    m_pArmyView = new CArmyView(this);
    setCentralWidget(m_pArmyView);

    CreateCatalogueBar();
    CreateToolBar();
    CreateMenus();
    CreateStatusBar();
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

void CMainFrame::CreateCatalogueBar() {
    m_pCatalogueBar = new CCatalogueBar(QStringLiteral("TQ - Army list view"), this);
    m_pCatalogueBar->setObjectName(QStringLiteral("catalogueBar"));
    addDockWidget(Qt::LeftDockWidgetArea, m_pCatalogueBar);

    // The bar's own show/hide action is the menu command, so its check mark follows the bar.
    QAction* toggle = m_pCatalogueBar->toggleViewAction();
    toggle->setText(tr("Barre des armée"));
    toggle->setObjectName(CommandObjectName(ID_VIEW_ARMYBAR));
    toggle->setData(int(ID_VIEW_ARMYBAR));
    m_actions.insert(ID_VIEW_ARMYBAR, toggle);

    connect(AddCommand(ID_UNITTYPE_PROPERTIES, tr("Propriétés")), &QAction::triggered, this,
            &CMainFrame::OnUnitTypeProperties);
    connect(AddCommand(ID_CHOOSE_RACES, tr("Sélectionner les races affichées")),
            &QAction::triggered, this, &CMainFrame::ChooseShownRaces);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(tr("Barre d'outils"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    AddCommand(ID_APP_ABOUT, tr("&A propos de SkarnholtDB..."));
    SetPrompts(Action(ID_APP_ABOUT), tr("Afficher des informations sur le programme\nA propos de"));
    m_pToolBar->addAction(Action(ID_CHOOSE_RACES));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Fichier"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction* exit = AddCommand(ID_APP_EXIT, tr("&Quitter"));
    SetPrompts(exit, tr("Quitter l'application\nQuitter"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    QMenu* view = menuBar()->addMenu(tr("&Affichage"));
    view->setObjectName(QStringLiteral("menuView"));
    QAction* toolBar = m_pToolBar->toggleViewAction();
    toolBar->setText(tr("&Barre d'outils"));
    toolBar->setObjectName(CommandObjectName(ID_VIEW_TOOLBAR));
    m_actions.insert(ID_VIEW_TOOLBAR, toolBar);
    view->addAction(toolBar);
    QAction* statusBarAction = AddCommand(ID_VIEW_STATUS_BAR, tr("Barre d'é&tat"));
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });
    view->addAction(statusBarAction);
    view->addAction(Action(ID_VIEW_ARMYBAR));

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

void CMainFrame::RefillCatalogue() {
    m_pCatalogueBar->RebuildTree();
}

CUnitType* CMainFrame::GetSelectedUnitType() const {
    return m_pCatalogueBar->GetSelectedUnitType();
}

void CMainFrame::CollectSubTypes(const CUnitType& type, CItemList<CUnitType*>& list) const {
    m_pCatalogueBar->CollectSubTypes(type, list);
}

void CMainFrame::ChooseShownRaces() {
    m_pCatalogueBar->ChooseShownRaces();
}

void CMainFrame::OnUnitTypeProperties() {
    m_pCatalogueBar->ShowSelectedTypeProperties();
}
