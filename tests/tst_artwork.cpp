#include "app/Resources.h"
#include "army/CImageList.h"
#include "army/CPictureStatic.h"
#include "army/StatImageList.h"

#include <QtTest>

// Built-in icons and pictures, the statistic image list and the picture panel.
class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void statImageListAndIcons();
    void pictures();
    void pictureStatic();
};

namespace {

// Image-list order first (unit kinds, weapons 1-14, armours 1-4, shield), then the others.
const QList<int> kIcons = {135, 134, 133, 132, 169, 202,   203,   172,   173,   181,  182, 183,
                           184, 185, 174, 175, 176, 177,   178,   179,   180,   188,  189, 190,
                           191, 187, 137, 205, 128, 32772, 32773, 32790, 32776, 57664};

QImage Render(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Larger side of the box around the opaque pixels: a speck at 16 px is unreadable, and an icon
// that failed to parse has no opaque pixel at all.
int InkExtent(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                box |= QRect(x, y, 1, 1);
    return std::max(box.width(), box.height());
}

QImage Grab(CPictureStatic& panel) {
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool IsWhite(const QImage& image, QPoint p) {
    return image.pixel(p) == qRgb(255, 255, 255);
}

// Whether the panel shows the picture unscaled with its top-left corner at origin.
bool ShowsPictureAt(const QImage& shot, const QImage& picture, QPoint origin) {
    for (const QPoint& p : {QPoint(0, 0), QPoint(25, 70), QPoint(70, 30)})
        if (shot.pixel(origin + p) != (picture.pixel(p) | 0xff000000u))
            return false;
    return true;
}

} // namespace

void TestArtwork::statImageListAndIcons() {
    QHash<int, QImage> rendered;
    for (int id : kIcons) {
        const QIcon icon = LoadIconResource(id);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(id)));
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
    for (int size : {16, 24, 32}) {
        LoadStatImageList(list, size);
        QCOMPARE(list.GetImageCount(), 26);
        QCOMPARE(list.Size(), size);
        // Row code indexes the list directly, so each slot must hold its own icon.
        for (int index = 0; index < 26; ++index)
            QVERIFY2(Render(list.Icon(index), size) ==
                         Render(LoadIconResource(kIcons[index]), size),
                     qPrintable(QString::number(index)));
    }
}

void TestArtwork::pictures() {
    for (int id : {150, 151, 152, 153, 162, 154, 155, 156, 157, 158, 159, 160}) {
        const QSize size = LoadBitmapResource(id).size();
        QVERIFY2(size.width() >= 100 && size.width() <= 220 && size.height() >= 100 &&
                     size.height() <= 220,
                 qPrintable(QString::number(id)));
    }
    QCOMPARE(LoadBitmapResource(161).size(), QSize(18, 34));
    QCOMPARE(LoadBitmapResource(148).size(), QSize(320, 120));
    QVERIFY(LoadBitmapResource(99999).isNull());
}

void TestArtwork::pictureStatic() {
    CPictureStatic panel;
    QCOMPARE(panel.BitmapId(), -1);
    panel.resize(300, 300);
    panel.SetBitmap(150);
    QCOMPARE(panel.BitmapId(), 150);
    QImage shot = Grab(panel);
    QRect area = panel.contentsRect();
    for (const QPoint& corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        QVERIFY(IsWhite(shot, corner));
    QVERIFY(!IsWhite(shot, area.center()));
    const QPoint centred =
        area.topLeft() + QPoint((area.width() - 140) / 2, (area.height() - 200) / 2);
    QVERIFY(ShowsPictureAt(shot, panel.Bitmap().toImage(), centred));
    QVERIFY(IsWhite(shot, centred - QPoint(1, -50)));

    // Wider than the panel: the left edge clamps to the panel, the height stays centred.
    panel.SetBitmap(148);
    QVERIFY(ShowsPictureAt(Grab(panel), panel.Bitmap().toImage(),
                           QPoint(area.left(), area.top() + (area.height() - 120) / 2)));

    // Larger both ways: the picture's top-left corner sits at the panel's.
    panel.resize(80, 80);
    panel.SetBitmap(153);
    QVERIFY(ShowsPictureAt(Grab(panel), panel.Bitmap().toImage(), panel.contentsRect().topLeft()));

    for (int id : {-1, 99999}) {
        panel.SetBitmap(id);
        QCOMPARE(panel.BitmapId(), id);
        QVERIFY(panel.Bitmap().isNull());
        shot = Grab(panel);
        area = panel.contentsRect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                QVERIFY(IsWhite(shot, QPoint(x, y)));
    }
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
