// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QDialog>
#include <memory>

class CRace;
class QTreeWidget;
namespace Ui {
class CVisibleRacesDlg;
}

// Chooses which races the catalogue shows. OK keeps the boxes as ticked; "Aucune" and "Toute"
// change every race at once, and stay changed even when the dialog is then cancelled.
class CVisibleRacesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CVisibleRacesDlg(QWidget* parent = nullptr);
    ~CVisibleRacesDlg() override;

    // The catalogue's races, whose shown flags the dialog edits; not owned.
    void SetRaces(CItemList<CRace>* races);
    QTreeWidget* RaceList() const;

public slots:
    void OnNone();
    void OnAll();
    void accept() override;

private:
    void FillList();
    void SetAll(int shown);

    std::unique_ptr<Ui::CVisibleRacesDlg> m_ui;
    CItemList<CRace>* m_pRaces = nullptr;
};
