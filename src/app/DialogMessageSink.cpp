// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogMessageSink.h"

#include "core/StringTable.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace {
// How long a status line stays before the idle text comes back.
constexpr int kStatusMilliseconds = 15000;
} // namespace

bool DialogMessageSink::Show(const MessageBox::Shown& message) {
    const QString title = LoadResString(kAppTitleId);
    QWidget* parent = QApplication::activeWindow();
    switch (message.kind) {
    case MessageBox::Kind::Warning:
        QMessageBox::warning(parent, title, message.text);
        return true;
    case MessageBox::Kind::Info:
        QMessageBox::information(parent, title, message.text);
        return true;
    case MessageBox::Kind::Question:
        return QMessageBox::question(parent, title, message.text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    case MessageBox::Kind::QuestionDefaultNo:
        return QMessageBox::question(parent, title, message.text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    case MessageBox::Kind::DatabaseError:
        QMessageBox::critical(parent, title, message.text);
        return true;
    case MessageBox::Kind::Status:
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(window)) {
                main->statusBar()->showMessage(message.text, kStatusMilliseconds);
                // Seen at once: it may tell of a wait (a server being reached again).
                main->statusBar()->repaint();
            }
        }
        return true;
    }
    return false;
}
