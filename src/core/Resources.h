// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// Icons and pictures by resource id, from the program's built-in resources
// (":/icons/<id>.svg" and ":/bitmaps/<id>.svg" or ".png").
QIcon LoadIconResource(int id);
// A null pixmap when there is no picture under the id.
QPixmap LoadBitmapResource(int id);
