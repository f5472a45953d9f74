#pragma once

#include <QWidget>

// The army being edited, in the main window's client area. While no army is open it shows only
// its background.
class CArmyView : public QWidget {
    Q_OBJECT
public:
    explicit CArmyView(QWidget* parent = nullptr);
};
