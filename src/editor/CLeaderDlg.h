// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CMemberDlg.h"

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
class CLeaderDlg : public CMemberDlg {
    Q_OBJECT
public:
    explicit CLeaderDlg(CArmyUnit* member, QWidget* parent = nullptr);
    ~CLeaderDlg() override;

    CUnitStatsList* StatsList() const;
    QComboBox* CommandPoints() const;
    QLineEdit* NameEdit() const;
    QLineEdit* TotalCost() const;
    CPictureStatic* RacePicture() const;

public slots:
    void accept() override;

private:
    void OnCommandPointsChanged(int index);

    std::unique_ptr<Ui::CLeaderDlg> m_ui;
};
