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
// Labels of the statistic rows, top to bottom.
constexpr int kRowLabelIds[] = {145, 143, 142, 141, 140, 139, 138, 232, 137,
                                136, 135, 134, 133, 132, 131, 130, 129};
enum Row {
    kRaceRow,
    kQualityRow,
    kTypeRow,
    kForceRow,
    kResistanceRow,
    kValeurRow,
    kArmourRow,
    kShieldRow,
    kWeaponsRow,
    kMovementRow,
    kSaveRow,
    kTerribleRow,
    kLightingRow,
    kPointsRow,
    kUpgRow,
    kMinRow,
    kMaxRow,
    kRowCount
};

} // namespace

CUnitTypePropertiesDlg::CUnitTypePropertiesDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CUnitTypePropertiesDlg>()) {
    m_ui->setupUi(this);
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
    m_bLoaded =
        CArmyDatabase::Instance().LoadUnitTypesByParent(m_pUnitType->ArmyTypeId, m_attachedTypes);

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

    for (int row = 0; row < kRowCount; ++row) {
        auto* label =
            new QTableWidgetItem(m_images.Icon(m_nRowIcon), LoadResString(kRowLabelIds[row]));
        list->setItem(row, 0, label);
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
    const bool uncounted = type.IsUncountedType();
    const int kind = type.CombatantType;
    const QString ditto = QStringLiteral("''");
    const QStringList cells = UnitStatCells(type);
    auto orDitto = [&](const QString& text) { return uncounted ? ditto : text; };

    const QString texts[kRowCount] = {
        GetRaceName(type.IdRace),
        cells.at(kQualityColumn),
        cells.at(kTypeColumn),
        cells.at(kForceColumn),
        cells.at(kResistanceColumn),
        cells.at(kValeurColumn),
        cells.at(kArmourColumn),
        orDitto(GetYesNoName(type.Bouclier)),
        cells.at(kWeaponsColumn),
        orDitto(cells.at(kMovementColumn)),
        orDitto(cells.at(kSaveColumn)),
        orDitto(GetYesNoName(type.Terrible)),
        orDitto(cells.at(kLightingColumn)),
        orDitto(cells.at(kPointsColumn)),
        orDitto(cells.at(kUpgColumn)),
        orDitto(cells.at(kMinColumn)),
        orDitto(cells.at(kMaxColumn)),
    };
    QTableWidget* list = m_ui->propertyList;
    for (int row = 0; row < kRowCount; ++row)
        list->setItem(row, column, new QTableWidgetItem(texts[row]));

    if (kind != kUncountedType && kind != kMachineType) {
        list->item(kArmourRow, column)->setIcon(m_images.Icon(GetArmourImage(type.IdArmure)));
        if (type.Bouclier == 1)
            list->item(kShieldRow, column)->setIcon(m_images.Icon(kShieldImage));
    }
    list->item(kWeaponsRow, column)->setIcon(m_images.Icon(GetWeaponImage(type.IdArmePrincipale)));
}
