#include "MessageBox.h"

#include "StringTable.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class DialogSink : public MessageBox::Sink {
public:
    bool Show(const MessageBox::Shown& message) override {
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
        }
        return false;
    }
};

DialogSink g_dialogSink;
MessageBox::Sink* g_sink = &g_dialogSink;

} // namespace

void MessageBox::SetSink(Sink* sink) {
    g_sink = sink ? sink : &g_dialogSink;
}

bool MessageBox::Show(Kind kind, int id, const QString& text) {
    return g_sink->Show(Shown{kind, id, text});
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
