// SPDX-License-Identifier: GPL-3.0-or-later

// Renders an SVG picture into a square PNG of the size given, for the icon theme.
//   render-icon IN.svg SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int size = arguments.value(2).toInt();
    QSvgRenderer svg(arguments.value(1));
    if (arguments.size() != 4 || size <= 0 || !svg.isValid()) {
        std::fprintf(stderr, "usage: render-icon IN.svg SIZE OUT.png\n");
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(arguments.value(3)) ? 0 : 1;
}
