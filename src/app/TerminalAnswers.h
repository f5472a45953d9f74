// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// skarnholtdb --help and --version, answered in the terminal in the program's language before
// any window or data source is opened: the exit status, or nothing when neither was asked.
std::optional<int> AnswerInTerminal(int argc, char** argv);
