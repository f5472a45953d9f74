// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What went wrong in the data layer, for the program to tell the player in its own words.
struct CDataError {
    enum class Kind {
        CannotOpen,         // the data source could not be opened
        Statement,          // the data source refused a statement; text is the driver's
        NameTooLong,        // a name longer than a column holds
        DescriptionTooLong, // a description longer than its column holds
        ConnectionLost,     // the server was lost before the work was committed: none of it stored
        CommitUncertain,    // the server was lost at the commit: the work may have been stored
        CannotReconnect,    // the server could not be reached again; text is the driver's
        NotOwner,           // the server refused to change another player's army or battle
    };
    Kind kind;
    QString text;
};
