// SPDX-License-Identifier: GPL-3.0-or-later

#include "CUnitTypePropertiesDlg.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/Resources.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "ui_CUnitTypePropertiesDlg.h"
#include "widgets/StatImageList.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kImageSize = 24;
constexpr int kRowIconId = 205;
constexpr int kColumnWidth = 120;
constexpr int kPropertiesHeaderId = 178;
constexpr int kRaceLabelId = 145;
// The statistic shown by each row under the race, top to bottom: the armour comes before the
// shield here.
constexpr int kRowColumns[] = {kQualityColumn,  kTypeColumn,   kForceColumn,    kResistanceColumn,
                               kValeurColumn,   kArmourColumn, kShieldColumn,   kWeaponsColumn,
                               kMovementColumn, kSaveColumn,   kTerribleColumn, kLightingColumn,
                               kPointsColumn,   kUpgColumn,    kMinColumn,      kMaxColumn};
constexpr int kRowCount = 1 + int(std::size(kRowColumns));

} // namespace

CUnitTypePropertiesDlg::CUnitTypePropertiesDlg(CArmyDatabase& db, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CUnitTypePropertiesDlg>()), m_db(db) {
    m_ui->setupUi(this);
    // The list is what the dialog shows: a screen reader names it as the dialog.
    m_ui->propertyList->setAccessibleName(windowTitle());
}

CUnitTypePropertiesDlg::~CUnitTypePropertiesDlg() = default;

void CUnitTypePropertiesDlg::SetUnitType(CUnitType* type) {
    m_pUnitType = type;
    m_filled = false;
    Fill();
}

QTableWidget* CUnitTypePropertiesDlg::PropertyList() const {
    return m_ui->propertyList;
}

int CUnitTypePropertiesDlg::RaceBitmapId() const {
    return m_ui->racePicture->BitmapId();
}

void CUnitTypePropertiesDlg::showEvent(QShowEvent* event) {
    Fill();
    QDialog::showEvent(event);
}

void CUnitTypePropertiesDlg::Fill() {
    if (m_filled || !m_pUnitType)
        return;
    m_filled = true;

    LoadStatImageList(m_images, kImageSize);
    m_nRowIcon = m_images.GetImageCount();
    m_images.Add(LoadIconResource(kRowIconId));

    QTableWidget* list = m_ui->propertyList;
    list->clear();
    list->setIconSize(QSize(kImageSize, kImageSize));
    m_attachedTypes.RemoveAll();
    m_bLoaded = m_db.LoadUnitTypesByParent(m_pUnitType->ArmyTypeId, m_attachedTypes);

    QStringList headers{LoadResString(kPropertiesHeaderId), m_pUnitType->NomGB};
    for (const CUnitType* attached : m_attachedTypes)
        headers << attached->NomGB;
    list->setColumnCount(static_cast<int>(headers.size()));
    list->setRowCount(kRowCount);
    list->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < headers.size(); ++column) {
        list->setColumnWidth(column, kColumnWidth);
        list->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    list->setItem(0, 0,
                  new QTableWidgetItem(m_images.Icon(m_nRowIcon), LoadResString(kRaceLabelId)));
    for (int row = 1; row < kRowCount; ++row) {
        const int titleId = StatColumns()[kRowColumns[row - 1]].titleId;
        list->setItem(row, 0,
                      new QTableWidgetItem(m_images.Icon(m_nRowIcon), LoadResString(titleId)));
    }
    FillColumn(1, *m_pUnitType);
    int column = 2;
    for (const CUnitType* attached : m_attachedTypes)
        FillColumn(column++, *attached);

    m_ui->racePicture->SetBitmap(GetRaceBitmapId(m_pUnitType->IdRace));
    FitListToContents();
}

// The whole table shows without scrolling: columns as wide as their texts need (never under
// their set width) and every row in view.
void CUnitTypePropertiesDlg::FitListToContents() {
    QTableWidget* list = m_ui->propertyList;
    list->resizeRowsToContents();
    list->resizeColumnsToContents();
    int width = 2 * list->frameWidth();
    for (int column = 0; column < list->columnCount(); ++column) {
        list->setColumnWidth(column, std::max(kColumnWidth, list->columnWidth(column)));
        width += list->columnWidth(column);
    }
    int height = 2 * list->frameWidth() + list->horizontalHeader()->height();
    for (int row = 0; row < list->rowCount(); ++row)
        height += list->rowHeight(row);
    list->setMinimumSize(width, height);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    adjustSize();
}

void CUnitTypePropertiesDlg::FillColumn(int column, const CUnitType& type) {
    QTableWidget* list = m_ui->propertyList;
    list->setItem(0, column, new QTableWidgetItem(GetRaceName(type.IdRace)));
    for (int row = 1; row < kRowCount; ++row) {
        const int stat = kRowColumns[row - 1];
        // Yes or no where the lists show a picture or a mark; a mount's own values from the
        // shield on are the rider's, shown as ditto.
        QString text = stat == kShieldColumn     ? GetYesNoName(type.Bouclier)
                       : stat == kTerribleColumn ? GetYesNoName(type.Terrible)
                                                 : StatColumns()[stat].text(type);
        if (type.IsUncountedType() && stat >= kShieldColumn && stat != kWeaponsColumn &&
            stat != kArmourColumn)
            text = QStringLiteral("''");
        auto* item = new QTableWidgetItem(text);
        const bool armoured =
            type.CombatantType != kUncountedType && type.CombatantType != kMachineType;
        if (stat == kArmourColumn && armoured)
            item->setIcon(m_images.Icon(GetArmourImage(type.IdArmure)));
        if (stat == kShieldColumn && armoured && type.Bouclier == 1)
            item->setIcon(m_images.Icon(kShieldImage));
        if (stat == kWeaponsColumn)
            item->setIcon(m_images.Icon(GetWeaponImage(type.IdArmePrincipale)));
        list->setItem(row, column, item);
    }
}
