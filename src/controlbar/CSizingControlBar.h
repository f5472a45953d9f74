// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDockWidget>
#include <QSize>

// A dock bar that remembers its size in each docking state and keeps the user from dragging it
// smaller than that state allows. Sizes live only while the program runs.
class CSizingControlBar : public QDockWidget {
    Q_OBJECT

public:
    enum class BarState { DockedHorizontally, DockedVertically, Floating };

    explicit CSizingControlBar(const QString& title, QWidget* parent = nullptr);

    // Floating, or docked along a top/bottom edge (horizontally) or a left/right one.
    BarState CurrentState() const;
    // The size the bar asks for in a state: 200 x 200 until the user resizes it there.
    QSize SizeFor(BarState state) const;
    QSize MinimumSizeFor(BarState state) const;
    // Width of the inner edge the user drags to resize the docked bar.
    // Thickness of the gripper/caption strip across the top (or down the left side).
    int StripHeight() const { return 12; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnStateChanged();
    void ApplyRememberedSize();
    static int Slot(BarState state) { return static_cast<int>(state); }

    QSize m_sizes[3];
    QSize m_minimumSizes[3];
    // Set from a change of state until the new state's size is applied; the layout's own
    // interim sizes must not be remembered meanwhile.
    bool m_sizePending = true;
};
