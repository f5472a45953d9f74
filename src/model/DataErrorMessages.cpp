#include "DataErrorMessages.h"

#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"

void ShowDataErrorsAsMessages(CArmyDatabase& db) {
    db.SetErrorSink([](const CDataError& error) {
        switch (error.kind) {
        case CDataError::Kind::CannotOpen:
            ShowWarningMessage(kCannotOpenId);
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
        }
    });
}
