// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDockWidget>
#include <QList>
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
    // A line about a member was activated (Enter or a double-click): its key.
    void memberChosen(int key);

private:
    // A line as shown: its text, and the member it leads to.
    struct Line {
        QString text;
        bool member;
        int key;
        bool operator==(const Line& other) const {
            return text == other.text && member == other.member && key == other.key;
        }
        bool operator!=(const Line& other) const { return !(*this == other); }
    };

    const CArmy& m_army;
    QListWidget* m_pList;
    QSet<QString> m_shown;
    QList<Line> m_lines;
};
