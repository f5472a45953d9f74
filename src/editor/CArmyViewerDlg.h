// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"
#include "data/CUnitType.h"
#include "widgets/CImageList.h"

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CCatalogue;
class CRace;
class CUnitStatsList;
class QComboBox;
class QTreeWidgetItem;
namespace Ui {
class CArmyViewerDlg;
}

// The whole catalogue in one list, grouped by race or narrowed to one, to look a unit type up,
// open its properties or export the list as text.
class CArmyViewerDlg : public QDialog {
    Q_OBJECT
public:
    // False when the catalogue could not be read: the dialog must not be shown.
    bool IsLoaded() const { return m_bLoaded; }
    CArmyViewerDlg(CCatalogue& catalogue, CArmyDatabase& db, QWidget* parent = nullptr);
    ~CArmyViewerDlg() override;

    // The type chosen by OK; its ArmyTypeId stays -1 when no type was chosen.
    const CUnitType& Result() const { return m_result; }

    // The list as a tab-separated text: each race under a rule, followed by the column titles.
    QString ExportText() const;

    CUnitStatsList* List() const;
    QComboBox* RaceFilter() const;

public slots:
    void Fill();
    void OnDoubleClick(QTreeWidgetItem* item);
    void OnExport();
    void accept() override;

private:
    void AddRaceRow(int raceId);

    std::unique_ptr<Ui::CArmyViewerDlg> m_ui;
    CImageList m_images;
    CCatalogue& m_catalogue;
    CUnitType m_result;
    bool m_bLoaded = false;
    CArmyDatabase& m_db;
};
