// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QWidget;

// The main window's action of a command, found from any widget inside that window, so that a
// command chosen in a pop-up menu is handled where the menu command is.
QAction* FindCommandAction(const QWidget* from, int id);
