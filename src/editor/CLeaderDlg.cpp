// SPDX-License-Identifier: GPL-3.0-or-later

#include "CLeaderDlg.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "ui_CLeaderDlg.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <algorithm>

namespace {
constexpr int kMaxCommandPoints = 5;
} // namespace

CLeaderDlg::CLeaderDlg(CArmyUnit* member, QWidget* parent)
    : CMemberDlg(member, parent), m_ui(std::make_unique<Ui::CLeaderDlg>()) {
    m_ui->setupUi(this);
    m_ui->statsList->setAccessibleName(LoadResString(kMemberStatsNameId));
    SetUp(m_ui->statsList, m_ui->nameEdit, m_ui->totalCostEdit, m_ui->racePicture);
    for (int pc = 0; pc <= kMaxCommandPoints; ++pc)
        m_ui->commandPointsCombo->addItem(QString::number(pc));
    // A count stored out of range by another program is only shown as the nearest one; it is
    // kept until the user picks another.
    m_ui->commandPointsCombo->setCurrentIndex(std::clamp(m_working.Pc, 0, kMaxCommandPoints));
    Recompute();

    connect(m_ui->commandPointsCombo, &QComboBox::currentIndexChanged, this,
            &CLeaderDlg::OnCommandPointsChanged);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CLeaderDlg::accept);
}

CLeaderDlg::~CLeaderDlg() = default;

CUnitStatsList* CLeaderDlg::StatsList() const {
    return m_ui->statsList;
}

QComboBox* CLeaderDlg::CommandPoints() const {
    return m_ui->commandPointsCombo;
}

QLineEdit* CLeaderDlg::NameEdit() const {
    return m_ui->nameEdit;
}

QLineEdit* CLeaderDlg::TotalCost() const {
    return m_ui->totalCostEdit;
}

CPictureStatic* CLeaderDlg::RacePicture() const {
    return m_ui->racePicture;
}

void CLeaderDlg::OnCommandPointsChanged(int index) {
    if (index < 0)
        return;
    m_working.Pc = index;
    Recompute();
}

void CLeaderDlg::accept() {
    if (!TakeName())
        return;
    CopyBack();
    QDialog::accept();
}
