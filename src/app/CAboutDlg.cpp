// SPDX-License-Identifier: GPL-3.0-or-later

#include "CAboutDlg.h"

#include "core/Resources.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("À propos de SkarnholtDB"));

    auto* icon = new QLabel(this);
    icon->setPixmap(LoadIconResource(128).pixmap(32, 32));
    auto* version = new QLabel(tr("SkarnholtDB version 1.0"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(LoadBitmapResource(148));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(version, 0, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->addWidget(picture, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
