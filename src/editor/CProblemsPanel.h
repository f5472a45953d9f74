#pragma once

#include <QDockWidget>
#include <QSet>

class CArmy;
class QListWidget;

// The open army's problems, one line each, under the army view. It comes into view by itself
// when a problem appears that was not there; the player may hide it again.
class CProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CProblemsPanel(const CArmy& army, QWidget* parent = nullptr);

    QListWidget* List() const { return m_pList; }
    // Lines again from the army as it stands.
    void Refresh();

signals:
    // A line about a member was double-clicked: its key.
    void memberChosen(int key);

private:
    const CArmy& m_army;
    QListWidget* m_pList;
    QSet<QString> m_shown;
};
