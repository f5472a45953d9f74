// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The one-line strip above the army's tree and list: name, budget, cost, and the rest in green
// or, over budget, in red.
class CBudgetStrip : public QWidget {
    Q_OBJECT
public:
    explicit CBudgetStrip(QWidget* parent = nullptr);

    void SetValues(int budget, int total, const QString& name);
    // A line after the rest, in italics: whose army it is when it is not the player's.
    void SetNote(const QString& note);

    int Budget() const { return m_budget; }
    int Rest() const { return m_rest; }
    QString Name() const { return m_name; }
    // The three texts as drawn, left to right, and the note when there is one.
    QStringList Texts() const;
    QColor RestColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateSpokenText();

    QFont m_font;
    QString m_name;
    QString m_note;
    int m_budget = 0;
    int m_total = 0;
    int m_rest = 0;
};
