// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmySheet.h"

#include "ExportLabels.h"

#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattleContents.h"
#include "model/CArmy.h"

#include <QHash>

#include <cstdlib>

namespace {

constexpr int kNameTitle = 144;
constexpr int kNotesTitle = 149;

QString Escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Cell(const QString& text, const QString& attributes = QString()) {
    return QStringLiteral("<td%1>%2</td>").arg(attributes, Escaped(text));
}

// The group leader a member counts for: his own, his units' and their mounts' and crews'.
const CArmyUnit* GroupOf(const CArmy& army, const CArmyUnit& unit) {
    const CArmyUnit* main = unit.m_pMainUnit ? unit.m_pMainUnit : &unit;
    if (main->IsGroupLeader())
        return main;
    const CArmyUnit* leader = army.LeaderOf(*main);
    return leader && leader->IsGroupLeader() ? leader : nullptr;
}

QString ArmyBody(const CArmy& army) {
    const CArmyHeader& header = army.GetHeader();
    const int cost = army.ComputeTotal();
    const bool over = cost > header.NombrePointMax;
    const auto points = [](int value) { return LoadResString(kSheetPointsId).arg(value); };
    QString html =
        QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>"
                       "<h1>%1</h1><p>%2 : %3<br>%4 : %5 &nbsp;&nbsp; %6 : %7 &nbsp;&nbsp; "
                       "%8 : %9</p></td>")
            .arg(Escaped(header.Nom), LoadResString(kRaceLabel),
                 Escaped(GetRaceName(header.IdRace)), LoadResString(kBudgetLabel),
                 points(header.NombrePointMax), LoadResString(kCostLabel), points(cost),
                 LoadResString(over ? kSheetOverId : kSheetRestId),
                 points(std::abs(header.NombrePointMax - cost)));
    const int picture = GetRaceBitmapId(header.IdRace);
    if (picture > 0)
        html += QStringLiteral("<td align=\"right\"><img src=\"bitmap:%1\" height=\"90\"></td>")
                    .arg(picture);
    html += QStringLiteral("</tr></table>");

    // The titles as the text report has them, repeated on every page.
    QStringList titles{LoadResString(kNameTitle)};
    for (const CStatColumn& column : StatColumns()) {
        if (column.printed)
            titles << LoadResString(column.titleId);
    }
    titles << LoadResString(kNotesTitle);
    html += QStringLiteral("<table class=\"members\" width=\"100%\" border=\"1\" "
                           "cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    for (const QString& title : titles)
        html += QStringLiteral("<th>%1</th>").arg(Escaped(title));
    html += QStringLiteral("</tr></thead>");

    // Each group leader's subtotal closes his last member.
    QHash<const CArmyUnit*, int> subtotal;
    QHash<const CArmyUnit*, const CArmyUnit*> lastOf;
    for (const CArmyUnit* unit : army.Units()) {
        if (const CArmyUnit* group = GroupOf(army, *unit)) {
            subtotal[group] += unit->CoutTotal;
            lastOf[group] = unit;
        }
    }
    QHash<const CArmyUnit*, const CArmyUnit*> closes; // last member -> his group leader
    for (auto it = lastOf.cbegin(); it != lastOf.cend(); ++it)
        closes.insert(it.value(), it.key());
    for (const CArmyUnit* unit : army.Units()) {
        const bool leader = unit->IsLeader() && !unit->m_pMainUnit;
        const QString indent = QStringLiteral("&nbsp;").repeated(4 * army.Depth(*unit));
        const QString name =
            leader ? QStringLiteral("<b>%1</b>").arg(Escaped(unit->Nom)) : Escaped(unit->Nom);
        html += QStringLiteral("<tr><td>%1%2</td>").arg(indent, name);
        for (const CStatColumn& column : StatColumns()) {
            if (column.printed)
                html += Cell(column.text(*unit));
        }
        html += Cell(FormatReportNotesText(*unit)) + QStringLiteral("</tr>");
        if (const CArmyUnit* group = closes.value(unit))
            html += QStringLiteral("<tr><td colspan=\"%1\" align=\"right\"><i>%2</i></td></tr>")
                        .arg(titles.size())
                        .arg(Escaped(LoadResString(kSheetSubtotalId)
                                         .arg(group->Nom, points(subtotal.value(group)))));
    }
    return html + QStringLiteral("</table>");
}

QString Document(const QString& body) {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>%1</body></html>")
        .arg(body);
}

} // namespace

QString ArmySheetHtml(const CArmy& army) {
    return Document(ArmyBody(army));
}

QString BattleSheetHtml(CArmyDatabase& db, const CBattleContents& contents) {
    const CBattle& battle = contents.battle;
    QHash<int, QList<const CArmyUnit*>> unitsOf;
    for (const CArmyUnit* unit : contents.units)
        unitsOf[unit->IdArmee] << unit;
    int budget = 0;
    int cost = 0;
    QString armies;
    for (const CArmyHeader* header : contents.armies) {
        CArmy army(db);
        // Each army owns copies: an army may stand twice in a battle.
        CItemList<CArmyUnit> members;
        for (const CArmyUnit* unit : unitsOf.value(header->IdArmee))
            members.Append(std::make_unique<CArmyUnit>(*unit));
        army.Take(*header, members);
        budget += army.GetHeader().NombrePointMax;
        cost += army.ComputeTotal();
        armies +=
            QStringLiteral("<div style=\"page-break-before: always\">%1</div>").arg(ArmyBody(army));
    }
    const auto points = [](int value) { return LoadResString(kSheetPointsId).arg(value); };
    return Document(QStringLiteral("<h1>%1 : %2</h1><p>%3 : %4<br>%5 : %6</p><p>%7</p>%8")
                        .arg(LoadResString(kBattleLabel), Escaped(battle.Nom),
                             LoadResString(kTotalBudgetLabel), points(budget),
                             LoadResString(kTotalCostLabel), points(cost),
                             Escaped(battle.Description), armies));
}

QString SheetFileName(const QString& name) {
    return ExportFileName(name).chopped(4) + QStringLiteral(".pdf");
}
