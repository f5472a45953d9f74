// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestDataSource.h"
#include "data/CArmyDatabase.h"
#include "model/DataErrorMessages.h"

// The program's own connection on the small catalogue, its failures shown as the program shows
// them, so that tests read them from a MessageRecorder.
std::unique_ptr<TestDataSource> TestDataSource::OpenSmallCatalogue(QString* failure) {
    auto source = std::make_unique<TestDataSource>(QString::fromLatin1(kSmallCatalogue));
    if (!source->IsValid()) {
        *failure = source->ErrorText();
        return nullptr;
    }
    ShowDataErrorsAsMessages(TheDatabase());
    if (!TheDatabase().OpenDatabase()) {
        *failure = QStringLiteral("the program's connection does not open");
        return nullptr;
    }
    return source;
}
