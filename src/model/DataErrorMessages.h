// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CArmyDatabase;

// Has the data layer's failures shown to the player through the message facade: the driver's
// text for a refused statement, the program's own message for the rest; and the tries to open
// a lost connection again in the status bar.
void ShowDataErrorsAsMessages(CArmyDatabase& db);
