// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlbar/CSizingControlBarCF.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

using BarState = CSizingControlBar::BarState;

// The docking bar in a main window beside an editor, holding a tree.
class TestControlBar : public QObject {
    Q_OBJECT

    std::unique_ptr<QMainWindow> m_window;
    QTextEdit* m_editor = nullptr;
    QTreeWidget* m_tree = nullptr;
    CSizingControlBarCF* m_bar = nullptr;

    static bool Near(const QColor& a, const QColor& b, int tolerance) {
        return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
               qAbs(a.blue() - b.blue()) <= tolerance;
    }

private slots:
    void init() {
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
    void cleanup() { m_window.reset(); }

    void sizesFollowTheDockingState() {
        // The main window goes by the tree's size, not the bar's, unless the bar resizes itself.
        QTRY_COMPARE(m_bar->width(), 200);
        const QSize dockedMinimum = m_bar->MinimumSizeFor(BarState::DockedVertically);
        m_window->resizeDocks({m_bar}, {1}, Qt::Horizontal);
        QTRY_COMPARE(m_bar->width(), dockedMinimum.width());

        // A double click on the strip, away from the close button, must reach the dock and float
        // it.
        QTest::mouseDClick(m_bar->Strip(), Qt::LeftButton, {}, QPoint(20, 6));
        QTRY_VERIFY(m_bar->isFloating());
        QTRY_COMPARE(m_bar->size(), QSize(200, 200));
        m_bar->resize(1, 1);
        QCOMPARE(m_bar->size(), m_bar->MinimumSizeFor(BarState::Floating));
        m_bar->resize(260, 190);

        // Each state gets back the size it last had.
        m_bar->setFloating(false);
        QTRY_COMPARE(m_bar->width(), dockedMinimum.width());
        QCOMPARE(m_bar->minimumSize(), dockedMinimum);
        m_bar->setFloating(true);
        QTRY_COMPARE(m_bar->size(), QSize(260, 190));
        m_window->addDockWidget(Qt::TopDockWidgetArea, m_bar);
        m_bar->setFloating(false);
        QTRY_COMPARE(m_bar->CurrentState(), BarState::DockedHorizontally);
        QCOMPARE(m_bar->minimumSize(), m_bar->MinimumSizeFor(BarState::DockedHorizontally));
        QTRY_COMPARE(m_bar->height(), 200);
    }

    void closeButtonSitsAtTheStripEndAndHidesTheBar() {
        QWidget* strip = m_bar->Strip();
        QAbstractButton* button = m_bar->CloseButton();
        QCOMPARE(strip->size(), QSize(m_bar->width(), m_bar->StripHeight()));
        QVERIFY(strip->rect().contains(button->geometry()) &&
                strip->width() - button->geometry().right() <= 3);

        // A click hides the bar like its toggle action, which brings it back docked.
        QAction* toggle = m_bar->toggleViewAction();
        QSignalSpy closeRequests(m_bar, &CSizingControlBarG::closeRequested);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!m_bar->isVisible() && !toggle->isChecked() && closeRequests.count() == 1);
        toggle->trigger();
        QVERIFY(m_bar->isVisible() && !m_bar->isFloating());
        m_bar->setFeatures(m_bar->features() & ~QDockWidget::DockWidgetClosable);
        QVERIFY(button->isHidden());
    }

    // Focus inside the bar makes it active, and the caption is painted in that state's colours.
    void captionIsPaintedInTheStateColours() {
        QSignalSpy changes(m_bar, &CSizingControlBarCF::activeChanged);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QWidget* strip = m_bar->Strip();
        QVERIFY(m_bar->CaptionColor(true) != m_bar->CaptionColor(false));
        for (QWidget* focus : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_editor)}) {
            focus->setFocus();
            QCoreApplication::processEvents();
            const bool active = focus == m_tree;
            QVERIFY(m_bar->IsActive() == active && changes.count() == (active ? 1 : 2) &&
                    changes.last().at(0).toBool() == active);
            // The caption fades to the lighter colour by the far end, behind the close button.
            const QImage image = strip->grab().toImage();
            QVERIFY(Near(image.pixelColor(0, strip->height() / 2), m_bar->CaptionColor(active), 3));
            QVERIFY(Near(image.pixelColor(strip->width() - 1, 0), m_bar->GradientColor(active), 6));
        }

        // However long the title, it stops short of the close button.
        const QRect buttonArea = m_bar->CloseButton()->geometry();
        m_bar->setWindowTitle(QString(200, QLatin1Char('W')));
        const QImage crowded = strip->grab().toImage().copy(buttonArea);
        m_bar->setWindowTitle(QString());
        QCOMPARE(crowded, strip->grab().toImage().copy(buttonArea));
    }
};

QTEST_MAIN(TestControlBar)
#include "tst_controlbar.moc"
