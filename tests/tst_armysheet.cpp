// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFixture.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "editor/SheetPrinter.h"
#include "export/ArmySheet.h"

#include <QProcess>
#include <QtTest>

// The army sheet written as a PDF, read back as text the way a reader's tools would.
class TestArmySheet : public ArmyFixture {
    Q_OBJECT

    QTemporaryDir m_dir;

    // The PDF's text, of one page or of all (page 0).
    static QString PdfText(const QString& path, int page = 0) {
        QProcess extract;
        QStringList arguments{QStringLiteral("-layout")};
        if (page > 0)
            arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
        extract.start(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
        extract.waitForFinished(60000);
        return QString::fromUtf8(extract.readAllStandardOutput());
    }
    static int PdfPages(const QString& path) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        info.waitForFinished(60000);
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                .match(QString::fromUtf8(info.readAllStandardOutput()));
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    }
    // A new army, open, with its warchief.
    static CArmy& NewArmy(const QString& name, int budget, const CUnitType* warchief) {
        OpenNewArmy(name, budget);
        TheArmy().AddWarchief(*warchief);
        return TheArmy();
    }

private slots:
    void initTestCase() { OpenCatalogue(); }
    void cleanup() { CloseArmy(); }

    void theSheetHoldsEveryMemberAndTheTotals() {
        CArmy& army = NewArmy(QStringLiteral("Horde <du> « Croc »"), 200, Type("T3 Orc warlord"));
        QVERIFY(army.GetWarchief());
        army.AddUnit(army.GetWarchief(), {Type("T5 Warriors")});
        army.AddGroupLeader(*Type("T3 Orc warlord"));
        army.RenameMember(army.Units().GetTail(), QStringLiteral("Grok"));
        army.AddUnit(army.Units().GetTail(), {Type("T1 Wolf riders"), Type("T4 Wolf")});
        army.AddUnit(army.GetWarchief(), {Type("T6 Rock lobber")});

        const QString path = m_dir.filePath(SheetFileName(army.GetName()));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Horde__du__«_Croc_».pdf"));
        QVERIFY(WriteSheetPdf(ArmySheetHtml(army), path));
        const QString text = PdfText(path);
        // Every member, the army's figures and the group leader's subtotal with the wolf mount.
        for (const CArmyUnit* unit : army.Units())
            QVERIFY2(text.contains(unit->Nom), qPrintable(unit->Nom + "\n" + text));
        const int cost = army.ComputeTotal();
        QVERIFY2(cost > 200, "the army runs over its budget");
        for (const QString& expected :
             {QStringLiteral("Horde <du> « Croc »"), QStringLiteral("Budget : 200 pts"),
              QStringLiteral("Coût : %1 pts").arg(cost),
              QStringLiteral("Dépassement : %1 pts").arg(cost - 200),
              QStringLiteral("Sous-total de Grok : %1 pts").arg(60 + 55),
              QStringLiteral("Page 1 sur 1"), QStringLiteral("55 pts - 5 fig")})
            QVERIFY2(text.contains(expected), qPrintable(expected + "\n" + text));
        QCOMPARE(text.count(QStringLiteral("Sous-total")), 1); // the warchief's own units have none

        // A file that cannot be written says so.
        QVERIFY(!WriteSheetPdf(ArmySheetHtml(army), m_dir.filePath("missing/dir/x.pdf")));
    }

    void aLargeArmyRunsOverPagesWithItsHeaderOnEach() {
        CArmy& army = NewArmy(QStringLiteral("Grande"), 100000, Type("T3 Orc warlord"));
        army.AddGroupLeader(*Type("T3 Orc warlord"));
        CArmyUnit* leader = army.Units().GetTail();
        for (int i = 0; i < 298; ++i)
            army.AddUnit(leader, {Type("T5 Warriors")});
        army.RenameMember(army.Units().GetTail(), QStringLiteral("Derniers"));
        const QString path = m_dir.filePath(QStringLiteral("grande.pdf"));
        QVERIFY(WriteSheetPdf(ArmySheetHtml(army), path));
        const int pages = PdfPages(path);
        QVERIFY2(pages > 3, qPrintable(QString::number(pages)));
        for (int page = 1; page <= pages; ++page) {
            const QString text = PdfText(path, page);
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Nom\\s+Qua\\s+Type\\s+For"))),
                     qPrintable(QString::number(page) + "\n" + text));
            QVERIFY(text.contains(QStringLiteral("Page %1 sur %2").arg(page).arg(pages)));
        }
        QVERIFY(PdfText(path, pages).contains(QStringLiteral("Derniers")));
    }

    void aBattlePrintsEachArmy() {
        CIdList armies;
        for (const QString name : {"Nord", "Sud"}) {
            CArmy& army = NewArmy(name, 500, Type("T3 Orc warlord"));
            army.RenameMember(army.GetWarchief(), "Chef " + name);
            armies.append(army.GetHeader().IdArmee);
            army.Close();
        }
        const int battle = AddBattle(QStringLiteral("Gué"), QStringLiteral("À l'aube"), armies);
        const auto contents = ReadBattle(battle);
        QVERIFY(contents);
        const QString html = BattleSheetHtml(TheDatabase(), *contents);
        const QString path = m_dir.filePath(QStringLiteral("gue.pdf"));
        QVERIFY(WriteSheetPdf(html, path));
        QCOMPARE(PdfPages(path), 3); // the battle, then each army from a new page
        QVERIFY(PdfText(path, 1).contains(QStringLiteral("Budget total : 1000 pts")));
        QVERIFY(PdfText(path, 2).contains(QStringLiteral("Chef Nord")));
        QVERIFY(PdfText(path, 3).contains(QStringLiteral("Chef Sud")));
        QVERIFY(!ReadBattle(battle + 100));
    }
};

QTEST_MAIN(TestArmySheet)
#include "tst_armysheet.moc"
