// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MessageBox.h"

// The program's messages as modal message boxes over the active window.
class DialogMessageSink : public MessageBox::Sink {
public:
    bool Show(const MessageBox::Shown& message) override;
};
