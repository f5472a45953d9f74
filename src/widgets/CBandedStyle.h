#pragma once

#include <QImage>
#include <QProxyStyle>

#include <functional>

// The platform's style, with tall scroll bars and long tool bars drawn a piece at a time. Qt's
// raster engine hands every fill of 96 lines or more to its thread pool (and a line across is
// a fill of one line per pixel): a scroll bar's groove, edges and handle, a tool bar's bevel
// lines, each was one, and on two cores waiting on the other threads cost more than drawing,
// over a millisecond every time the army view's scroll bars were painted. Each piece is drawn
// by the style into an image of its own, whose edges clip where the style's own clip would not.
class CBandedStyle : public QProxyStyle {
public:
    // Over the style of that name, as QStyleFactory knows it.
    explicit CBandedStyle(const QString& key);
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    void DrawInPieces(QPainter* painter, const QRect& rect, bool alongWidth,
                      const std::function<void(QPainter*)>& draw) const;

    mutable QImage m_piece;
};

// Makes it the application's style, over the one the platform or the user chose.
void InstallBandedStyle();
