// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardMenu.h"

#include <QAbstractItemView>
#include <QKeyEvent>

bool IsMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

QPoint KeyboardMenuPoint(const QAbstractItemView& view, const QRect& row) {
    if (!row.isValid())
        return QPoint(-1, -1);
    return view.viewport()->mapToGlobal(QPoint(row.left() + row.height() / 2, row.center().y()));
}
