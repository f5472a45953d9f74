// SPDX-License-Identifier: GPL-3.0-or-later

#include "CProblemsPanel.h"

#include "core/StringTable.h"
#include "model/ArmyProblems.h"
#include "model/CArmy.h"

#include <QApplication>
#include <QListWidget>
#include <QStyle>

namespace {
constexpr int kKeyRole = Qt::UserRole;

// A few lines high at first: the army view keeps the room.
class CProblemList : public QListWidget {
public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override {
        return {QListWidget::sizeHint().width(),
                5 * fontMetrics().lineSpacing() + 2 * frameWidth()};
    }
};
} // namespace

CProblemsPanel::CProblemsPanel(const CArmy& army, QWidget* parent)
    : QDockWidget(parent), m_army(army), m_pList(new CProblemList(this)) {
    setObjectName(QStringLiteral("problemsPanel"));
    setWindowTitle(LoadResString(kProblemsPanelId).remove(QLatin1Char('&')));
    m_pList->setObjectName(QStringLiteral("problemList"));
    m_pList->setAccessibleName(windowTitle());
    m_pList->setAccessibleDescription(LoadResString(kProblemListDescriptionId));
    setWidget(m_pList);
    connect(&army, &CArmy::changed, this, &CProblemsPanel::Refresh);
    connect(&army, &CArmy::reloaded, this, &CProblemsPanel::Refresh);
    connect(&army, &CArmy::replaced, this, &CProblemsPanel::Refresh);
    // Enter as well as a double-click: the member is reached without the mouse too.
    connect(m_pList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant key = item->data(kKeyRole);
        if (key.isValid())
            emit memberChosen(key.toInt());
    });
}

void CProblemsPanel::Refresh() {
    const QList<CArmyProblem> problems = FindProblems(m_army);
    QList<Line> lines;
    lines.reserve(problems.size() + 1);
    for (const CArmyProblem& problem : problems)
        lines.append({problem.text, problem.member != nullptr,
                      problem.member ? problem.member->IdUnite : 0});
    if (problems.isEmpty() && m_army.IsOpen())
        lines.append({LoadResString(kNoProblemId), false, 0});
    // Most edits leave the problems as they were: the lines stay then.
    if (lines != m_lines || m_pList->count() != lines.size()) {
        const QIcon army = style()->standardIcon(QStyle::SP_MessageBoxWarning);
        const QIcon member = style()->standardIcon(QStyle::SP_MessageBoxInformation);
        m_pList->clear();
        for (const CArmyProblem& problem : problems) {
            auto* line = new QListWidgetItem(problem.member ? member : army, problem.text, m_pList);
            if (problem.member)
                line->setData(kKeyRole, problem.member->IdUnite);
        }
        if (problems.isEmpty() && m_army.IsOpen()) {
            auto* none = new QListWidgetItem(lines.first().text, m_pList);
            none->setFlags(Qt::NoItemFlags);
        }
        m_lines = lines;
    }
    QSet<QString> shown;
    bool appeared = false;
    for (const CArmyProblem& problem : problems) {
        shown.insert(problem.text);
        appeared = appeared || !m_shown.contains(problem.text);
    }
    // A list of warnings, nothing chosen until the player picks a line.
    m_pList->setCurrentItem(nullptr);
    m_shown = shown;
    if (appeared)
        show();
}
