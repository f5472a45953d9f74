// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

class QAbstractItemView;
class QKeyEvent;
class QRect;

// Whether the key asks for a pop-up menu: the menu key or Shift+F10, as on every desktop.
bool IsMenuKey(const QKeyEvent& event);
// Where a menu asked for from the keyboard opens over a view: at the row, as if right-clicked
// there; (-1, -1) when there is no row.
QPoint KeyboardMenuPoint(const QAbstractItemView& view, const QRect& row);
