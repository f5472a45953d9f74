// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CMemberDlg.h"

#include <QList>
#include <memory>

class CPictureStatic;
class CUnitStatsList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
namespace Ui {
class CCombatUnitDlg;
}

// The choices of a combat unit (figures, quality, musicians, standard, name), priced as they are
// made. Works on a copy of the unit, written back on OK only; the caller stores it.
class CCombatUnitDlg : public CMemberDlg {
    Q_OBJECT
public:
    // The unit first, then the units attached to it, which are only shown; none is owned.
    explicit CCombatUnitDlg(const QList<CArmyUnit*>& units, QWidget* parent = nullptr);
    ~CCombatUnitDlg() override;

    CUnitStatsList* StatsList() const;
    QSlider* Figures() const;
    QComboBox* Quality() const;
    QCheckBox* Standard() const;
    QLineEdit* Musicians() const;
    QLineEdit* NameEdit() const;
    QLineEdit* TotalCost() const;
    CPictureStatic* RacePicture() const;

public slots:
    void accept() override;

private:
    void FillQualities();
    void OnFiguresChanged(int figures);
    void OnQualityChanged(int index);
    void OnStandardToggled(bool checked);
    void OnMusiciansEdited(const QString& text);

    std::unique_ptr<Ui::CCombatUnitDlg> m_ui;
};
