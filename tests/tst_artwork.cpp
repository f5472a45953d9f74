#include "army/ValueNames.h"
#include "core/Resources.h"
#include "widgets/CImageList.h"
#include "widgets/CPictureStatic.h"
#include "widgets/StatImageList.h"

#include <QtTest>

// Built-in icons and pictures, the statistic image list and the picture panel.
class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void iconsAndTheStatImageList();
    void picturesAndThePicturePanel();
};

namespace {

QImage Render(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Larger side of the box around the opaque pixels: a tiny mark at 16 px is unreadable, and an icon
// that failed to parse has no opaque pixel at all.
int InkExtent(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                box |= QRect(x, y, 1, 1);
    return std::max(box.width(), box.height());
}

} // namespace

void TestArtwork::iconsAndTheStatImageList() {
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

void TestArtwork::picturesAndThePicturePanel() {
    // Each race picture, whatever its race, fits the panel of the dialogs.
    for (int race = 0; race < 16; ++race) {
        const QSize size = LoadBitmapResource(GetRaceBitmapId(race)).size();
        QVERIFY2(QRect(0, 0, 221, 221).contains(QRect(QPoint(), size)) && size.width() >= 18,
                 qPrintable(QString::number(race)));
    }

    // Centred, but never left of or above the panel: a picture too big shows its top-left part.
    const QRect area(5, 5, 100, 80);
    QCOMPARE(CPictureStatic::PictureOrigin(area, QSize(40, 20)), QPoint(35, 35));
    QCOMPARE(CPictureStatic::PictureOrigin(area, QSize(140, 20)), QPoint(5, 35));
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

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
