// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLabel;

// Keeps the caps lock, num lock and scroll lock panes of the status bar in step with the
// keyboard: each pane shows its text while its lock is on.
class CKeyboardIndicators : public QObject {
    Q_OBJECT
public:
    enum Lock { CapsLock, NumLock, ScrollLock };

    CKeyboardIndicators(QLabel* caps, QLabel* num, QLabel* scroll, QObject* parent = nullptr);

    // Reads the locks from the display again and updates the panes.
    void Refresh();
    // For displays that cannot be asked (and tests): sets the locks as given.
    void SetLocks(bool caps, bool num, bool scroll);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panes[3];
    QString m_texts[3];
    bool m_on[3] = {false, false, false};
};
