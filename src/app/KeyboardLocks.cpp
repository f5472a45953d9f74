// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardLocks.h"

#include <QGuiApplication>

// X11's headers define macros (KeyRelease, None, Bool...) that clash with Qt's names, so they
// stay in this file alone.
#if __has_include(<X11/XKBlib.h>) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>

namespace {
bool ReadLock(Display* display, const char* name, bool* on) {
    Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool state = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
        return false;
    *on = state;
    return true;
}
} // namespace

bool ReadKeyboardLocks(bool* caps, bool* num, bool* scroll) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const bool read = ReadLock(display, "Caps Lock", caps);
    ReadLock(display, "Num Lock", num);
    ReadLock(display, "Scroll Lock", scroll);
    return read;
}
#else
bool ReadKeyboardLocks(bool*, bool*, bool*) {
    return false;
}
#endif
