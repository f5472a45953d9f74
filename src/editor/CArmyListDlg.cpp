// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyListDlg.h"

#include "widgets/ListColumns.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"
#include "ui_CArmyListDlg.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace {

CArmyHeader* HeaderOf(const QTreeWidgetItem* item) {
    return static_cast<CArmyHeader*>(item->data(0, Qt::UserRole).value<void*>());
}

} // namespace

CArmyListDlg::CArmyListDlg(CArmyDatabase& db, int openArmyId, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CArmyListDlg>()), m_db(db),
      m_nOpenArmyId(openArmyId) {
    m_ui->setupUi(this);
    // The list is what the dialog shows: a screen reader names it as the dialog.
    m_ui->armyList->setAccessibleName(windowTitle());
    QTreeWidget* list = m_ui->armyList;
    SetArmyListColumns(list);

    connect(list, &QTreeWidget::itemSelectionChanged, this, &CArmyListDlg::UpdateButtons);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &CArmyListDlg::accept);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CArmyListDlg::OnDelete);
    UpdateButtons();
}

CArmyListDlg::~CArmyListDlg() = default;

QTreeWidget* CArmyListDlg::ArmyList() const {
    return m_ui->armyList;
}

QPushButton* CArmyListDlg::OkButton() const {
    return m_ui->okButton;
}

QPushButton* CArmyListDlg::DeleteButton() const {
    return m_ui->deleteButton;
}

void CArmyListDlg::showEvent(QShowEvent* event) {
    if (!m_bLoaded)
        Load();
    QDialog::showEvent(event);
}

bool CArmyListDlg::Load() {
    m_bLoaded = true;
    QTreeWidget* list = m_ui->armyList;
    list->clear();
    m_armies.RemoveAll();
    const bool read = m_db.LoadArmies(m_armies);

    const int openId = m_bExcludeOpen ? m_nOpenArmyId : -1;
    for (CArmyHeader* header : m_armies) {
        if (openId != -1 && header->IdArmee == openId)
            continue;
        QTreeWidgetItem* row = NewArmyRow(*header);
        row->setData(0, Qt::UserRole, QVariant::fromValue<void*>(header));
        // Each army goes on top: the list reads from the last name to the first.
        list->insertTopLevelItem(0, row);
    }
    // The first army chosen already, so that Enter alone opens it.
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    UpdateButtons();
    return read;
}

QTreeWidgetItem* CArmyListDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_ui->armyList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void CArmyListDlg::UpdateButtons() {
    m_ui->deleteButton->setEnabled(SelectedRow() != nullptr);
    m_ui->okButton->setEnabled(m_ui->armyList->topLevelItemCount() > 0);
}

void CArmyListDlg::OnDelete() {
    QTreeWidgetItem* row = SelectedRow();
    if (!row) {
        ShowInfoMessage(kSelectArmyId);
        return;
    }
    CArmyHeader* header = HeaderOf(row);
    if (m_nOpenArmyId != -1 && m_nOpenArmyId == header->IdArmee) {
        ShowWarningMessage(kOpenArmyNotDeletedId);
        return;
    }
    CArmyDatabase& db = m_db;
    const int members = db.CountArmyUnits(header->IdArmee);
    CItemList<CBattle> battles;
    if (members < 0 || !db.LoadArmyBattles(header->IdArmee, battles))
        return;
    // The battles it leaves are named: one may be left with a single army.
    QStringList names;
    for (const CBattle* battle : battles)
        names << Isolated(battle->Nom);
    const QString count = QString::number(members);
    const QString text = LoadResString(names.isEmpty()     ? kDeleteArmyQuestionId
                                       : names.size() == 1 ? kDeleteArmyInBattleQuestionId
                                                           : kDeleteArmyInBattlesQuestionId);
    // In one pass each, so that a name holding "%3" stays as it is.
    const QString name = Isolated(header->Nom);
    const QString question =
        names.isEmpty() ? text.arg(name, count)
        : names.size() == 1
            ? text.arg(name, count, names.first())
            : text.arg(name, count, QString::number(names.size()), names.join(QLatin1Char('\n')));
    if (!AskYesNoMessage(kDeleteArmyQuestionId, question, true))
        return;
    // A refused delete has been reported by the database; the row stays for what is still stored.
    if (!db.DeleteArmyAndContents(header->IdArmee))
        return;
    delete row;
    m_armies.Remove(header);
    UpdateButtons();
}

void CArmyListDlg::accept() {
    QTreeWidgetItem* row = SelectedRow();
    if (!row) {
        reject();
        return;
    }
    const CArmyHeader* header = HeaderOf(row);
    m_chosenArmy = header->IdArmee;
    m_chosenRace = header->IdRace;
    QDialog::accept();
}
