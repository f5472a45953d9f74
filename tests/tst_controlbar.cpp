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
    void closeButtonHidesTheBarLikeItsToggleAction();
    void closeButtonShowsHoverAndPressedEdges();
    void focusInsideTheBarMakesItActive();
    void captionFaceFallsBackToArial();
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
    QCOMPARE(m_bar->sizeHint(), m_bar->size());

    const QSize dockedMinimum = m_bar->MinimumSizeFor(BarState::DockedVertically);
    QCOMPARE(m_bar->minimumSize(), dockedMinimum);
    m_window->resizeDocks({m_bar}, {1}, Qt::Horizontal);
    QTRY_COMPARE(m_bar->width(), dockedMinimum.width());

    // A double click on the strip, away from the close button, must reach the dock and float it.
    QTest::mouseDClick(m_bar->Strip(), Qt::LeftButton, {}, QPoint(20, 6));
    QTRY_VERIFY(m_bar->isFloating());
    QCOMPARE(m_bar->CurrentState(), BarState::Floating);
    QTRY_COMPARE(m_bar->size(), QSize(200, 200));
    const QSize floatingMinimum = m_bar->MinimumSizeFor(BarState::Floating);
    QVERIFY(floatingMinimum != dockedMinimum);
    QCOMPARE(m_bar->minimumSize(), floatingMinimum);
    m_bar->resize(1, 1);
    QCOMPARE(m_bar->size(), floatingMinimum);
    m_bar->resize(260, 190);
    QCOMPARE(m_bar->sizeHint(), QSize(260, 190));

    // Each state gets back the size it last had.
    m_bar->setFloating(false);
    QTRY_VERIFY(!m_bar->isFloating());
    QCOMPARE(m_window->dockWidgetArea(m_bar), Qt::LeftDockWidgetArea);
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
    QCOMPARE(m_bar->titleBarWidget(), strip);
    QCOMPARE(strip->height(), m_bar->StripHeight());
    QCOMPARE(strip->width(), m_bar->width());
    QCOMPARE(button->size(), QSize(11, 11));
    QVERIFY(button->isVisible());
    QVERIFY(strip->rect().contains(button->geometry()));
    QVERIFY(strip->width() - button->geometry().right() <= 3);
    // The tree starts right below the strip.
    QCOMPARE(m_tree->mapTo(m_bar, QPoint(0, 0)).y(), strip->geometry().bottom() + 1);

    m_bar->setFeatures(m_bar->features() | QDockWidget::DockWidgetVerticalTitleBar);
    QTRY_COMPARE(strip->width(), m_bar->StripHeight());
    QCOMPARE(strip->height(), m_bar->height());
    QVERIFY(strip->rect().contains(button->geometry()));
    QVERIFY(button->geometry().top() <= 3);
    QCOMPARE(m_tree->mapTo(m_bar, QPoint(0, 0)).x(), strip->geometry().right() + 1);

    m_bar->setFeatures(m_bar->features() & ~QDockWidget::DockWidgetClosable);
    QVERIFY(button->isHidden());
}

void TestControlBar::closeButtonHidesTheBarLikeItsToggleAction() {
    QAction* toggle = m_bar->toggleViewAction();
    QAbstractButton* button = m_bar->CloseButton();
    QSignalSpy closeRequests(m_bar, &CSizingControlBarG::closeRequested);
    QVERIFY(toggle->isChecked());

    // Pressing and then releasing away from the button changes nothing.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 5));
    QVERIFY(!button->isDown());
    QVERIFY(m_bar->isVisible());
    QVERIFY(toggle->isChecked());
    QCOMPARE(closeRequests.count(), 0);

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!m_bar->isVisible());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(closeRequests.count(), 1);

    toggle->trigger();
    QVERIFY(m_bar->isVisible());
    QVERIFY(!m_bar->isFloating());
    QCOMPARE(m_window->dockWidgetArea(m_bar), Qt::LeftDockWidgetArea);
    QVERIFY(toggle->isChecked());
}

void TestControlBar::closeButtonShowsHoverAndPressedEdges() {
    QAbstractButton* button = m_bar->CloseButton();
    const QPalette& pal = button->palette();
    const QPoint last(button->width() - 1, button->height() - 1);
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    QVERIFY(light != dark);

    QImage image = button->grab().toImage();
    QCOMPARE(image.pixelColor(5, 5).rgb(), pal.color(QPalette::ButtonText).rgb());
    QVERIFY(image.pixelColor(0, 0).rgb() != light.rgb());
    QVERIFY(image.pixelColor(0, 0).rgb() != dark.rgb());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    image = button->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0).rgb(), light.rgb());
    QCOMPARE(image.pixelColor(last).rgb(), dark.rgb());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    image = button->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0).rgb(), dark.rgb());
    QCOMPARE(image.pixelColor(last).rgb(), light.rgb());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 5));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QVERIFY(button->grab().toImage().pixelColor(0, 0).rgb() != light.rgb());
}

void TestControlBar::focusInsideTheBarMakesItActive() {
    QSignalSpy changes(m_bar, &CSizingControlBarCF::activeChanged);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    m_editor->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(!m_bar->IsActive());

    m_tree->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(m_bar->IsActive());
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toBool(), true);

    m_editor->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(!m_bar->IsActive());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.last().at(0).toBool(), false);
    QVERIFY(m_bar->CaptionColor(true) != m_bar->CaptionColor(false));
}

void TestControlBar::captionFaceFallsBackToArial() {
    const QString tahoma = QStringLiteral("Tahoma");
    const QString arial = QStringLiteral("Arial");
    QCOMPARE(CSizingControlBarCF::ChooseCaptionFace({"DejaVu Sans", "Tahoma", "Arial"}), tahoma);
    QCOMPARE(CSizingControlBarCF::ChooseCaptionFace({"DejaVu Sans", "Liberation Sans"}), arial);
    QCOMPARE(CSizingControlBarCF::ChooseCaptionFace({}), arial);
    QCOMPARE(m_bar->CaptionFont().family(), m_bar->CaptionFaceName());
    // Whatever the screen's dots per inch, the title keeps the size it has at 96 dpi.
    QCOMPARE(qRound(m_bar->CaptionFont().pointSizeF() * m_bar->logicalDpiY() / 72.0),
             qRound(8.5 * 96 / 72.0));
}

void TestControlBar::captionIsPaintedInTheStateColours() {
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget* strip = m_bar->Strip();
    QAbstractButton* button = m_bar->CloseButton();

    for (QWidget* focus : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_editor)}) {
        focus->setFocus();
        QCoreApplication::processEvents();
        const bool active = m_bar->IsActive();
        QCOMPARE(active, focus == m_tree);
        const QImage image = strip->grab().toImage();

        const QColor start = image.pixelColor(0, strip->height() / 2);
        QVERIFY(Near(start, m_bar->CaptionColor(active)));
        // The fade reaches the lighter colour by the far end, behind the close button.
        const QColor end = image.pixelColor(strip->width() - 1, 0);
        QVERIFY(Near(end, m_bar->GradientColor(active), 6));

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
