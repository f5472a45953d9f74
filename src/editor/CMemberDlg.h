// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "army/CUnitCostCalculator.h"
#include "data/CArmyUnit.h"
#include "widgets/CImageList.h"

#include <QDialog>

class CPictureStatic;
class CUnitStatsList;
class QLineEdit;

// What the leader and combat unit dialogs share: a working copy of the member, priced on every
// change, shown live in the first row of the statistics list, with its name, its price and its
// race's picture; OK checks the name and copies the result back.
class CMemberDlg : public QDialog {
    Q_OBJECT
public:
protected:
    CMemberDlg(CArmyUnit* member, QWidget* parent);

    // After the form is set up: the shared widgets, and the rows shown under the working copy.
    void SetUp(CUnitStatsList* list, QLineEdit* name, QLineEdit* totalCost,
               CPictureStatic* racePicture, const QList<CArmyUnit*>& shownBelow = {});
    // The price of the working copy, in the total and in its row.
    void Recompute();
    // OK's part in common: false, the dialog staying open, when the name does not fit; else
    // the working copy goes back into the member.
    bool TakeName();
    void CopyBack();

    CArmyUnit m_working;
    CUnitCostCalculator m_calculator;

private:
    CArmyUnit* m_pMember;
    CImageList m_images;
    CUnitStatsList* m_pList = nullptr;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pTotalCost = nullptr;
};
