// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessageBox.h"

#include "StringTable.h"

#include <cstdio>

namespace {

// Until the program puts up its boxes, a message goes to the standard error and a question is
// answered No: nothing is ever done unasked.
class StandardErrorSink : public MessageBox::Sink {
public:
    bool Show(const MessageBox::Shown& message) override {
        std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
        return false;
    }
};

StandardErrorSink g_standardErrorSink;
MessageBox::Sink* g_defaultSink = &g_standardErrorSink;
MessageBox::Sink* g_sink = nullptr;

} // namespace

void MessageBox::SetDefaultSink(Sink* sink) {
    g_defaultSink = sink ? sink : &g_standardErrorSink;
}

void MessageBox::SetSink(Sink* sink) {
    g_sink = sink;
}

bool MessageBox::Show(Kind kind, int id, const QString& text) {
    return (g_sink ? g_sink : g_defaultSink)->Show(Shown{kind, id, text});
}

MessageRecorder::MessageRecorder() : m_previous(g_sink) {
    MessageBox::SetSink(this);
}

MessageRecorder::~MessageRecorder() {
    MessageBox::SetSink(m_previous);
}

bool MessageRecorder::Show(const MessageBox::Shown& message) {
    m_messages.append(message);
    return message.kind == MessageBox::Kind::Question ||
                   message.kind == MessageBox::Kind::QuestionDefaultNo
               ? m_nextAnswer
               : true;
}

QList<int> MessageRecorder::Ids() const {
    QList<int> ids;
    for (const auto& message : m_messages)
        ids.append(message.id);
    return ids;
}

void ShowWarningMessage(int id) {
    MessageBox::Show(MessageBox::Kind::Warning, id, LoadResString(id));
}

void ShowWarningMessage(int id, const QString& text) {
    MessageBox::Show(MessageBox::Kind::Warning, id, text);
}

void ShowInfoMessage(int id, const QString& text) {
    MessageBox::Show(MessageBox::Kind::Info, id, text);
}

void ShowStatusMessage(int id, const QString& text) {
    MessageBox::Show(MessageBox::Kind::Status, id, text);
}

void ShowInfoMessage(int id) {
    MessageBox::Show(MessageBox::Kind::Info, id, LoadResString(id));
}

bool AskYesNoMessage(int id) {
    return MessageBox::Show(MessageBox::Kind::Question, id, LoadResString(id));
}

bool AskYesNoMessage(int id, const QString& text, bool defaultNo) {
    return MessageBox::Show(
        defaultNo ? MessageBox::Kind::QuestionDefaultNo : MessageBox::Kind::Question, id, text);
}

void ShowDatabaseError(const QString& driverText) {
    MessageBox::Show(MessageBox::Kind::DatabaseError, 0, driverText);
}
