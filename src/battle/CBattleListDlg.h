// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CBattle;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class CBattleListDlg;
}

// The stored battles, to choose one or to delete some. Deleting takes effect at once, whether
// the dialog is then confirmed or cancelled.
class CBattleListDlg : public QDialog {
    Q_OBJECT
public:
    // False when the battles could not be read: the dialog must not be shown.
    bool IsLoaded() const { return m_bLoaded; }
    explicit CBattleListDlg(CArmyDatabase& db, QWidget* parent = nullptr);
    ~CBattleListDlg() override;

    // The battle chosen by OK; null until then. Owned by the dialog.
    CBattle* Selected() const { return m_pSelected; }
    // Chooses the first battle already, so that Enter alone takes it (for a list that only
    // picks one to report).
    void ChooseFirst();

    QTreeWidget* BattleList() const;

public slots:
    void OnDelete();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    QTreeWidgetItem* SelectedRow() const;

    std::unique_ptr<Ui::CBattleListDlg> m_ui;
    CItemList<CBattle> m_battles;
    CBattle* m_pSelected = nullptr;
    bool m_bLoaded = false;
    CArmyDatabase& m_db;
};
