// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSizingControlBar.h"

#include <QMainWindow>
#include <QResizeEvent>

CSizingControlBar::CSizingControlBar(const QString& title, QWidget* parent)
    : QDockWidget(title, parent), m_sizes{QSize(200, 200), QSize(200, 200), QSize(200, 200)},
      m_minimumSizes{QSize(33, 32), QSize(33, 32), QSize(37, 32)} {
    setFeatures(DockWidgetMovable | DockWidgetFloatable | DockWidgetClosable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    connect(this, &QDockWidget::dockLocationChanged, this, &CSizingControlBar::OnStateChanged);
    connect(this, &QDockWidget::topLevelChanged, this, &CSizingControlBar::OnStateChanged);
    setMinimumSize(MinimumSizeFor(CurrentState()));
}

CSizingControlBar::BarState CSizingControlBar::CurrentState() const {
    if (isFloating())
        return BarState::Floating;
    const auto* mainWindow = qobject_cast<const QMainWindow*>(parentWidget());
    const Qt::DockWidgetArea area =
        mainWindow ? mainWindow->dockWidgetArea(const_cast<CSizingControlBar*>(this))
                   : Qt::NoDockWidgetArea;
    return area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea
               ? BarState::DockedHorizontally
               : BarState::DockedVertically;
}

QSize CSizingControlBar::SizeFor(BarState state) const {
    return m_sizes[Slot(state)];
}

QSize CSizingControlBar::MinimumSizeFor(BarState state) const {
    return m_minimumSizes[Slot(state)];
}

QSize CSizingControlBar::sizeHint() const {
    return SizeFor(CurrentState()).expandedTo(MinimumSizeFor(CurrentState()));
}

void CSizingControlBar::resizeEvent(QResizeEvent* event) {
    QDockWidget::resizeEvent(event);
    if (isVisible() && !m_sizePending && !event->size().isEmpty())
        m_sizes[Slot(CurrentState())] = event->size();
}

void CSizingControlBar::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (m_sizePending)
        QMetaObject::invokeMethod(this, &CSizingControlBar::ApplyRememberedSize,
                                  Qt::QueuedConnection);
}

void CSizingControlBar::OnStateChanged() {
    m_sizePending = true;
    setMinimumSize(MinimumSizeFor(CurrentState()));
    updateGeometry();
    // Queued, so the main window has finished placing the bar before it is resized.
    QMetaObject::invokeMethod(this, &CSizingControlBar::ApplyRememberedSize, Qt::QueuedConnection);
}

void CSizingControlBar::ApplyRememberedSize() {
    // A hidden bar has no place in the layout to resize yet; showEvent brings us back.
    if (!m_sizePending || !isVisible())
        return;
    const BarState state = CurrentState();
    const QSize size = sizeHint();
    auto* mainWindow = qobject_cast<QMainWindow*>(parentWidget());
    if (state == BarState::Floating)
        resize(size);
    else if (mainWindow && state == BarState::DockedVertically)
        mainWindow->resizeDocks({this}, {size.width()}, Qt::Horizontal);
    else if (mainWindow)
        mainWindow->resizeDocks({this}, {size.height()}, Qt::Vertical);
    m_sizePending = false;
}
