// SPDX-License-Identifier: GPL-3.0-or-later

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/Resources.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"
#include "widgets/CImageList.h"
#include "widgets/CPictureStatic.h"
#include "widgets/CUnitStatsList.h"
#include "widgets/StatImageList.h"
#include "widgets/UnitStatsListOps.h"

#include <QtTest>

// The unit statistics list in the built-in French, the icons and pictures of the program, and
// the picture panel.
class TestUnitStatsList : public QObject {
    Q_OBJECT

    CImageList m_images;

    bool HasImage(const QTreeWidgetItem* item, int column, int image) const {
        return !item->icon(column).isNull() &&
               item->icon(column).cacheKey() == m_images.Icon(image).cacheKey();
    }
    static QStringList Titles(const QTreeWidget& list) {
        QStringList titles;
        for (int c = 0; c < list.columnCount(); ++c)
            titles << list.headerItem()->text(c);
        return titles;
    }
    static CArmyUnit Infantry(const QString& name, int combatantType = kCombatUnitType) {
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
    static QImage Render(const QIcon& icon, int size) {
        return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // Larger side of the box around the opaque pixels: a tiny mark at 16 px is unreadable, and an
    // icon that failed to parse has no opaque pixel at all.
    static int InkExtent(const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128)
                    box |= QRect(x, y, 1, 1);
        return std::max(box.width(), box.height());
    }

private slots:
    void initTestCase() { LoadStatImageList(m_images, 16); }

    void columnsAndRows() {
        // The statistics stand in the same columns in both layouts, after the race and name of a
        // type, after the name of a unit; each title over its own cells.
        CUnitStatsList catalogue, list;
        catalogue.SetImageList(&m_images);
        list.SetImageList(&m_images);
        InsertStatColumns(catalogue, true);
        InsertUnitColumns(list);
        const QStringList titles = Titles(list);
        QCOMPARE(Titles(catalogue), QStringList({"Race", "Nom"}) + titles.mid(1, kStatColumnCount));
        CUnitType type;
        type.Bouclier = 1;
        AddUnitTypeRow(catalogue, &type, 6);
        const QTreeWidgetItem* typeRow = catalogue.topLevelItem(0);
        QVERIFY(HasImage(typeRow, 0, 6) && HasImage(typeRow, 2 + kShieldColumn, kShieldImage));

        // Each row with its kind's icon, its cells under their titles. (A type's cells are the
        // viewer's export's, the units a dialog's list holds the dialogs'.)
        CArmyUnit c = Infantry("C");
        CArmyUnit d = Infantry(QStringLiteral("Garde royale des montagnes du nord"));
        AddUnitRow(list, &c, 5, -1);
        AddUnitRow(list, &d, 1, -1);
        QVERIFY(HasImage(list.topLevelItem(0), 0, 5));
        QCOMPARE(list.topLevelItem(0)->text(int(titles.indexOf("For"))), QStringLiteral("3"));

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

        // The weapon icon whatever the kind; armour and shield icons only where they are worn.
        CArmyUnit shielded = Infantry("S"), mount = Infantry("M", kUncountedType),
                  machine = Infantry("E", kMachineType), bare = Infantry("B");
        bare.Bouclier = 0;
        bare.IdArmePrincipale = 0;
        for (CArmyUnit* unit : {&shielded, &mount, &machine, &bare})
            AddUnitRow(list, unit, 0, -1); // rows 2 to 5
        // Per row: weapon, armour and shield cell, '+' with the right image, '-' with none.
        const auto icons = [&](int row) {
            QString shown;
            for (const auto& [column, image] : {std::pair{kWeaponsColumn, GetWeaponImage(1)},
                                                {kArmourColumn, GetArmourImage(2)},
                                                {kShieldColumn, int(kShieldImage)}}) {
                const QTreeWidgetItem* item = list.topLevelItem(2 + row);
                shown += item->icon(1 + column).isNull()     ? u'-'
                         : HasImage(item, 1 + column, image) ? u'+'
                                                             : u'?';
            }
            return shown;
        };
        QCOMPARE(QStringList({icons(0), icons(1), icons(2), icons(3)}),
                 QStringList({"+++", "+--", "+--", "-+-"}));
        shielded.Bouclier = 0;
        UpdateUnitRow(list, &shielded, 2);
        QCOMPARE(icons(0), QStringLiteral("++-"));
    }

    void iconsAndTheStatImageList() {
        // Every icon the program shows parses, fills most of even a small button and differs from
        // all the others.
        QHash<int, QImage> rendered;
        for (int id : {135, 134, 133, 132, 169, 202,   203,   172,   173,   181,  182, 183,
                       184, 185, 174, 175, 176, 177,   178,   179,   180,   188,  189, 190,
                       191, 187, 137, 205, 128, 32772, 32773, 32790, 32776, 57664}) {
            const QIcon icon = LoadIconResource(id);
            for (int size : {16, 24, 32})
                QVERIFY2(InkExtent(Render(icon, size)) * 4 >= size * 3,
                         qPrintable(QString::number(id)));
            for (auto it = rendered.cbegin(); it != rendered.cend(); ++it)
                QVERIFY2(*it != Render(icon, 32),
                         qPrintable(QStringLiteral("%1 %2").arg(it.key()).arg(id)));
            rendered.insert(id, Render(icon, 32));
        }

        CImageList list;
        list.Add(LoadIconResource(128)); // reloading must empty the list first
        LoadStatImageList(list, 24);
        QCOMPARE(list.GetImageCount(), 26);
        // Row code indexes the list directly: the slots at the ends of each group.
        for (const auto& [slot, id] : std::initializer_list<std::pair<int, int>>{
                 {0, 135}, {6, 203}, {7, 172}, {20, 180}, {21, 188}, {24, 191}, {25, 187}})
            QVERIFY2(Render(list.Icon(slot), 24) == Render(LoadIconResource(id), 24),
                     qPrintable(QString::number(slot)));
    }

    void picturesAndThePicturePanel() {
        // Each race picture, whatever its race, fits the panel of the dialogs.
        for (int race = 0; race < 16; ++race) {
            const QSize size = LoadBitmapResource(GetRaceBitmapId(race)).size();
            QVERIFY2(QRect(0, 0, 221, 221).contains(QRect(QPoint(), size)) && size.width() >= 18,
                     qPrintable(QString::number(race)));
        }
        // Centred, but never left of or above the panel: a picture too big shows its top-left part.
        const QRect area(5, 5, 100, 80);
        QCOMPARE(CPictureStatic::PictureOrigin(area, QSize(40, 20)), QPoint(35, 35));
        QCOMPARE(CPictureStatic::PictureOrigin(area, QSize(140, 200)), QPoint(5, 5));

        // The picture is drawn unscaled at that place on white.
        CPictureStatic panel;
        panel.resize(300, 300);
        panel.SetBitmap(150);
        const QImage shot = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = panel.Bitmap().toImage();
        const QRect inside = panel.contentsRect();
        const QPoint origin = CPictureStatic::PictureOrigin(inside, picture.size());
        QVERIFY(origin.x() > inside.left() && origin.y() > inside.top());
        for (const QPoint& p : {QPoint(0, 0), QPoint(25, 70), QPoint(70, 30)})
            QCOMPARE(shot.pixel(origin + p), picture.pixel(p) | 0xff000000u);
        for (const QPoint& corner : {inside.topLeft(), inside.bottomRight()})
            QCOMPARE(shot.pixel(corner), qRgb(255, 255, 255));

        // No picture, or one that does not exist: nothing is left of the last one.
        panel.SetBitmap(-1);
        QVERIFY(panel.Bitmap().isNull());
        panel.SetBitmap(150);
        panel.SetBitmap(99999);
        QVERIFY(panel.BitmapId() == 99999 && panel.Bitmap().isNull());
    }
};

QTEST_MAIN(TestUnitStatsList)
#include "tst_unitstatslist.moc"
