// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CArmyHeader;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class CArmyListDlg;
}

// The stored armies, to choose one to open or to delete some. Deleting asks first, never
// touches the army open in the editor, and takes effect at once, whether the dialog is then
// confirmed or cancelled.
class CArmyListDlg : public QDialog {
    Q_OBJECT
public:
    // The army open (-1: none), which the list may leave out and never deletes.
    CArmyListDlg(CArmyDatabase& db, int openArmyId, QWidget* parent = nullptr);
    ~CArmyListDlg() override;

    // Whether the army open in the editor is left out of the list; set before the list loads.
    void SetExcludeOpen(bool exclude) { m_bExcludeOpen = exclude; }
    // Reads the armies from the database; done on first show when not called before. False
    // when they could not be read: the dialog must not be shown then.
    bool Load();

    // The army chosen by OK; -1 until then.
    int ChosenArmy() const { return m_chosenArmy; }
    int ChosenRace() const { return m_chosenRace; }

    QTreeWidget* ArmyList() const;
    QPushButton* OkButton() const;
    QPushButton* DeleteButton() const;

public slots:
    void OnDelete();
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTreeWidgetItem* SelectedRow() const;
    void UpdateButtons();

    std::unique_ptr<Ui::CArmyListDlg> m_ui;
    CItemList<CArmyHeader> m_armies;
    bool m_bExcludeOpen = true;
    bool m_bLoaded = false;
    int m_chosenArmy = -1;
    int m_chosenRace = -1;
    CArmyDatabase& m_db;
    const int m_nOpenArmyId;
};
