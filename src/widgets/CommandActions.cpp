// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandActions.h"

#include "core/CommandIds.h"

#include <QAction>
#include <QMainWindow>

QAction* FindCommandAction(const QWidget* from, int id) {
    for (QWidget* w = from->parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMainWindow*>(w)) {
            const QList<QAction*> found = frame->findChildren<QAction*>(CommandObjectName(id));
            return found.isEmpty() ? nullptr : found.first();
        }
    }
    return nullptr;
}
