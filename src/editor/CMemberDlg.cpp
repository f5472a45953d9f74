// SPDX-License-Identifier: GPL-3.0-or-later

#include "CMemberDlg.h"

#include "army/ValueNames.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "widgets/CPictureStatic.h"
#include "widgets/CUnitStatsList.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <QLineEdit>

namespace {
constexpr int kImageSize = 24;
} // namespace

CMemberDlg::CMemberDlg(CArmyUnit* member, QWidget* parent)
    : QDialog(parent), m_working(*member), m_pMember(member) {
    m_calculator.SetUnit(&m_working);
}

void CMemberDlg::SetUp(CUnitStatsList* list, QLineEdit* name, QLineEdit* totalCost,
                       CPictureStatic* racePicture, const QList<CArmyUnit*>& shownBelow) {
    m_pList = list;
    m_pName = name;
    m_pTotalCost = totalCost;
    LoadStatImageList(m_images, kImageSize);
    list->SetImageList(&m_images);
    InsertUnitColumns(*list);
    // Row 0 shows the copy being edited, the attached units below it as they are.
    for (CArmyUnit* unit : QList<CArmyUnit*>{&m_working} + shownBelow)
        AddUnitRow(*list, unit, GetUnitKindImageByHierarchy(unit->Hierarchie), -1);
    name->setText(m_working.Nom);
    racePicture->SetBitmap(GetRaceBitmapId(m_working.IdRace));
    connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_working.Nom = text;
        UpdateUnitRow(*m_pList, &m_working, 0);
    });
}

void CMemberDlg::Recompute() {
    m_pTotalCost->setText(QString::number(m_calculator.ComputeCost()));
    UpdateUnitRow(*m_pList, &m_working, 0);
}

bool CMemberDlg::TakeName() {
    const QString name = m_pName->text();
    // A name too long for the database is refused rather than cut behind the user's back.
    if (!CArmyDatabase::FitsTextColumn(name)) {
        ShowWarningMessage(kNameTooLongId);
        m_pName->setFocus();
        return false;
    }
    m_working.Nom = name;
    return true;
}

void CMemberDlg::CopyBack() {
    *m_pMember = m_working;
}
