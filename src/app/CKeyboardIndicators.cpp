// SPDX-License-Identifier: GPL-3.0-or-later

#include "CKeyboardIndicators.h"

#include "KeyboardLocks.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

CKeyboardIndicators::CKeyboardIndicators(QLabel* caps, QLabel* num, QLabel* scroll, QObject* parent)
    : QObject(parent), m_panes{caps, num, scroll} {
    for (int i = 0; i < 3; ++i) {
        m_texts[i] = m_panes[i]->text();
        // The pane keeps its width when its text is hidden.
        m_panes[i]->setMinimumWidth(m_panes[i]->sizeHint().width());
    }
    qApp->installEventFilter(this);
    Refresh();
}

void CKeyboardIndicators::Refresh() {
    bool on[3] = {m_on[0], m_on[1], m_on[2]};
    ReadKeyboardLocks(&on[CapsLock], &on[NumLock], &on[ScrollLock]);
    SetLocks(on[CapsLock], on[NumLock], on[ScrollLock]);
}

void CKeyboardIndicators::SetLocks(bool caps, bool num, bool scroll) {
    const bool on[3] = {caps, num, scroll};
    for (int i = 0; i < 3; ++i) {
        m_on[i] = on[i];
        m_panes[i]->setText(on[i] ? m_texts[i] : QString());
    }
}

bool CKeyboardIndicators::eventFilter(QObject* watched, QEvent* event) {
    // The locks change with keys, here or in another window while this one was away.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        QTimer::singleShot(0, this, &CKeyboardIndicators::Refresh);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
