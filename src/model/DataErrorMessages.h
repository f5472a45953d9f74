#pragma once

class CArmyDatabase;

// Has the data layer's failures shown to the player through the message facade: the driver's
// text for a refused statement, the program's own message for the rest.
void ShowDataErrorsAsMessages(CArmyDatabase& db);
