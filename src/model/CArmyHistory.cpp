// SPDX-License-Identifier: GPL-3.0-or-later

#include "CArmyHistory.h"

#include "CArmy.h"
#include "core/StringTable.h"

#include <QUndoCommand>

namespace {

// One stored edit: its first redo is the edit itself, already done and stored.
class CArmyEditCommand : public QUndoCommand {
public:
    CArmyEditCommand(CArmy& army, const CArmyEdit& edit) : m_army(army), m_edit(edit) {
        setText(edit.label);
    }
    void undo() override { m_army.Restore(m_edit.before); }
    void redo() override {
        if (m_bDone) {
            m_bDone = false;
            return;
        }
        m_army.Restore(m_edit.after);
    }

private:
    CArmy& m_army;
    const CArmyEdit m_edit;
    bool m_bDone = true;
};

QString CommandText(int withNameId, int aloneId, const QString& name) {
    return name.isEmpty() ? LoadResString(aloneId) : LoadResString(withNameId).arg(name);
}

} // namespace

CArmyHistory::CArmyHistory(CArmy& army, QObject* parent) : QObject(parent), m_army(army) {
    connect(&army, &CArmy::edited, this, &CArmyHistory::Push);
    connect(&army, &CArmy::replaced, this, &CArmyHistory::Forget);
    connect(&army, &CArmy::reloaded, this, &CArmyHistory::Forget);
    connect(&m_stack, &QUndoStack::indexChanged, this, &CArmyHistory::stateChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CArmyHistory::stateChanged);
}

CArmyHistory::~CArmyHistory() {
    // The stack empties itself as it goes, when whoever listens may be gone already.
    disconnect(&m_stack, nullptr, this, nullptr);
}

void CArmyHistory::Push(const CArmyEdit& edit) {
    if (!m_bRunning)
        m_stack.push(new CArmyEditCommand(m_army, edit));
}

void CArmyHistory::Forget() {
    if (m_bRunning) {
        m_bForgetAfter = true;
        return;
    }
    m_stack.clear();
    emit stateChanged();
}

template <typename Step> void CArmyHistory::Run(Step step) {
    m_bRunning = true;
    step();
    m_bRunning = false;
    if (m_bForgetAfter) {
        m_bForgetAfter = false;
        Forget();
    }
}

void CArmyHistory::Undo() {
    if (m_stack.canUndo())
        Run([this] { m_stack.undo(); });
}

void CArmyHistory::Redo() {
    if (m_stack.canRedo())
        Run([this] { m_stack.redo(); });
}

QString CArmyHistory::UndoText() const {
    return CommandText(kUndoTextId, kUndoId, m_stack.canUndo() ? m_stack.undoText() : QString());
}

QString CArmyHistory::RedoText() const {
    return CommandText(kRedoTextId, kRedoId, m_stack.canRedo() ? m_stack.redoText() : QString());
}
