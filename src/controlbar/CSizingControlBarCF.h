// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CSizingControlBarG.h"

#include <QColor>
#include <QFont>
#include <QStringList>

// A sizing bar with a caption like a window's: a gradient strip in the active or inactive
// title colours holding the bar's title, depending on whether the keyboard focus is inside it.
class CSizingControlBarCF : public CSizingControlBarG {
    Q_OBJECT

public:
    explicit CSizingControlBarCF(const QString& title, QWidget* parent = nullptr);

    // True while the keyboard focus is on the bar or one of its children.
    bool IsActive() const { return m_active; }
    // Colour the caption starts from on the left, and the lighter one it fades to.
    QColor CaptionColor(bool active) const;
    QColor GradientColor(bool active) const;
    QColor CaptionTextColor(bool active) const;
    // The caption face at the pixel size 8.5 points have on a 96-dpi screen.
    QFont CaptionFont() const;

    // "Tahoma" when the system has it, otherwise "Arial" (or the font standing in for it).
    static QString ChooseCaptionFace(const QStringList& families);

signals:
    void activeChanged(bool active);

protected:
    void PaintStrip(QPainter& painter, const QRect& strip, const QRect& freeArea) override;

private:
    void OnFocusChanged(QWidget* previous, QWidget* current);

    QString m_faceName;
    bool m_active = false;
};
