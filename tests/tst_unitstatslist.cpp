#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"
#include "widgets/CImageList.h"
#include "widgets/CUnitStatsList.h"
#include "widgets/UnitStatsListOps.h"

#include <QPixmap>
#include <QStyledItemDelegate>
#include <QtTest>

// Column layouts, rows and icons of the unit statistics list, in the built-in French.
class TestUnitStatsList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void columnsAndRows();
    void iconsWhereTheyAreWorn();

private:
    CImageList m_images; // 26 distinct icons standing in for the statistic images
};

namespace {

QStringList Titles(const QTreeWidget& list) {
    QStringList titles;
    for (int c = 0; c < list.columnCount(); ++c)
        titles << list.headerItem()->text(c);
    return titles;
}

bool SameIcon(const QIcon& a, const QIcon& b) {
    return !a.isNull() && a.cacheKey() == b.cacheKey();
}

CArmyUnit Infantry(const QString& name, int combatantType = kCombatUnitType) {
    CArmyUnit unit;
    unit.Nom = name;
    unit.CombatantType = combatantType;
    unit.Force = 3;
    unit.IdArmure = 2;
    unit.Bouclier = 1;
    unit.IdArmePrincipale = 1;
    unit.CoutTotal = 90;
    return unit;
}

} // namespace

void TestUnitStatsList::initTestCase() {
    for (int i = 0; i < 26; ++i)
        m_images.Add(QIcon(QPixmap(16, 16)));
}

void TestUnitStatsList::columnsAndRows() {
    // The titles stand over the cells in the order the rows fill them.
    const QStringList stats = QStringLiteral("Qua Type For Res Val Bouclier Armure Arme Mvt Jp Ter "
                                             "Ecl Pts Upg Min Max")
                                  .split(u' ');
    CUnitStatsList catalogue;
    catalogue.SetImageList(&m_images);
    InsertStatColumns(catalogue, true);
    QCOMPARE(Titles(catalogue), QStringList({"Race", "Nom"}) + stats);
    // A unit type's icons sit two columns further, after its race and name.
    CUnitType type;
    type.Bouclier = 1;
    AddUnitTypeRow(catalogue, &type, 6);
    QVERIFY(SameIcon(catalogue.topLevelItem(0)->icon(0), m_images.Icon(6)));
    QVERIFY(
        SameIcon(catalogue.topLevelItem(0)->icon(2 + kShieldColumn), m_images.Icon(kShieldImage)));
    CUnitStatsList list;
    list.SetImageList(&m_images);
    InsertUnitColumns(list);
    QCOMPARE(Titles(list), QStringList{"Nom"} + stats + QStringList{"Notes"});
    // Abbreviated titles tell their full name on hovering; the others need none.
    QStringList tips;
    for (int column = 1; column <= kStatColumnCount; ++column)
        tips << list.headerItem()->toolTip(column);
    QCOMPARE(tips, (QStringList{"Qualité", "", "Force", "Résistance", "Valeur", "", "", "",
                                "Mouvement (cm)", "Jet de protection", "Terrible", "Éclairage", "",
                                "", "", ""}));

    // Each row with its unit, its kind's icon and its indent.
    CArmyUnit c = Infantry("C");
    CArmyUnit d = Infantry(QStringLiteral("Garde royale des montagnes du nord"));
    QCOMPARE(AddUnitRow(list, &c, 5, 2, -1), 0);
    QCOMPARE(AddUnitRow(list, &d, 1, 0, -1), 1);
    QVERIFY(list.UnitAt(1) == &d && !list.UnitTypeAt(1) && list.IndentOf(0) == 2);
    QVERIFY(SameIcon(list.topLevelItem(0)->icon(0), m_images.Icon(5)));

    // The first column is drawn shifted by the indent, so its cells ask for more room.
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    const QModelIndex nested = list.model()->index(0, 0);
    QCOMPARE(list.itemDelegateForColumn(0)->sizeHint(option, nested).width() -
                 QStyledItemDelegate().sizeHint(option, nested).width(),
             2 * CUnitStatsList::kIndentStep);

    // Columns widen to fit a row, and never narrow again.
    const QFontMetrics metrics(list.font());
    const int wide = list.columnWidth(0);
    QVERIFY(wide >= metrics.horizontalAdvance(d.Nom) + 96);
    QVERIFY(list.columnWidth(17) >= metrics.horizontalAdvance(FormatNotesText(d)) + 24);
    list.setColumnWidth(1 + kForceColumn, 300);
    d.Nom = QStringLiteral("Garde");
    d.CoutTotal = 135;
    UpdateUnitRow(list, &d, 1);
    QVERIFY(list.topLevelItem(1)->text(17).contains(QStringLiteral("135")));
    QCOMPARE(list.columnWidth(0), wide);
    QCOMPARE(list.columnWidth(1 + kForceColumn), 300);
}

// The weapon icon whatever the kind; armour and shield icons only where they are worn.
void TestUnitStatsList::iconsWhereTheyAreWorn() {
    CUnitStatsList list;
    list.SetImageList(&m_images);
    InsertUnitColumns(list);
    CArmyUnit shielded = Infantry("S"), mount = Infantry("M", kUncountedType),
              machine = Infantry("E", kMachineType), bare = Infantry("B");
    bare.Bouclier = 0;
    bare.IdArmePrincipale = 0;
    for (CArmyUnit* unit : {&shielded, &mount, &machine, &bare})
        AddUnitRow(list, unit, 0, 0, -1);
    auto icon = [&list](int row, int stat) { return list.topLevelItem(row)->icon(1 + stat); };

    QVERIFY(SameIcon(icon(0, kWeaponsColumn), m_images.Icon(GetWeaponImage(1))));
    QVERIFY(SameIcon(icon(0, kArmourColumn), m_images.Icon(GetArmourImage(2))));
    QVERIFY(SameIcon(icon(0, kShieldColumn), m_images.Icon(kShieldImage)));
    for (int row : {1, 2}) {
        QVERIFY(SameIcon(icon(row, kWeaponsColumn), m_images.Icon(GetWeaponImage(1))));
        QVERIFY(icon(row, kArmourColumn).isNull() && icon(row, kShieldColumn).isNull());
    }
    QVERIFY(icon(3, kShieldColumn).isNull() && icon(3, kWeaponsColumn).isNull());
    shielded.Bouclier = 0;
    UpdateUnitRow(list, &shielded, 0);
    QVERIFY(icon(0, kShieldColumn).isNull());
}

QTEST_MAIN(TestUnitStatsList)
#include "tst_unitstatslist.moc"
