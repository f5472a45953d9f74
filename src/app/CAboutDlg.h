// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// The about box: the version, the licence and the picture.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
