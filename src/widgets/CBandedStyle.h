#pragma once

#include <QImage>
#include <QProxyStyle>

// The platform's style, with tall scroll bars drawn a piece at a time. Qt's raster engine
// hands every fill of 96 lines or more to its thread pool, and a scroll bar's groove, edges
// and handle are each such a fill: on two cores, waiting on the other threads cost over a
// millisecond every time the army view's scroll bars were painted. Each piece is drawn by the
// style into an image of its own, whose edges clip where the style's own clip would not.
class CBandedStyle : public QProxyStyle {
public:
    // Over the style of that name, as QStyleFactory knows it.
    explicit CBandedStyle(const QString& key);
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    mutable QImage m_piece;
};

// Makes it the application's style, over the one the platform or the user chose.
void InstallBandedStyle();
