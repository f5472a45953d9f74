// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class CControlBarCloseButton;
class CSizingControlBarG;

// The title widget of a CSizingControlBarG: a thin strip the bar paints itself, with the close
// button at its end. Presses elsewhere on it fall through so the dock can still be dragged.
class CControlBarStrip : public QWidget {
    Q_OBJECT

public:
    explicit CControlBarStrip(CSizingControlBarG* bar);

    CControlBarCloseButton* CloseButton() const { return m_closeButton; }
    // True when the bar shows its title down the left side instead of across the top.
    bool IsVertical() const;
    // The part of the strip the close button leaves free, for the gripper or caption.
    QRect FreeArea() const;
    // Follows a change of the bar's features: orientation and whether it can be closed.
    void UpdateLayout();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceCloseButton();

    CSizingControlBarG* m_bar;
    CControlBarCloseButton* m_closeButton;
};
