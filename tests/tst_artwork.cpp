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
    void statImageListAndIcons();
    void picturesAndThePicturePanel();
};

namespace {

// Every icon the program shows.
const QList<int> kIcons = {135, 134, 133, 132, 169, 202,   203,   172,   173,   181,  182, 183,
                           184, 185, 174, 175, 176, 177,   178,   179,   180,   188,  189, 190,
                           191, 187, 137, 205, 128, 32772, 32773, 32790, 32776, 57664};

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
    LoadStatImageList(list, 24);
    QCOMPARE(list.GetImageCount(), 26);
    QCOMPARE(list.Size(), 24);
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

    CPictureStatic panel;
    panel.resize(300, 300);
    panel.SetBitmap(150);
    QCOMPARE(panel.BitmapId(), 150);
    const QImage shot = Grab(panel);
    const QRect area = panel.contentsRect();
    for (const QPoint& corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        QVERIFY(IsWhite(shot, corner));
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

    // No picture, or one that does not exist: the panel is plain white.
    panel.SetBitmap(-1);
    QVERIFY(panel.Bitmap().isNull());
    panel.SetBitmap(99999);
    QCOMPARE(panel.BitmapId(), 99999);
    const QImage blank = Grab(panel).copy(panel.contentsRect());
    QImage white(blank.size(), blank.format());
    white.fill(Qt::white);
    QCOMPARE(blank, white);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
