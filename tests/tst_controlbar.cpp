#include "controlbar/CSizingControlBarCF.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using BarState = CSizingControlBar::BarState;

namespace {
bool Near(const QColor& a, const QColor& b, int tolerance = 3) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}
} // namespace

class TestControlBar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sizesFollowTheDockingState();
    void stripHoldsTheCloseButtonAtItsEnd();
    void closeButtonShowsItsStateAndHidesTheBar();
    void captionIsPaintedInTheStateColours();

private:
    std::unique_ptr<QMainWindow> m_window;
    QTextEdit* m_editor = nullptr;
    QTreeWidget* m_tree = nullptr;
    CSizingControlBarCF* m_bar = nullptr;
};

void TestControlBar::init() {
    m_window = std::make_unique<QMainWindow>();
    m_editor = new QTextEdit;
    m_window->setCentralWidget(m_editor);
    m_bar = new CSizingControlBarCF(QStringLiteral("TQ - Army list view"), m_window.get());
    m_tree = new QTreeWidget;
    // Content that could shrink to nothing, so only the bar's own minimum holds it.
    m_tree->setMinimumSize(1, 1);
    m_bar->setWidget(m_tree);
    m_window->addDockWidget(Qt::LeftDockWidgetArea, m_bar);
    m_window->resize(800, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestControlBar::cleanup() {
    m_window.reset();
}

void TestControlBar::sizesFollowTheDockingState() {
    // The main window goes by the tree's size, not the bar's, unless the bar resizes itself.
    QCOMPARE(m_bar->CurrentState(), BarState::DockedVertically);
    QTRY_COMPARE(m_bar->width(), 200);

    const QSize dockedMinimum = m_bar->MinimumSizeFor(BarState::DockedVertically);
    QCOMPARE(m_bar->minimumSize(), dockedMinimum);
    m_window->resizeDocks({m_bar}, {1}, Qt::Horizontal);
    QTRY_COMPARE(m_bar->width(), dockedMinimum.width());

    // A double click on the strip, away from the close button, must reach the dock and float it.
    QTest::mouseDClick(m_bar->Strip(), Qt::LeftButton, {}, QPoint(20, 6));
    QTRY_VERIFY(m_bar->isFloating());
    QTRY_COMPARE(m_bar->size(), QSize(200, 200));
    m_bar->resize(1, 1);
    QCOMPARE(m_bar->size(), m_bar->MinimumSizeFor(BarState::Floating));
    m_bar->resize(260, 190);

    // Each state gets back the size it last had.
    m_bar->setFloating(false);
    QTRY_VERIFY(!m_bar->isFloating());
    QCOMPARE(m_bar->minimumSize(), dockedMinimum);
    QTRY_COMPARE(m_bar->width(), dockedMinimum.width());
    m_bar->setFloating(true);
    QTRY_COMPARE(m_bar->size(), QSize(260, 190));

    m_window->addDockWidget(Qt::TopDockWidgetArea, m_bar);
    m_bar->setFloating(false);
    QTRY_VERIFY(!m_bar->isFloating());
    QCOMPARE(m_bar->CurrentState(), BarState::DockedHorizontally);
    QCOMPARE(m_bar->minimumSize(), m_bar->MinimumSizeFor(BarState::DockedHorizontally));
    QTRY_COMPARE(m_bar->height(), 200);
}

void TestControlBar::stripHoldsTheCloseButtonAtItsEnd() {
    QWidget* strip = m_bar->Strip();
    QAbstractButton* button = m_bar->CloseButton();
    QCOMPARE(strip->size(), QSize(m_bar->width(), m_bar->StripHeight()));
    QVERIFY(button->isVisible() && strip->rect().contains(button->geometry()));
    QVERIFY(strip->width() - button->geometry().right() <= 3);
    // The tree starts right below the strip.
    QCOMPARE(m_tree->mapTo(m_bar, QPoint(0, 0)).y(), strip->geometry().bottom() + 1);

    m_bar->setFeatures(m_bar->features() | QDockWidget::DockWidgetVerticalTitleBar);
    QTRY_COMPARE(strip->size(), QSize(m_bar->StripHeight(), m_bar->height()));
    QVERIFY(strip->rect().contains(button->geometry()) && button->geometry().top() <= 3);

    m_bar->setFeatures(m_bar->features() & ~QDockWidget::DockWidgetClosable);
    QVERIFY(button->isHidden());
}

void TestControlBar::closeButtonShowsItsStateAndHidesTheBar() {
    QAbstractButton* button = m_bar->CloseButton();
    const QPalette& pal = button->palette();
    const QPoint last(button->width() - 1, button->height() - 1);
    const QRgb light = pal.color(QPalette::Light).rgb();
    const QRgb dark = pal.color(QPalette::Dark).rgb();
    QVERIFY(light != dark);
    QImage image = button->grab().toImage();
    QCOMPARE(image.pixelColor(5, 5).rgb(), pal.color(QPalette::ButtonText).rgb());

    // Raised under the mouse, sunk while pressed, flat again once the mouse leaves.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    image = button->grab().toImage();
    QCOMPARE((QList<QRgb>{image.pixel(0, 0), image.pixel(last)}), (QList<QRgb>{light, dark}));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    image = button->grab().toImage();
    QCOMPARE((QList<QRgb>{image.pixel(0, 0), image.pixel(last)}), (QList<QRgb>{dark, light}));

    // Released away from the button: nothing happens.
    QAction* toggle = m_bar->toggleViewAction();
    QSignalSpy closeRequests(m_bar, &CSizingControlBarG::closeRequested);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QVERIFY(button->grab().toImage().pixel(0, 0) != light);
    QVERIFY(m_bar->isVisible() && toggle->isChecked());
    QCOMPARE(closeRequests.count(), 0);

    // A click hides the bar like its toggle action, which brings it back docked.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_bar->isVisible() && !toggle->isChecked());
    QCOMPARE(closeRequests.count(), 1);
    toggle->trigger();
    QVERIFY(m_bar->isVisible() && !m_bar->isFloating());
}

// The caption's face and size; focus inside the bar makes it active, and the caption is
// painted in that state's colours.
void TestControlBar::captionIsPaintedInTheStateColours() {
    QCOMPARE(CSizingControlBarCF::ChooseCaptionFace({"DejaVu Sans", "Tahoma", "Arial"}),
             QStringLiteral("Tahoma"));
    QCOMPARE(CSizingControlBarCF::ChooseCaptionFace({"DejaVu Sans", "Liberation Sans"}),
             QStringLiteral("Arial"));
    // Whatever the screen's dots per inch, the title keeps the size it has at 96 dpi.
    QCOMPARE(qRound(m_bar->CaptionFont().pointSizeF() * m_bar->logicalDpiY() / 72.0),
             qRound(8.5 * 96 / 72.0));

    QSignalSpy changes(m_bar, &CSizingControlBarCF::activeChanged);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget* strip = m_bar->Strip();
    QAbstractButton* button = m_bar->CloseButton();
    QVERIFY(m_bar->CaptionColor(true) != m_bar->CaptionColor(false));

    for (QWidget* focus : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_editor)}) {
        focus->setFocus();
        QCoreApplication::processEvents();
        const bool active = m_bar->IsActive();
        QCOMPARE(active, focus == m_tree);
        QCOMPARE(changes.count(), active ? 1 : 2);
        QCOMPARE(changes.last().at(0).toBool(), active);
        const QImage image = strip->grab().toImage();

        QVERIFY(Near(image.pixelColor(0, strip->height() / 2), m_bar->CaptionColor(active)));
        // The fade reaches the lighter colour by the far end, behind the close button.
        QVERIFY(Near(image.pixelColor(strip->width() - 1, 0), m_bar->GradientColor(active), 6));

        // The title is drawn in the caption text colour.
        const QColor text = m_bar->CaptionTextColor(active);
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < button->geometry().left(); ++x)
                textPixels += Near(image.pixelColor(x, y), text, 24) ? 1 : 0;
        QVERIFY(textPixels > 10);
    }

    // However long the title, it stops short of the close button.
    m_bar->setWindowTitle(QString(200, QLatin1Char('W')));
    const QImage crowded = strip->grab().toImage();
    m_bar->setWindowTitle(QString());
    const QImage bare = strip->grab().toImage();
    const QRect buttonArea = button->geometry();
    QCOMPARE(crowded.copy(buttonArea), bare.copy(buttonArea));
}

QTEST_MAIN(TestControlBar)
#include "tst_controlbar.moc"
