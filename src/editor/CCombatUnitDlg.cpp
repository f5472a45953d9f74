// SPDX-License-Identifier: GPL-3.0-or-later

#include "CCombatUnitDlg.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "ui_CCombatUnitDlg.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <QRegularExpressionValidator>

namespace {
// Qualities are named without the mount or machine forms, whatever the unit is.
constexpr int kPlainCombatant = -1;
} // namespace

CCombatUnitDlg::CCombatUnitDlg(const QList<CArmyUnit*>& units, QWidget* parent)
    : CMemberDlg(units.first(), parent), m_ui(std::make_unique<Ui::CCombatUnitDlg>()) {
    m_ui->setupUi(this);
    m_ui->statsList->setAccessibleName(LoadResString(kMemberStatsNameId));
    SetUp(m_ui->statsList, m_ui->nameEdit, m_ui->totalCostEdit, m_ui->racePicture, units.mid(1));

    m_ui->figuresSlider->setRange(m_working.Min, m_working.Max);
    m_ui->figuresSlider->setValue(m_working.NombreFig);
    m_ui->figureCountLabel->setNum(m_ui->figuresSlider->value());
    m_ui->standardCheck->setChecked(m_working.Etendard == 1);
    m_ui->musiciansEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}")), m_ui->musiciansEdit));
    m_ui->musiciansEdit->setText(QString::number(m_working.Musicien));
    FillQualities();
    Recompute();

    connect(m_ui->figuresSlider, &QSlider::valueChanged, this, &CCombatUnitDlg::OnFiguresChanged);
    connect(m_ui->qualityCombo, &QComboBox::currentIndexChanged, this,
            &CCombatUnitDlg::OnQualityChanged);
    connect(m_ui->standardCheck, &QCheckBox::toggled, this, &CCombatUnitDlg::OnStandardToggled);
    connect(m_ui->musiciansEdit, &QLineEdit::textEdited, this, &CCombatUnitDlg::OnMusiciansEdited);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CCombatUnitDlg::accept);
}

CCombatUnitDlg::~CCombatUnitDlg() = default;

CUnitStatsList* CCombatUnitDlg::StatsList() const {
    return m_ui->statsList;
}

QSlider* CCombatUnitDlg::Figures() const {
    return m_ui->figuresSlider;
}

QComboBox* CCombatUnitDlg::Quality() const {
    return m_ui->qualityCombo;
}

QCheckBox* CCombatUnitDlg::Standard() const {
    return m_ui->standardCheck;
}

QLineEdit* CCombatUnitDlg::Musicians() const {
    return m_ui->musiciansEdit;
}

QLineEdit* CCombatUnitDlg::NameEdit() const {
    return m_ui->nameEdit;
}

QLineEdit* CCombatUnitDlg::TotalCost() const {
    return m_ui->totalCostEdit;
}

CPictureStatic* CCombatUnitDlg::RacePicture() const {
    return m_ui->racePicture;
}

// The type offers its lowest quality and, when it differs, its highest one.
void CCombatUnitDlg::FillQualities() {
    QComboBox* combo = m_ui->qualityCombo;
    combo->addItem(GetQualityName(m_working.IdQualiteMin, kPlainCombatant), m_working.IdQualiteMin);
    if (m_working.IdQualiteMax != m_working.IdQualiteMin)
        combo->addItem(GetQualityName(m_working.IdQualiteMax, kPlainCombatant),
                       m_working.IdQualiteMax);
    combo->setCurrentIndex(combo->findData(m_working.IdQualite));
}

void CCombatUnitDlg::OnFiguresChanged(int figures) {
    m_working.NombreFig = figures;
    m_ui->figureCountLabel->setNum(figures);
    Recompute();
}

void CCombatUnitDlg::OnQualityChanged(int index) {
    if (index < 0)
        return;
    m_working.IdQualite = m_ui->qualityCombo->itemData(index).toInt();
    Recompute();
}

void CCombatUnitDlg::OnStandardToggled(bool checked) {
    m_working.Etendard = checked ? 1 : 0;
    Recompute();
}

// The validator lets digits only, so an empty field is the one text that is not a number: the
// price keeps the last count until another is typed, and OK asks for one.
void CCombatUnitDlg::OnMusiciansEdited(const QString& text) {
    bool isNumber = false;
    const int musicians = text.toInt(&isNumber);
    if (!isNumber)
        return;
    m_working.Musicien = musicians;
    Recompute();
}

void CCombatUnitDlg::accept() {
    if (!TakeName())
        return;
    bool isNumber = false;
    const int musicians = m_ui->musiciansEdit->text().toInt(&isNumber);
    if (!isNumber) {
        ShowWarningMessage(kNotANumberId);
        m_ui->musiciansEdit->setFocus();
        return;
    }
    m_working.Musicien = musicians;
    m_calculator.ComputeCost();
    // A quality stored outside the type's two is kept while none is chosen.
    if (m_ui->qualityCombo->currentIndex() >= 0)
        m_working.IdQualite = m_ui->qualityCombo->currentData().toInt();
    CopyBack();
    QDialog::accept();
}
