#include "CArmyView.h"

CArmyView::CArmyView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("armyView"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);
}
