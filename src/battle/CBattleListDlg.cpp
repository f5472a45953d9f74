// SPDX-License-Identifier: GPL-3.0-or-later

#include "CBattleListDlg.h"

#include "widgets/ListColumns.h"

#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CBattle.h"
#include "ui_CBattleListDlg.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// Characters of the description shown before the ellipsis.
constexpr int kDescriptionPreview = 50;

CBattle* BattleOf(const QTreeWidgetItem* row) {
    return static_cast<CBattle*>(row->data(0, Qt::UserRole).value<void*>());
}

QString DescriptionPreview(const QString& description) {
    const QString preview = description.left(kDescriptionPreview);
    return preview.isEmpty() ? preview : preview + QStringLiteral("...");
}

} // namespace

CBattleListDlg::CBattleListDlg(CArmyDatabase& db, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CBattleListDlg>()), m_db(db) {
    m_ui->setupUi(this);
    // The list is what the dialog shows: a screen reader names it as the dialog.
    m_ui->battleList->setAccessibleName(windowTitle());
    SetListColumns(m_ui->battleList, {{174, 100}, {179, 100}});
    // Double-clicks are watched on the whole list, so that one beside the rows asks for a choice.
    m_ui->battleList->viewport()->installEventFilter(this);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CBattleListDlg::OnDelete);
    Load();
}

CBattleListDlg::~CBattleListDlg() = default;

QTreeWidget* CBattleListDlg::BattleList() const {
    return m_ui->battleList;
}

void CBattleListDlg::Load() {
    m_bLoaded = m_db.LoadBattles(m_battles);
    for (CBattle* battle : m_battles) {
        auto* row =
            new QTreeWidgetItem(QStringList{battle->Nom, DescriptionPreview(battle->Description)});
        row->setData(0, Qt::UserRole, QVariant::fromValue<void*>(battle));
        m_ui->battleList->addTopLevelItem(row);
    }
}

void CBattleListDlg::ChooseFirst() {
    QTreeWidget* list = m_ui->battleList;
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

QTreeWidgetItem* CBattleListDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_ui->battleList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

bool CBattleListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->battleList->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CBattleListDlg::OnDelete() {
    QTreeWidgetItem* row = SelectedRow();
    if (!row) {
        ShowInfoMessage(kSelectBattleId);
        return;
    }
    CBattle* battle = BattleOf(row);
    // A refused delete has been reported by the database; the row stays for what is still stored.
    if (!m_db.DeleteBattle(battle->IdBattle))
        return;
    delete row;
    m_battles.Remove(battle);
}

void CBattleListDlg::accept() {
    QTreeWidgetItem* row = SelectedRow();
    if (!row) {
        ShowInfoMessage(kSelectBattleId);
        return;
    }
    m_pSelected = BattleOf(row);
    QDialog::accept();
}
