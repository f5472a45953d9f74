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
constexpr int kImageSize = 24;
// Qualities are named without the mount or machine forms, whatever the unit is.
constexpr int kPlainCombatant = -1;
} // namespace

CCombatUnitDlg::CCombatUnitDlg(const QList<CArmyUnit*>& units, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CCombatUnitDlg>()) {
    m_ui->setupUi(this);
    if (!units.isEmpty()) {
        m_pMember = units.first();
        m_working = *m_pMember;
    }

    LoadStatImageList(m_images, kImageSize);
    CUnitStatsList* list = m_ui->statsList;
    list->SetImageList(&m_images);
    InsertUnitColumns(*list);
    // Row 0 shows the copy being edited, the attached units as they are.
    for (qsizetype i = 0; i < units.size(); ++i) {
        CArmyUnit* unit = i == 0 ? &m_working : units.at(i);
        AddUnitRow(*list, unit, GetUnitKindImageByHierarchy(unit->Hierarchie), 0, -1);
    }

    m_ui->figuresSlider->setRange(m_working.Min, m_working.Max);
    m_ui->figuresSlider->setValue(m_working.NombreFig);
    m_ui->figureCountLabel->setNum(m_ui->figuresSlider->value());
    m_ui->nameEdit->setText(m_working.Nom);
    m_ui->standardCheck->setChecked(m_working.Etendard == 1);
    m_ui->musiciansEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}")), m_ui->musiciansEdit));
    m_ui->musiciansEdit->setText(QString::number(m_working.Musicien));
    FillQualities();
    m_ui->racePicture->SetBitmap(GetRaceBitmapId(m_working.IdRace));

    m_calculator.SetUnit(&m_working);
    Recompute();

    connect(m_ui->figuresSlider, &QSlider::valueChanged, this, &CCombatUnitDlg::OnFiguresChanged);
    connect(m_ui->qualityCombo, &QComboBox::currentIndexChanged, this,
            &CCombatUnitDlg::OnQualityChanged);
    connect(m_ui->standardCheck, &QCheckBox::toggled, this, &CCombatUnitDlg::OnStandardToggled);
    connect(m_ui->musiciansEdit, &QLineEdit::textEdited, this, &CCombatUnitDlg::OnMusiciansEdited);
    connect(m_ui->nameEdit, &QLineEdit::textChanged, this, &CCombatUnitDlg::OnNameChanged);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CCombatUnitDlg::accept);
}

CCombatUnitDlg::~CCombatUnitDlg() = default;

CUnitStatsList* CCombatUnitDlg::StatsList() const {
    return m_ui->statsList;
}

QSlider* CCombatUnitDlg::Figures() const {
    return m_ui->figuresSlider;
}

QLabel* CCombatUnitDlg::FigureCount() const {
    return m_ui->figureCountLabel;
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

void CCombatUnitDlg::OnNameChanged(const QString& name) {
    m_working.Nom = name;
    UpdateUnitRow(*m_ui->statsList, &m_working, 0);
}

void CCombatUnitDlg::Recompute() {
    m_ui->totalCostEdit->setText(QString::number(m_calculator.ComputeCost()));
    UpdateUnitRow(*m_ui->statsList, &m_working, 0);
}

void CCombatUnitDlg::accept() {
    const QString name = m_ui->nameEdit->text();
    // A name too long for the database is refused rather than cut behind the user's back.
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        m_ui->nameEdit->setFocus();
        return;
    }
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
    m_working.Nom = name;
    if (m_pMember)
        *m_pMember = m_working;
    QDialog::accept();
}
