// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CSizingControlBar.h"

class CControlBarStrip;
class QAbstractButton;
class QPainter;

// A sizing bar whose title bar is a thin gripper strip with a small close button at its end.
class CSizingControlBarG : public CSizingControlBar {
    Q_OBJECT

public:
    explicit CSizingControlBarG(const QString& title, QWidget* parent = nullptr);

    QWidget* Strip() const;
    QAbstractButton* CloseButton() const;
    bool HasVerticalStrip() const;

signals:
    // The user hid the bar with its close button.
    void closeRequested();

protected:
    // Paints the strip; freeArea is the part the close button does not cover.
    virtual void PaintStrip(QPainter& painter, const QRect& strip, const QRect& freeArea);

private:
    void OnCloseClicked();

    friend class CControlBarStrip;
    CControlBarStrip* m_strip;
};
