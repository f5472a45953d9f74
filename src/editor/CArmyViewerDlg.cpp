// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyViewerDlg.h"

#include "army/ValueNames.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CArmyDatabase.h"
#include "data/CRace.h"
#include "export/CatalogueExport.h"
#include "model/CCatalogue.h"
#include "ui_CArmyViewerDlg.h"
#include "widgets/CUnitStatsList.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <QHeaderView>
#include <QPalette>

#include <algorithm>

namespace {

constexpr int kImageSize = 16;
constexpr int kAllRacesEntry = 0;
} // namespace

CArmyViewerDlg::CArmyViewerDlg(CCatalogue& catalogue, CArmyDatabase& db, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CArmyViewerDlg>()), m_catalogue(catalogue),
      m_db(db) {
    m_ui->setupUi(this);
    m_ui->unitList->setAccessibleName(LoadResString(kUnitTypesNameId));
    // The filter's label, which a screen reader says with the race chosen.
    m_ui->raceLabel->setText(LoadResString(kViewerRaceLabelId));
    CUnitStatsList* list = m_ui->unitList;
    LoadStatImageList(m_images, kImageSize);
    list->SetImageList(&m_images);

    m_bLoaded = catalogue.CompleteAll();

    QComboBox* filter = m_ui->raceFilter;
    filter->addItem(QStringLiteral("All"));
    for (const CRace* race : catalogue.Races())
        filter->addItem(GetRaceName(race->IdRace), race->IdRace);
    filter->setCurrentIndex(kAllRacesEntry);

    InsertStatColumns(*list, true);
    // No column narrower than its title; the rows only ever widen them.
    for (int column = 0; column < list->columnCount(); ++column)
        list->setColumnWidth(
            column, std::max(list->columnWidth(column), list->header()->sectionSizeHint(column)));
    Fill();

    connect(filter, &QComboBox::currentIndexChanged, this, &CArmyViewerDlg::Fill);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &CArmyViewerDlg::OnDoubleClick);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &CArmyViewerDlg::OnExport);
}

CArmyViewerDlg::~CArmyViewerDlg() = default;

CUnitStatsList* CArmyViewerDlg::List() const {
    return m_ui->unitList;
}

QComboBox* CArmyViewerDlg::RaceFilter() const {
    return m_ui->raceFilter;
}

void CArmyViewerDlg::Fill() {
    CUnitStatsList* list = m_ui->unitList;
    list->setUpdatesEnabled(false);
    list->clear();

    const bool allRaces = m_ui->raceFilter->currentIndex() == kAllRacesEntry;
    const int chosenRace = m_ui->raceFilter->currentData().toInt();
    bool anyRaceRow = false;
    int lastRace = 0;
    for (CUnitType* type : m_catalogue.UnitTypes()) {
        if (!allRaces && type->IdRace != chosenRace)
            continue;
        if (allRaces && (!anyRaceRow || type->IdRace != lastRace)) {
            AddRaceRow(type->IdRace);
            anyRaceRow = true;
            lastRace = type->IdRace;
        }
        const int row =
            AddUnitTypeRow(*list, type, GetUnitKindImageByCombatantType(type->CombatantType));
        FitColumnsToRow(*list, row);
    }
    list->setUpdatesEnabled(true);
}

// A race heads its types drawn in the selection colours; it holds no record, so that it is
// never taken for a type.
void CArmyViewerDlg::AddRaceRow(int raceId) {
    CUnitStatsList* list = m_ui->unitList;
    auto* item = new QTreeWidgetItem;
    item->setText(0, GetRaceName(raceId));
    const QBrush background = list->palette().brush(QPalette::Highlight);
    const QBrush foreground = list->palette().brush(QPalette::HighlightedText);
    for (int column = 0; column < list->columnCount(); ++column) {
        item->setBackground(column, background);
        item->setForeground(column, foreground);
    }
    list->addTopLevelItem(item);
}

void CArmyViewerDlg::OnDoubleClick(QTreeWidgetItem* item) {
    if (CUnitStatsList::ItemKind(item) != CUnitStatsList::kUnitTypeRecord)
        return;
    CUnitTypePropertiesDlg dialog(m_db, this);
    dialog.SetUnitType(static_cast<CUnitType*>(CUnitStatsList::ItemData(item)));
    dialog.exec();
}

QString CArmyViewerDlg::ExportText() const {
    const bool allRaces = m_ui->raceFilter->currentIndex() == kAllRacesEntry;
    return CatalogueExportText(m_catalogue.UnitTypes(),
                               allRaces ? kAllRaces : m_ui->raceFilter->currentData().toInt());
}

void CArmyViewerDlg::OnExport() {
    WriteExportAndView(QString::fromLatin1(kCatalogueExportFile), ExportText());
}

void CArmyViewerDlg::accept() {
    const QList<QTreeWidgetItem*> selected = m_ui->unitList->selectedItems();
    if (!selected.isEmpty()) {
        if (const CUnitType* type =
                m_ui->unitList->UnitTypeAt(m_ui->unitList->indexOfTopLevelItem(selected.first())))
            m_result = *type;
    }
    QDialog::accept();
}
