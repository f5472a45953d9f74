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
constexpr int kImageSize = 24;
constexpr int kMaxCommandPoints = 5;
} // namespace

CLeaderDlg::CLeaderDlg(CArmyUnit* member, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CLeaderDlg>()), m_pMember(member),
      m_working(*member) {
    m_ui->setupUi(this);

    LoadStatImageList(m_images, kImageSize);
    CUnitStatsList* list = m_ui->statsList;
    list->SetImageList(&m_images);
    InsertUnitColumns(*list);
    AddUnitRow(*list, &m_working, GetUnitKindImageByHierarchy(m_working.Hierarchie), 0, -1);

    m_ui->nameEdit->setText(m_working.Nom);
    for (int pc = 0; pc <= kMaxCommandPoints; ++pc)
        m_ui->commandPointsCombo->addItem(QString::number(pc));
    // A count stored out of range by another program is only shown as the nearest one; it is
    // kept until the user picks another.
    m_ui->commandPointsCombo->setCurrentIndex(std::clamp(m_working.Pc, 0, kMaxCommandPoints));
    m_ui->racePicture->SetBitmap(GetRaceBitmapId(m_working.IdRace));

    m_calculator.SetUnit(&m_working);
    Recompute();

    connect(m_ui->commandPointsCombo, &QComboBox::currentIndexChanged, this,
            &CLeaderDlg::OnCommandPointsChanged);
    connect(m_ui->nameEdit, &QLineEdit::textChanged, this, &CLeaderDlg::OnNameChanged);
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

void CLeaderDlg::OnNameChanged(const QString& name) {
    m_working.Nom = name;
    UpdateUnitRow(*m_ui->statsList, &m_working, 0);
}

void CLeaderDlg::Recompute() {
    m_ui->totalCostEdit->setText(QString::number(m_calculator.ComputeCost()));
    UpdateUnitRow(*m_ui->statsList, &m_working, 0);
}

void CLeaderDlg::accept() {
    const QString name = m_ui->nameEdit->text();
    // A name too long for the database is refused rather than cut behind the user's back.
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        m_ui->nameEdit->setFocus();
        return;
    }
    m_working.Nom = name;
    *m_pMember = m_working;
    QDialog::accept();
}
