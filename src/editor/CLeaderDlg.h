#pragma once

#include "army/CUnitCostCalculator.h"
#include "data/CArmyUnit.h"
#include "widgets/CImageList.h"

#include <QDialog>
#include <memory>

class CPictureStatic;
class CUnitStatsList;
class QComboBox;
class QLineEdit;
namespace Ui {
class CLeaderDlg;
}

// The name and command points of a leader, priced as they are chosen. Works on a copy of the
// member, written back on OK only; the caller stores it.
class CLeaderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLeaderDlg(CArmyUnit* member, QWidget* parent = nullptr);
    ~CLeaderDlg() override;

    CUnitStatsList* StatsList() const;
    QComboBox* CommandPoints() const;
    QLineEdit* NameEdit() const;
    QLineEdit* TotalCost() const;
    CPictureStatic* RacePicture() const;
    const CArmyUnit& WorkingCopy() const { return m_working; }

public slots:
    void accept() override;

private:
    void OnCommandPointsChanged(int index);
    void OnNameChanged(const QString& name);
    void Recompute();

    std::unique_ptr<Ui::CLeaderDlg> m_ui;
    CArmyUnit* m_pMember;
    CArmyUnit m_working;
    CUnitCostCalculator m_calculator;
    CImageList m_images;
};
