#include "CBandedStyle.h"

#include <QApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionComplex>

namespace {

// Lines per piece: under the engine's 96 even where a piece holds two edges.
constexpr int kPieceLines = 40;

// Drawing into an image and copying it gives what drawing in place would: it was seen to at
// one device pixel a point, with nothing turned, faded or blended otherwise.
bool CopiesFaithfully(const QPainter* painter) {
    return painter->device() && painter->device()->devicePixelRatio() == 1.0 &&
           painter->transform().isIdentity() && painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

} // namespace

CBandedStyle::CBandedStyle(const QString& key) : QProxyStyle(key) {}

void CBandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const QRect rect = option->rect;
    // Upright bars only: cut across, a horizontal bar's handle comes out with darker corners.
    if (control != CC_ScrollBar || rect.height() <= kPieceLines || rect.height() < rect.width() ||
        !CopiesFaithfully(painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    DrawInPieces(painter, rect, false, [&](QPainter* inPiece) {
        QProxyStyle::drawComplexControl(control, option, inPiece, widget);
    });
}

void CBandedStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const QRect rect = option->rect;
    if (element != CE_ToolBar || qMax(rect.width(), rect.height()) <= kPieceLines ||
        !CopiesFaithfully(painter)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    DrawInPieces(painter, rect, rect.width() >= rect.height(), [&](QPainter* inPiece) {
        QProxyStyle::drawControl(element, option, inPiece, widget);
    });
}

void CBandedStyle::DrawInPieces(QPainter* painter, const QRect& rect, bool alongWidth,
                                const std::function<void(QPainter*)>& draw) const {
    const QSize size =
        alongWidth ? QSize(kPieceLines, rect.height()) : QSize(rect.width(), kPieceLines);
    if (m_piece.size() != size)
        m_piece = QImage(size, QImage::Format_ARGB32_Premultiplied);
    const int end = alongWidth ? rect.right() : rect.bottom();
    for (int from = alongWidth ? rect.left() : rect.top(); from <= end; from += kPieceLines) {
        const QPoint at = alongWidth ? QPoint(from, rect.top()) : QPoint(rect.left(), from);
        m_piece.fill(Qt::transparent);
        {
            QPainter inPiece(&m_piece);
            inPiece.setRenderHints(painter->renderHints());
            inPiece.translate(-at);
            draw(&inPiece);
        }
        painter->drawImage(at, m_piece);
    }
}

void InstallBandedStyle() {
    QApplication::setStyle(new CBandedStyle(QApplication::style()->name()));
}
