// SPDX-License-Identifier: GPL-3.0-or-later

#include "CRenameUnitDlg.h"

#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "ui_CRenameUnitDlg.h"

CRenameUnitDlg::CRenameUnitDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CRenameUnitDlg>()) {
    m_ui->setupUi(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CRenameUnitDlg::accept);
}

CRenameUnitDlg::~CRenameUnitDlg() = default;

void CRenameUnitDlg::SetName(const QString& name) {
    m_name = name;
    m_ui->nameEdit->setText(name);
    m_ui->nameEdit->selectAll();
}

QLineEdit* CRenameUnitDlg::NameEdit() const {
    return m_ui->nameEdit;
}

void CRenameUnitDlg::accept() {
    const QString name = m_ui->nameEdit->text();
    // A name too long for the database is refused rather than cut behind the user's back.
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        m_ui->nameEdit->setFocus();
        return;
    }
    m_name = name;
    QDialog::accept();
}
