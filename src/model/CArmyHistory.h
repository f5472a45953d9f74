// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QUndoStack>

class CArmy;
struct CArmyEdit;

// Undo and redo of the open army's edits. Every stored edit goes on the stack; undoing or
// redoing one stores the army as it was, at once. The stack empties whenever the army in
// memory is replaced: another army, this one closed, or read again after a failure or another
// program's change, so that undo never crosses what it did not see.
class CArmyHistory : public QObject {
    Q_OBJECT
public:
    explicit CArmyHistory(CArmy& army, QObject* parent = nullptr);
    ~CArmyHistory() override;

    QUndoStack& Stack() { return m_stack; }
    void Undo();
    void Redo();
    // The commands' texts: "Annuler : supprimer Tower Herald", or "Annuler" alone.
    QString UndoText() const;
    QString RedoText() const;

signals:
    // Whether undo or redo can be done, or what they are called, changed.
    void stateChanged();

private:
    void Push(const CArmyEdit& edit);
    void Forget();
    // Runs an undo or a redo: the stack may only be emptied once it is done with its command.
    template <typename Step> void Run(Step step);

    CArmy& m_army;
    QUndoStack m_stack;
    bool m_bRunning = false;
    bool m_bForgetAfter = false;
};
