// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

// The small square "x" button at the end of a bar's strip: flat until the mouse is over it,
// then raised, and sunken while pressed.
class CControlBarCloseButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CControlBarCloseButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hovered = false;
};
