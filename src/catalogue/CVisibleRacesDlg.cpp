// SPDX-License-Identifier: GPL-3.0-or-later

#include "CVisibleRacesDlg.h"

#include "data/CRace.h"
#include "ui_CVisibleRacesDlg.h"

namespace {
constexpr int kColumnWidth = 200;

CRace* RaceOf(const QTreeWidgetItem* item) {
    return static_cast<CRace*>(item->data(0, Qt::UserRole).value<void*>());
}
} // namespace

CVisibleRacesDlg::CVisibleRacesDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CVisibleRacesDlg>()) {
    m_ui->setupUi(this);
    // The list is what the dialog shows: a screen reader names it as the dialog.
    m_ui->raceList->setAccessibleName(windowTitle());
    m_ui->raceList->setColumnWidth(0, kColumnWidth);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CVisibleRacesDlg::accept);
    connect(m_ui->noneButton, &QPushButton::clicked, this, &CVisibleRacesDlg::OnNone);
    connect(m_ui->allButton, &QPushButton::clicked, this, &CVisibleRacesDlg::OnAll);
}

CVisibleRacesDlg::~CVisibleRacesDlg() = default;

void CVisibleRacesDlg::SetRaces(CItemList<CRace>* races) {
    m_pRaces = races;
    FillList();
}

QTreeWidget* CVisibleRacesDlg::RaceList() const {
    return m_ui->raceList;
}

void CVisibleRacesDlg::FillList() {
    QTreeWidget* list = m_ui->raceList;
    list->setUpdatesEnabled(false);
    list->clear();
    if (m_pRaces) {
        for (CRace* race : *m_pRaces) {
            auto* row = new QTreeWidgetItem(list, QStringList{race->RaceGB});
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            row->setData(0, Qt::UserRole, QVariant::fromValue<void*>(race));
            row->setCheckState(0, race->m_bShown ? Qt::Checked : Qt::Unchecked);
        }
    }
    list->setUpdatesEnabled(true);
}

void CVisibleRacesDlg::SetAll(int shown) {
    if (!m_pRaces)
        return;
    for (CRace* race : *m_pRaces)
        race->m_bShown = shown;
    FillList();
}

void CVisibleRacesDlg::OnNone() {
    SetAll(0);
}

void CVisibleRacesDlg::OnAll() {
    SetAll(1);
}

void CVisibleRacesDlg::accept() {
    QTreeWidget* list = m_ui->raceList;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        RaceOf(item)->m_bShown = item->checkState(0) == Qt::Checked ? 1 : 0;
    }
    QDialog::accept();
}
