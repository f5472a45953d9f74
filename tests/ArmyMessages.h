// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MessageBox.h"
#include "model/CArmy.h"

// Shows what the army tells (its refusals), as the program's window does, so that the messages
// are recorded.
inline void ShowWhatItTells(CArmy& army) {
    QObject::connect(&army, &CArmy::told, &army, [](const MessageBox::Shown& message) {
        MessageBox::Show(message.kind, message.id, message.text);
    });
}
