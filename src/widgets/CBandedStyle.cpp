#include "CBandedStyle.h"

#include <QApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionComplex>

namespace {

// Lines per piece: under the engine's 96 even where a piece holds both edges.
constexpr int kPieceLines = 40;

} // namespace

CBandedStyle::CBandedStyle(const QString& key) : QProxyStyle(key) {}

void CBandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const QRect rect = option->rect;
    // Only where drawing into an image and copying it was seen to give the same pixels as
    // drawing in place: upright bars, at one device pixel a point. (Cut across, a horizontal
    // bar's edge lines end elsewhere and the style's corner pixels come out darker.)
    if (control != CC_ScrollBar || rect.height() <= kPieceLines || rect.height() < rect.width() ||
        !painter->device() || painter->device()->devicePixelRatio() != 1.0 ||
        !painter->transform().isIdentity() || painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (m_piece.size() != QSize(rect.width(), kPieceLines))
        m_piece = QImage(rect.width(), kPieceLines, QImage::Format_ARGB32_Premultiplied);
    for (int top = rect.top(); top <= rect.bottom(); top += kPieceLines) {
        const QPoint at(rect.left(), top);
        m_piece.fill(Qt::transparent);
        {
            QPainter inPiece(&m_piece);
            inPiece.setRenderHints(painter->renderHints());
            inPiece.translate(-at);
            QProxyStyle::drawComplexControl(control, option, &inPiece, widget);
        }
        painter->drawImage(at, m_piece);
    }
}

void InstallBandedStyle() {
    QApplication::setStyle(new CBandedStyle(QApplication::style()->name()));
}
