// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

// Every message the program shows goes through here, so that tests can record what was shown
// and answer questions instead of a modal box appearing.
class MessageBox {
public:
    // A question whose default answer is No, for what cannot be undone.
    // A status is a passing line in the window's status bar, not a box.
    enum class Kind { Warning, Info, Question, QuestionDefaultNo, DatabaseError, Status };

    struct Shown {
        Kind kind;
        int id; // string-table id; 0 for a database error
        QString text;
    };

    class Sink {
    public:
        virtual ~Sink() = default;
        // Shows the message; for a question, answers true for Yes.
        virtual bool Show(const Shown& message) = 0;
    };

    // Where messages go: the program installs its message boxes; until then (and in tools
    // without windows) they go to the standard error and questions are answered No.
    static void SetDefaultSink(Sink* sink);
    // Replaces the default for as long as it is installed (tests record messages this way);
    // nullptr gives the default back.
    static void SetSink(Sink* sink);
    static bool Show(Kind kind, int id, const QString& text);
};

// Installs itself while alive: records each message and answers questions with the next answer.
class MessageRecorder : public MessageBox::Sink {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    bool Show(const MessageBox::Shown& message) override;

    void SetNextAnswer(bool yes) { m_nextAnswer = yes; }
    QList<int> Ids() const;
    const QList<MessageBox::Shown>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

private:
    QList<MessageBox::Shown> m_messages;
    bool m_nextAnswer = true;
    MessageBox::Sink* m_previous = nullptr;
};

void ShowWarningMessage(int id);
// A message whose text has been filled in (its placeholders replaced) by the caller.
void ShowWarningMessage(int id, const QString& text);
void ShowInfoMessage(int id);
void ShowInfoMessage(int id, const QString& text);
void ShowStatusMessage(int id, const QString& text);
bool AskYesNoMessage(int id);
bool AskYesNoMessage(int id, const QString& text, bool defaultNo);
// A statement the data source refused: the driver's own text.
void ShowDatabaseError(const QString& driverText);
