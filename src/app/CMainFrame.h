// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QHash>
#include <QMainWindow>

class CArmy;
class CArmyDatabase;
class CArmyHistory;
class CArmyView;
class CCatalogue;
class CCatalogueBar;
class CProblemsPanel;
class CKeyboardIndicators;
class CUnitType;
class QAction;

// The one main window: menus, tool bar, status bar, the catalogue bar docked on the left and
// the army view in the middle. Nothing of its layout is kept between runs.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The program's connection, army and catalogue, given by its start-up.
    CMainFrame(CArmyDatabase& db, CArmy& army, CCatalogue& catalogue, QWidget* parent = nullptr);

    // The action of a command id; nullptr for a command this window does not offer.
    QAction* Action(int id) const { return m_actions.value(id); }
    CCatalogueBar* CatalogueBar() const { return m_pCatalogueBar; }
    CArmyView* ArmyView() const { return m_pArmyView; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    CArmyHistory* History() const { return m_pHistory; }
    CProblemsPanel* ProblemsPanel() const { return m_pProblems; }

    // Passed to the catalogue bar.
    void ChooseShownRaces();

    // The army commands without their dialogs: each shows the army as stored afterwards.
    void CreateArmy(int raceId, const QString& name, int budget);
    void OpenArmy(int armyId);
    // Writes the open army's .skarmy file there; false, after saying why, when it cannot.
    bool ShareArmy(const QString& path);
    // Imports each .skarmy file (asking before leaving out members this catalogue lacks), then
    // opens the last army imported; its key, -1 when none was.
    int ImportArmyFiles(const QStringList& paths);

public slots:
    // Enables each command by its rule (an army open, a member selected...).
    void UpdateCommandStates();
    void OnNewArmy();
    void OnOpenArmy();
    void OnCloseArmy();
    // Shows the window maximised, and where the desktop does not maximise it (no window
    // manager, a tiling one), still large enough for the catalogue, the tree and the list.
    void ShowAtStart();
    void OnArmyProperties();
    void OnArmyViewer();
    void OnAddBattle();
    void OnModifyBattle();
    void OnBattleReport();
    // The army sheet: a print preview, or a PDF file; the sheets of a battle's armies.
    void OnPrintArmy();
    void OnArmyPdf();
    void OnPrintBattle();
    // The army's file to share, and an army from such a file, each through its file dialog.
    void OnShareArmy();
    void OnImportArmy();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void OnUnitTypeProperties();

private:
    QAction* AddCommand(int id, const QString& text);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCatalogueBar(CCatalogue& catalogue);
    void CreateArmyCommands();
    void CreateEditCommands();
    void UpdateUndoCommands();
    // The key of the army imported from the file, or -1 (the player was told why).
    int ImportArmyFile(const QString& path);

    CArmyDatabase& m_db;
    CArmy& m_army;
    QHash<int, QAction*> m_actions;
    QToolBar* m_pToolBar = nullptr;
    CCatalogueBar* m_pCatalogueBar = nullptr;
    CArmyView* m_pArmyView = nullptr;
    CKeyboardIndicators* m_pIndicators = nullptr;
    CArmyHistory* m_pHistory = nullptr;
    CProblemsPanel* m_pProblems = nullptr;
};
