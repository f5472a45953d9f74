// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"
#include "widgets/CImageList.h"

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CUnitType;
class QTableWidget;
namespace Ui {
class CUnitTypePropertiesDlg;
}

// Every statistic of one catalogue unit type, side by side with the types attached to it (a
// machine's crew, a rider's mount), beside the picture of its race. Stores nothing.
class CUnitTypePropertiesDlg : public QDialog {
    Q_OBJECT
public:
    // False when the attached types could not be read: the dialog must not be shown.
    bool IsLoaded() const { return m_bLoaded; }
    explicit CUnitTypePropertiesDlg(CArmyDatabase& db, QWidget* parent = nullptr);
    ~CUnitTypePropertiesDlg() override;

    // The type to show, set before the dialog is shown; not owned.
    void SetUnitType(CUnitType* type);

    QTableWidget* PropertyList() const;
    int RaceBitmapId() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();
    void FillColumn(int column, const CUnitType& type);
    void FitListToContents();

    std::unique_ptr<Ui::CUnitTypePropertiesDlg> m_ui;
    CUnitType* m_pUnitType = nullptr;
    CItemList<CUnitType> m_attachedTypes;
    CImageList m_images;
    int m_nRowIcon = -1;
    bool m_filled = false;
    bool m_bLoaded = true;
    CArmyDatabase& m_db;
};
