// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CSkarnholtDBApp.h"
#include "app/TerminalAnswers.h"
#include "data/CArmyDatabase.h"
#include "model/CArmy.h"

int main(int argc, char* argv[]) {
    if (const auto answered = AnswerInTerminal(argc, argv))
        return *answered;
    // The program's one connection and one army, given to the application and through it to
    // the window; the connection is closed at exit, before Qt's own globals go away.
    CArmyDatabase db;
    CArmy army(db);
    CSkarnholtDBApp app(argc, argv, db, army);
    return app.Run();
}
