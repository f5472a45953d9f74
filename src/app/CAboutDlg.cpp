// SPDX-License-Identifier: GPL-3.0-or-later

#include "CAboutDlg.h"

#include "core/Resources.h"
#include "core/StringTable.h"
#include "core/Version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("À propos de SkarnholtDB"));

    auto* icon = new QLabel(this);
    icon->setPixmap(LoadIconResource(128).pixmap(32, 32));
    auto* version = new QLabel(LoadResString(kAboutVersionId).arg(ProgramVersion()), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* licence = new QLabel(LoadResString(kLicenceNoticeId), this);
    licence->setObjectName(QStringLiteral("licenceLabel"));
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
    layout->addWidget(licence, 1, 1, 1, 2);
    layout->addWidget(picture, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
