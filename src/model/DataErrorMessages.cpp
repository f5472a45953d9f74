// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataErrorMessages.h"

#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"

void ShowDataErrorsAsMessages(CArmyDatabase& db) {
    db.SetErrorSink([](const CDataError& error) {
        switch (error.kind) {
        case CDataError::Kind::CannotOpen:
            // The driver's own words after the program's: a certificate refused, a password
            // wrong, a server that does not answer.
            ShowWarningMessage(kCannotOpenId, error.text.isEmpty()
                                                  ? LoadResString(kCannotOpenId)
                                                  : LoadResString(kCannotOpenId) +
                                                        QStringLiteral("\n\n") + error.text);
            break;
        case CDataError::Kind::Statement:
            ShowDatabaseError(error.text);
            break;
        case CDataError::Kind::NameTooLong:
            ShowWarningMessage(kNameTooLongId);
            break;
        case CDataError::Kind::DescriptionTooLong:
            ShowWarningMessage(kDescriptionTooLongId);
            break;
        case CDataError::Kind::ConnectionLost:
            ShowWarningMessage(kConnectionLostId, LoadResString(kConnectionLostId).arg(error.text));
            break;
        case CDataError::Kind::CommitUncertain:
            ShowWarningMessage(kCommitUncertainId,
                               LoadResString(kCommitUncertainId).arg(error.text));
            break;
        case CDataError::Kind::NotOwner:
            ShowWarningMessage(kNotOwnerId);
            break;
        case CDataError::Kind::CannotReconnect:
            ShowWarningMessage(kCannotReconnectId,
                               LoadResString(kCannotReconnectId).arg(error.text));
            break;
        }
    });
    db.SetReconnectSink([](int attempt, int attempts) {
        if (attempt == 0)
            ShowStatusMessage(kReconnectedId, LoadResString(kReconnectedId));
        else
            ShowStatusMessage(kReconnectingId,
                              LoadResString(kReconnectingId).arg(attempt).arg(attempts));
    });
}
