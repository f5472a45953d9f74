// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSizingControlBarCF.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>

namespace {
constexpr int kGradientBands = 64;
// Gap between the start of the strip and the first letter of the title.
constexpr int kTextIndent = 3;

QColor Blend(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}
} // namespace

CSizingControlBarCF::CSizingControlBarCF(const QString& title, QWidget* parent)
    : CSizingControlBarG(title, parent), m_faceName(ChooseCaptionFace(QFontDatabase::families())) {
    connect(qApp, &QApplication::focusChanged, this, &CSizingControlBarCF::OnFocusChanged);
}

QString CSizingControlBarCF::ChooseCaptionFace(const QStringList& families) {
    return families.contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)
               ? QStringLiteral("Tahoma")
               : QStringLiteral("Arial");
}

QColor CSizingControlBarCF::CaptionColor(bool active) const {
    const QPalette& pal = palette();
    const QColor highlight =
        pal.color(active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    // Styles that keep the same highlight for inactive windows would leave no cue at all, so
    // fall back to a grey caption as title bars have.
    if (!active && highlight == pal.color(QPalette::Active, QPalette::Highlight))
        return pal.color(QPalette::Inactive, QPalette::Dark);
    return highlight;
}

QColor CSizingControlBarCF::GradientColor(bool active) const {
    return CaptionColor(active).lighter(160);
}

QColor CSizingControlBarCF::CaptionTextColor(bool active) const {
    const QPalette& pal = palette();
    if (active)
        return pal.color(QPalette::Active, QPalette::HighlightedText);
    // Muted: a third of the way from the highlighted text colour back towards the caption.
    return Blend(pal.color(QPalette::Inactive, QPalette::HighlightedText), CaptionColor(false),
                 1.0 / 3.0);
}

QFont CSizingControlBarCF::CaptionFont() const {
    QFont font(m_faceName);
    font.setPointSizeF(8.5 * 96.0 / logicalDpiY());
    return font;
}

void CSizingControlBarCF::PaintStrip(QPainter& painter, const QRect& strip, const QRect& freeArea) {
    const bool vertical = HasVerticalStrip();
    const QColor from = CaptionColor(m_active);
    const QColor to = GradientColor(m_active);
    // A vertical caption reads bottom to top, so its gradient starts at the bottom.
    const int length = vertical ? strip.height() : strip.width();
    for (int band = 0; band < kGradientBands; ++band) {
        const int start = length * band / kGradientBands;
        const int end = length * (band + 1) / kGradientBands;
        if (end <= start)
            continue;
        const QColor colour = Blend(from, to, band / double(kGradientBands - 1));
        if (vertical)
            painter.fillRect(strip.left(), strip.bottom() + 1 - end, strip.width(), end - start,
                             colour);
        else
            painter.fillRect(strip.left() + start, strip.top(), end - start, strip.height(),
                             colour);
    }

    painter.save();
    painter.setClipRect(freeArea);
    painter.setFont(CaptionFont());
    painter.setPen(CaptionTextColor(m_active));
    painter.setBackgroundMode(Qt::TransparentMode);
    QRect textArea = freeArea;
    if (vertical) {
        painter.translate(freeArea.bottomLeft() + QPoint(0, 1));
        painter.rotate(-90);
        textArea = QRect(0, 0, freeArea.height(), freeArea.width());
    }
    painter.drawText(textArea.adjusted(kTextIndent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, windowTitle());
    painter.restore();
}

void CSizingControlBarCF::OnFocusChanged(QWidget*, QWidget* current) {
    const bool active = current && (current == this || isAncestorOf(current));
    if (active == m_active)
        return;
    m_active = active;
    Strip()->update();
    emit activeChanged(active);
}
