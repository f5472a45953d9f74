// SPDX-License-Identifier: GPL-3.0-or-later

#include "CBudgetStrip.h"

#include "core/StringTable.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {
constexpr int kMargin = 5;

// Read as a line of text, as it is painted, rather than as an empty pane.
QAccessibleInterface* StripAsText(const QString& className, QObject* object) {
    if (className == QLatin1String("CBudgetStrip") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}
} // namespace

CBudgetStrip::CBudgetStrip(QWidget* parent) : QWidget(parent), m_font(QStringLiteral("Arial"), 10) {
    setObjectName(QStringLiteral("budgetStrip"));
    [[maybe_unused]] static const bool readAsText = [] {
        QAccessible::installFactory(StripAsText);
        return true;
    }();
    m_font.setWeight(QFont::Bold);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);
}

void CBudgetStrip::SetValues(int budget, int total, const QString& name) {
    m_budget = budget;
    m_total = total;
    m_rest = budget - total;
    m_name = name;
    UpdateSpokenText();
    update();
}

// Spoken, the words are those of the language in use: "Budget 1000, coût 507, reste 493",
// with the army's name and the note as its description.
void CBudgetStrip::UpdateSpokenText() {
    setAccessibleName(
        LoadResString(kBudgetSpokenId)
            .arg(QString::number(m_budget), QString::number(m_total), QString::number(m_rest)));
    setAccessibleDescription(m_note.isEmpty() ? m_name
                                              : QStringLiteral("%1, %2").arg(m_name, m_note));
}

void CBudgetStrip::SetNote(const QString& note) {
    if (note == m_note)
        return;
    m_note = note;
    UpdateSpokenText();
    update();
}

QStringList CBudgetStrip::Texts() const {
    // "Budget", "Cost" and "Rest" stay as they are in every language.
    // Name and budget in one go: a name holding "%2" stays as it is.
    QStringList texts{
        QStringLiteral("%1       Budget %2 -").arg(Isolated(m_name), QString::number(m_budget)),
        QStringLiteral("Cost %1 -").arg(m_total), QStringLiteral("Rest %1").arg(m_rest)};
    if (!m_note.isEmpty())
        texts << QStringLiteral("   ") + m_note;
    return texts;
}

QColor CBudgetStrip::RestColour() const {
    return m_rest >= 0 ? QColor(0, 128, 0) : QColor(255, 0, 0);
}

void CBudgetStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const QStringList texts = Texts();
    int x = kMargin;
    for (int i = 0; i < texts.size(); ++i) {
        painter.setPen(i == 2 ? RestColour() : palette().color(QPalette::ToolTipText));
        if (i == 3) {
            QFont note = m_font;
            note.setWeight(QFont::Normal);
            note.setItalic(true);
            painter.setFont(note);
        }
        const int width = metrics.horizontalAdvance(texts[i]);
        painter.drawText(QRect(x, 0, width, height()), Qt::AlignLeft | Qt::AlignVCenter, texts[i]);
        x += width + kMargin;
    }
}
