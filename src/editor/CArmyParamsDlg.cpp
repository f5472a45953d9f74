// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyParamsDlg.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CRace.h"
#include "ui_CArmyParamsDlg.h"

#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

CArmyParamsDlg::CArmyParamsDlg(CArmyDatabase& db, CArmyHeader* header, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CArmyParamsDlg>()), m_pHeader(header), m_db(db) {
    m_ui->setupUi(this);
    m_ui->budgetEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_ui->budgetEdit));
    FillRaces();
    connect(m_ui->raceList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CArmyParamsDlg::OnRaceChanged);

    if (m_pHeader) {
        ShowHeader();
        connect(m_ui->budgetEdit, &QLineEdit::textChanged, this, &CArmyParamsDlg::ShowRest);
    } else {
        m_ui->budgetEdit->setText(QStringLiteral("0"));
        m_ui->raceList->setCurrentIndex(-1);
        m_ui->racePicture->SetBitmap(-1);
        for (QWidget* widget : {m_ui->costLabel, m_ui->costText, m_ui->costUnit, m_ui->restLabel,
                                m_ui->restText, m_ui->restUnit})
            widget->hide();
    }
    adjustSize();
}

CArmyParamsDlg::~CArmyParamsDlg() = default;

QComboBox* CArmyParamsDlg::RaceList() const {
    return m_ui->raceList;
}

QLineEdit* CArmyParamsDlg::NameEdit() const {
    return m_ui->nameEdit;
}

QLineEdit* CArmyParamsDlg::BudgetEdit() const {
    return m_ui->budgetEdit;
}

CPictureStatic* CArmyParamsDlg::RacePicture() const {
    return m_ui->racePicture;
}

QLabel* CArmyParamsDlg::CostText() const {
    return m_ui->costText;
}

QLabel* CArmyParamsDlg::RestLabel() const {
    return m_ui->restLabel;
}

QLabel* CArmyParamsDlg::RestText() const {
    return m_ui->restText;
}

void CArmyParamsDlg::FillRaces() {
    CItemList<CRace> races;
    m_bLoaded = m_db.LoadRaces(races);
    std::vector<std::pair<QString, int>> entries;
    for (const CRace* race : races)
        entries.emplace_back(GetRaceName(race->IdRace), race->IdRace);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [text, raceId] : entries)
        m_ui->raceList->addItem(text, raceId);
}

void CArmyParamsDlg::ShowHeader() {
    m_name = m_pHeader->Nom;
    m_budget = m_pHeader->NombrePointMax;
    m_chosenRace = m_pHeader->IdRace;
    m_ui->nameEdit->setText(m_name);
    m_ui->budgetEdit->setText(QString::number(m_budget));

    QComboBox* list = m_ui->raceList;
    int index = list->findData(m_chosenRace);
    // A race missing from the catalogue still names the army, so that OK is not refused.
    if (index < 0) {
        list->addItem(GetRaceName(m_chosenRace), m_chosenRace);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
    list->setEnabled(false);
    m_ui->racePicture->SetBitmap(GetRaceBitmapId(m_chosenRace));

    m_ui->costText->setText(QString::number(m_pHeader->CoutTotal));
    ShowRest();
}

// The rest follows the budget as it is typed; a budget not typed yet counts as none.
void CArmyParamsDlg::ShowRest() {
    const int rest = m_ui->budgetEdit->text().toInt() - m_pHeader->CoutTotal;
    m_ui->restLabel->setText(rest < 0 ? QStringLiteral("Over") : QStringLiteral("Rest"));
    m_ui->restText->setText(QString::number(std::abs(rest)));
}

void CArmyParamsDlg::OnRaceChanged(int index) {
    m_ui->racePicture->SetBitmap(
        index < 0 ? -1 : GetRaceBitmapId(m_ui->raceList->itemData(index).toInt()));
}

bool CArmyParamsDlg::CheckValues(const QString& name, int& budget) const {
    bool isNumber = false;
    budget = m_ui->budgetEdit->text().toInt(&isNumber);
    // The range named is what OK accepts: 0 passes here only to be refused below with a message
    // of its own.
    if (!isNumber || budget < 0 || budget > kMaxBudget) {
        ShowWarningMessage(kBudgetRangeId,
                           LoadResString(kBudgetRangeId).arg(kMinBudget).arg(kMaxBudget));
        return false;
    }
    // Blanks alone are no name: the army could not be told apart in the list.
    if (name.trimmed().isEmpty()) {
        ShowInfoMessage(kEmptyArmyNameId);
        return false;
    }
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        return false;
    }
    if (budget == 0) {
        ShowInfoMessage(kNoBudgetId);
        return false;
    }
    if (m_ui->raceList->currentIndex() < 0) {
        ShowInfoMessage(kNoRaceId);
        return false;
    }
    CArmyHeader namesake;
    const int found = m_db.FindArmyByName(name, namesake);
    if (found == CArmyDatabase::kReadFailed)
        return false;
    if (found == CArmyDatabase::kFound && !(m_pHeader && namesake.IdArmee == m_pHeader->IdArmee)) {
        ShowInfoMessage(kDuplicateArmyNameId);
        return false;
    }
    return true;
}

void CArmyParamsDlg::accept() {
    const QString name = m_ui->nameEdit->text();
    int budget = 0;
    if (!CheckValues(name, budget))
        return;
    m_name = name;
    m_budget = budget;
    m_chosenRace = m_ui->raceList->currentData().toInt();
    if (m_pHeader) {
        m_pHeader->Nom = m_name;
        m_pHeader->NombrePointMax = m_budget;
    }
    QDialog::accept();
}
