// SPDX-License-Identifier: GPL-3.0-or-later

#include "CBattleDlg.h"

#include "widgets/ListColumns.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"
#include "editor/CArmyListDlg.h"
#include "ui_CBattleDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int kMinArmyCount = 2;

int ArmyIdOf(const QTreeWidgetItem* row) {
    return row->data(0, Qt::UserRole).toInt();
}

} // namespace

CBattleDlg::CBattleDlg(CArmyDatabase& db, CBattle* battle, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CBattleDlg>()), m_pBattle(battle), m_db(db) {
    m_ui->setupUi(this);
    // A label names a list to a screen reader only through its name.
    m_ui->armyList->setAccessibleName(m_ui->armyLabel->text().remove(QLatin1Char('&')));
    SetArmyListColumns(m_ui->armyList);
    m_ui->armyList->installEventFilter(this);
    connect(m_ui->addArmyButton, &QPushButton::clicked, this, &CBattleDlg::OnAddArmy);
    m_ui->removeArmyButton->setText(LoadResString(kRemoveArmyId));
    m_ui->removeArmyButton->setEnabled(false);
    connect(m_ui->removeArmyButton, &QPushButton::clicked, this, &CBattleDlg::OnRemoveArmy);
    connect(m_ui->armyList, &QTreeWidget::itemSelectionChanged, this,
            &CBattleDlg::UpdateRemoveButton);
    // The row the keyboard is on is the one chosen: after the arrows, and the next one once a
    // row is taken out.
    connect(m_ui->armyList, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current) {
        if (current)
            current->setSelected(true);
    });

    if (m_pBattle) {
        m_name = m_pBattle->Nom;
        m_description = m_pBattle->Description;
        m_ui->nameEdit->setText(m_name);
        m_ui->descriptionEdit->setPlainText(m_description);
        CItemList<CArmyHeader> headers;
        m_bLoaded = m_db.LoadBattleArmies(m_pBattle->IdBattle, headers);
        for (const CArmyHeader* header : headers)
            AppendRow(*header);
    }
}

CBattleDlg::~CBattleDlg() = default;

QLineEdit* CBattleDlg::NameEdit() const {
    return m_ui->nameEdit;
}

QPlainTextEdit* CBattleDlg::DescriptionEdit() const {
    return m_ui->descriptionEdit;
}

QTreeWidget* CBattleDlg::ArmyList() const {
    return m_ui->armyList;
}

QPushButton* CBattleDlg::RemoveArmyButton() const {
    return m_ui->removeArmyButton;
}

void CBattleDlg::AppendRow(const CArmyHeader& header) {
    QTreeWidgetItem* row = NewArmyRow(header);
    row->setData(0, Qt::UserRole, header.IdArmee);
    m_ui->armyList->addTopLevelItem(row);
}

void CBattleDlg::OnAddArmy() {
    CArmyListDlg chooser(m_db, -1, this);
    // A battle may bring in any stored army, the one open in the editor included.
    chooser.SetExcludeOpen(false);
    if (!chooser.Load() || chooser.exec() != QDialog::Accepted)
        return;
    AddArmy(chooser.ChosenArmy());
}

bool CBattleDlg::AddArmy(int armyId) {
    QTreeWidget* list = m_ui->armyList;
    for (int index = 0; index < list->topLevelItemCount(); ++index) {
        if (ArmyIdOf(list->topLevelItem(index)) == armyId) {
            ShowInfoMessage(kArmyListedId);
            return false;
        }
    }
    CArmyHeader header;
    if (m_db.FindArmyById(armyId, header) != CArmyDatabase::kFound)
        return false;
    AppendRow(header);
    return true;
}

void CBattleDlg::OnRemoveArmy() {
    const QList<QTreeWidgetItem*> selected = m_ui->armyList->selectedItems();
    if (selected.isEmpty()) {
        ShowInfoMessage(kSelectArmyId);
        return;
    }
    delete selected.first();
    // The last row going takes the selection with it without a word.
    UpdateRemoveButton();
}

void CBattleDlg::UpdateRemoveButton() {
    m_ui->removeArmyButton->setEnabled(!m_ui->armyList->selectedItems().isEmpty());
}

bool CBattleDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->armyList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        OnRemoveArmy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool CBattleDlg::CheckValues(const QString& name, const QString& description) const {
    // A name of blanks alone would look like none in the battle list.
    if (name.trimmed().isEmpty()) {
        ShowInfoMessage(kEmptyBattleNameId);
        return false;
    }
    if (m_ui->armyList->topLevelItemCount() < kMinArmyCount) {
        ShowInfoMessage(kTooFewArmiesId);
        return false;
    }
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        return false;
    }
    if (!CArmyDatabase::FitsTextColumn(description)) {
        ShowWarningMessage(kDescriptionTooLongId);
        return false;
    }
    return true;
}

void CBattleDlg::accept() {
    // Both texts are kept as typed: spaces and line feeds inside them are the user's.
    const QString name = m_ui->nameEdit->text();
    const QString description = m_ui->descriptionEdit->toPlainText();
    if (!CheckValues(name, description))
        return;
    m_name = name;
    m_description = description;
    m_armyIds.clear();
    QTreeWidget* list = m_ui->armyList;
    for (int index = 0; index < list->topLevelItemCount(); ++index)
        m_armyIds.append(ArmyIdOf(list->topLevelItem(index)));
    if (m_pBattle) {
        m_pBattle->Description = m_description;
        m_pBattle->Nom = m_name;
    }
    QDialog::accept();
}
