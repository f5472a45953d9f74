// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads caps lock, num lock and scroll lock from the display; false when the display cannot
// tell (no X11 display, as under the offscreen platform), leaving the values as they were.
bool ReadKeyboardLocks(bool* caps, bool* num, bool* scroll);
