// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "army/CellFormats.h"
#include "army/ValueNames.h"
#include "battle/CBattleDlg.h"
#include "battle/CBattleListDlg.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"
#include "data/CBattleEntry.h"
#include "editor/CArmyListDlg.h"
#include "editor/CArmyParamsDlg.h"
#include "editor/CCombatUnitDlg.h"
#include "editor/CLeaderDlg.h"
#include "editor/CRenameUnitDlg.h"
#include "model/CArmy.h"
#include "widgets/CPictureStatic.h"
#include "widgets/CUnitStatsList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A column of a list's rows: texts, or the army keys the battle dialog keeps in them.
QStringList Column(const QTreeWidget* list, int column = 0) {
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

QList<int> RowIds(const CBattleDlg& dialog) {
    QList<int> ids;
    for (int row = 0; row < dialog.ArmyList()->topLevelItemCount(); ++row)
        ids << dialog.ArmyList()->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    return ids;
}

QTreeWidgetItem* Find(QTreeWidget* list, const QString& text) {
    return list->findItems(text, Qt::MatchExactly).value(0);
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

// The army, battle and member dialogs on a real data source: their checks, the lists of stored
// armies and battles with their deletion, and the members' live pricing.
class TestDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataSource> m_source;

private slots:
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
    }
    void init() { QVERIFY(ClearTables()); }
    // A failed check must not leave an army open for the next test.
    void cleanup() {
        if (TheArmy().IsOpen())
            TheArmy().Close();
    }

    void newArmyChecksEachValueInTurn() {
        MessageRecorder messages;
        AddArmy(QStringLiteral("Existante"));
        CArmyParamsDlg dialog(TheDatabase());
        dialog.show();
        // Sorted by name: the Dwarves ("Nain") come before the Orcs stored ahead of them.
        QCOMPARE(dialog.RaceList()->itemText(0), GetRaceName(11));
        // Each refusal shows one message and leaves the dialog open.
        auto refusal = [&](const QString& name, const QString& budget) {
            messages.Clear();
            dialog.NameEdit()->setText(name);
            dialog.BudgetEdit()->setText(budget);
            dialog.accept();
            return dialog.isVisible() && messages.Messages().size() == 1 ? messages.Ids().first()
                                                                         : -1;
        };
        QCOMPARE(refusal(QString(), "0"), kEmptyArmyNameId);
        QCOMPARE(refusal(QStringLiteral("  \t "), "10"), kEmptyArmyNameId);
        // The range said is the one accepted: 0 is refused too, on its own terms.
        QCOMPARE(refusal(QStringLiteral("Horde"), "99999"), kBudgetRangeId);
        QCOMPARE(messages.Messages().first().text,
                 QStringLiteral("Entrez un nombre entier entre 1 et 20000."));
        QCOMPARE(refusal(QString(256, u'x'), "20000"), kNameTooLongId);
        QCOMPARE(refusal(QStringLiteral("Horde"), "0"), kNoBudgetId);
        QCOMPARE(refusal(QStringLiteral("Horde"), "20000"), kNoRaceId);
        // The picture follows the chosen race.
        dialog.RaceList()->setCurrentIndex(dialog.RaceList()->findData(15));
        QCOMPARE(dialog.RacePicture()->BitmapId(), GetRaceBitmapId(15));
        QCOMPARE(refusal(QStringLiteral("Existante"), "20000"), kDuplicateArmyNameId);
        QCOMPARE(refusal(QStringLiteral("Horde"), "20000"), -1);
        QVERIFY(messages.Ids().isEmpty() && dialog.result() == QDialog::Accepted);
        QCOMPARE((QVariantList{dialog.Name(), dialog.Budget(), dialog.ChosenRace()}),
                 (QVariantList{"Horde", 20000, 15}));
        CArmyHeader stored; // the dialog itself stores nothing
        QCOMPARE(TheDatabase().FindArmyByName(QStringLiteral("Horde"), stored), 0);

        // On an army: its cost and rest or overrun, its race fixed; its own name no duplicate.
        CArmyHeader header;
        QVERIFY(TheDatabase().InsertArmy(13, QStringLiteral("Rouge"), 500, &header));
        header.CoutTotal = 450;
        CArmyParamsDlg properties(TheDatabase(), &header);
        const auto rest = [&properties] {
            return properties.CostText()->text() + properties.RestLabel()->text() +
                   properties.RestText()->text();
        };
        QCOMPARE(rest(), "450Rest50");
        QVERIFY(!properties.RaceList()->isEnabled());
        // The rest follows the budget as it is typed.
        TypeInto(properties.BudgetEdit(), QStringLiteral("40"));
        QCOMPARE(rest(), "450Over410");
        QTest::keyClick(properties.BudgetEdit(), Qt::Key_Backspace);
        QTest::keyClick(properties.BudgetEdit(), Qt::Key_Backspace);
        QCOMPARE(rest(), "450Over450");
        QTest::keyClicks(properties.BudgetEdit(), QStringLiteral("800"));
        QCOMPARE(rest(), "450Rest350");
        properties.accept();
        QVERIFY(messages.Ids().isEmpty());
        QCOMPARE((QVariantList{header.Nom, header.NombrePointMax, header.CoutTotal, header.IdRace}),
                 (QVariantList{"Rouge", 800, 450, 13}));
    }

    void armyListShowsLastNameFirstAndDeletesWithMembersAndBattlePlaces() {
        MessageRecorder messages;
        CArmyDatabase& db = TheDatabase();
        const int beta = AddArmy(QStringLiteral("Beta"), 11, 750);
        const int alpha = AddArmy(QStringLiteral("Alpha"));
        const int gamma = AddArmy(QStringLiteral("Gamma"));
        CArmyUnit unit;
        QCOMPARE(db.InsertUnit(alpha, unit), true);
        const int battle = AddBattle(QStringLiteral("Gué"), QString(), Ids{alpha, beta});
        AddBattle(QStringLiteral("Aube"), QString(), Ids{gamma, alpha});
        {
            CArmyListDlg dialog(db, -1);
            dialog.show(); // the list is read on first show
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTreeWidget* list = dialog.ArmyList();
            QCOMPARE(Column(list), (QStringList{"Gamma", "Beta", "Alpha"}));
            QCOMPARE(Column(list, 1).at(1) + Column(list, 2).at(1) + Column(list, 3).at(1),
                     GetRaceName(11) + "7500");
            // The first row comes chosen; OK with nothing chosen is a cancel; a double click
            // chooses.
            QVERIFY(list->topLevelItem(0)->isSelected());
            list->clearSelection();
            dialog.accept();
            QVERIFY(dialog.result() == QDialog::Rejected && dialog.ChosenArmy() == -1);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QPoint row = list->visualItemRect(list->topLevelItem(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
            QVERIFY(dialog.result() == QDialog::Accepted && !dialog.isVisible());
            QCOMPARE((QList<int>{dialog.ChosenArmy(), dialog.ChosenRace()}),
                     (QList<int>{beta, 11}));
        }

        // The open army is left out, and never deleted even from a list that shows it.
        QVERIFY(TheArmy().Open(gamma));
        CArmyListDlg dialog(db, gamma);
        dialog.Load();
        QCOMPARE(Column(dialog.ArmyList()), (QStringList{"Beta", "Alpha"}));
        CArmyListDlg all(db, gamma);
        all.SetExcludeOpen(false);
        QVERIFY(all.Load());
        all.ArmyList()->topLevelItem(0)->setSelected(true);
        all.OnDelete();
        QCOMPARE(messages.Ids(), QList<int>{kOpenArmyNotDeletedId});
        CArmyHeader header;
        QCOMPARE(db.FindArmyById(gamma, header), 1);
        TheArmy().Close();

        // Nothing chosen: the player is told to choose.
        messages.Clear();
        dialog.ArmyList()->clearSelection();
        QVERIFY(!dialog.DeleteButton()->isEnabled());
        dialog.OnDelete();
        QCOMPARE(messages.Ids(), QList<int>{kSelectArmyId});
        // It asks first, naming the army, its members and the battles it leaves (read in one
        // statement), with No as the default; No keeps it.
        dialog.ArmyList()->topLevelItem(1)->setSelected(true);
        QVERIFY(dialog.DeleteButton()->isEnabled());
        messages.Clear();
        messages.SetNextAnswer(false);
        int reads = 0;
        db.SetStatementHook([&reads](const QString& sql) {
            reads += sql.startsWith(QLatin1String("SELECT"));
            return true;
        });
        dialog.OnDelete();
        db.SetStatementHook({});
        QCOMPARE(reads, 2); // the members counted, the battles
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().kind, MessageBox::Kind::QuestionDefaultNo);
        QCOMPARE(Plain(messages.Messages().first().text),
                 QStringLiteral("Supprimer définitivement l'armée « Alpha » et ses membres (1) ?\n"
                                "Elle sera aussi retirée de ces 2 batailles :\nAube\nGué"));
        QCOMPARE(Column(dialog.ArmyList()), (QStringList{"Beta", "Alpha"}));
        messages.SetNextAnswer(true);
        dialog.OnDelete();
        QCOMPARE(Column(dialog.ArmyList()), QStringList{"Beta"});
        QCOMPARE(db.FindArmyById(alpha, header), 0);
        QCOMPARE(CountRows("ArmeeCompo"), 0);
        CItemList<CBattleEntry> entries;
        db.LoadBattleEntries(battle, entries);
        QVERIFY(entries.GetCount() == 1 && entries.GetHead()->IdArmy == beta);
        messages.Clear();
        dialog.ArmyList()->topLevelItem(0)->setSelected(true);
        dialog.OnDelete();
        QCOMPARE(Plain(messages.Messages().first().text),
                 QStringLiteral("Supprimer définitivement l'armée « Beta » et ses membres (0) ?\n"
                                "Elle sera aussi retirée de la bataille « Gué »."));
        QVERIFY(!dialog.DeleteButton()->isEnabled() && !dialog.OkButton()->isEnabled());
    }

    void battleDialogChecksTheArmiesAndTextsAndOverwrites() {
        const int alpha = AddArmy(QStringLiteral("Alpha"));
        const int beta = AddArmy(QStringLiteral("Beta"));
        MessageRecorder messages;
        CBattleDlg dialog(TheDatabase());
        dialog.show();
        auto refusal = [&](const QString& name) {
            messages.Clear();
            dialog.NameEdit()->setText(name);
            dialog.accept();
            return dialog.isVisible() && messages.Messages().size() == 1 ? messages.Ids().first()
                                                                         : -1;
        };
        QVERIFY(dialog.AddArmy(alpha));
        QCOMPARE(refusal(QString()), kEmptyBattleNameId);
        QCOMPARE(refusal(QString(256, u'x')), kTooFewArmiesId); // the count before the length
        // An army comes in once; Delete asks for a selection and takes out the selected army.
        messages.Clear();
        QVERIFY(dialog.AddArmy(beta) && !dialog.AddArmy(alpha));
        QVERIFY(!dialog.RemoveArmyButton()->isEnabled());
        QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
        QCOMPARE(messages.Ids(), (QList<int>{kArmyListedId, kSelectArmyId}));
        dialog.ArmyList()->topLevelItem(0)->setSelected(true);
        QTest::keyClick(dialog.ArmyList(), Qt::Key_Delete);
        QVERIFY(dialog.AddArmy(alpha));
        // The button does as Delete. From the keyboard: the list entered chooses a row, the
        // button comes before the list, and the next row is chosen once one is taken out.
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.ArmyList()->clearSelection();
        QVERIFY(!dialog.RemoveArmyButton()->isEnabled());
        dialog.findChild<QPushButton*>(QStringLiteral("addArmyButton"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.RemoveArmyButton());
        QTest::keyClick(dialog.RemoveArmyButton(), Qt::Key_Space);
        QCOMPARE(RowIds(dialog).size(), 1);
        QTest::keyClick(dialog.RemoveArmyButton(), Qt::Key_Space);
        QVERIFY(RowIds(dialog).isEmpty() && !dialog.RemoveArmyButton()->isEnabled());
        QVERIFY(dialog.AddArmy(beta) && dialog.AddArmy(alpha));
        QCOMPARE(refusal(QStringLiteral(" \t ")), kEmptyBattleNameId);
        QCOMPARE(refusal(QString(256, u'x')), kNameTooLongId);
        dialog.DescriptionEdit()->setPlainText(QString(256, u'd'));
        QCOMPARE(refusal(QStringLiteral("Gué")), kDescriptionTooLongId);
        // Both texts are kept as typed; the armies in the order of the list.
        const QString description = QStringLiteral("  Au gué,\n\nà l'aube \n");
        dialog.DescriptionEdit()->setPlainText(description);
        QCOMPARE(refusal(QString(255, u'x')), -1);
        QVERIFY(messages.Ids().isEmpty() && dialog.result() == QDialog::Accepted);
        QCOMPARE((QStringList{dialog.Name(), dialog.Description()}),
                 (QStringList{QString(255, u'x'), description}));
        QCOMPARE(QList<int>(dialog.ArmyIds().begin(), dialog.ArmyIds().end()),
                 (QList<int>{beta, alpha}));

        // A stored battle is shown as stored and overwritten on OK.
        const int id = AddBattle(QStringLiteral("Gué"), QStringLiteral("Brume"), Ids{beta, alpha});
        CBattle battle;
        QCOMPARE(TheDatabase().FindBattleById(id, &battle), 1);
        CBattleDlg editing(TheDatabase(), &battle);
        QCOMPARE(
            (QStringList{editing.NameEdit()->text(), editing.DescriptionEdit()->toPlainText()}),
            (QStringList{"Gué", "Brume"}));
        QCOMPARE(RowIds(editing), (QList<int>{beta, alpha}));
        editing.NameEdit()->setText(QStringLiteral("Pont"));
        editing.DescriptionEdit()->setPlainText(QStringLiteral("Pluie"));
        editing.accept();
        QCOMPARE((QStringList{battle.Nom, battle.Description}), (QStringList{"Pont", "Pluie"}));
    }

    // The list shows the start of each description; a deletion is stored at once.
    void battleListShowsPreviewsDeletesAtOnceAndNeedsASelection() {
        MessageRecorder messages;
        const Ids armies{AddArmy(QStringLiteral("Alpha")), AddArmy(QStringLiteral("Beta"))};
        AddBattle(QStringLiteral("Court"), QStringLiteral("Brume"), armies);
        AddBattle(QStringLiteral("Vide"), QString(), armies);
        const int longId = AddBattle(QStringLiteral("Long"), QString(50, u'a') + "bcdef", armies);
        CBattleListDlg dialog(TheDatabase());
        dialog.show();
        QTreeWidget* list = dialog.BattleList();
        QCOMPARE((QStringList{Find(list, "Court")->text(1), Find(list, "Vide")->text(1),
                              Find(list, "Long")->text(1)}),
                 (QStringList{"Brume...", "", QString(50, u'a') + "..."}));
        dialog.OnDelete();
        dialog.accept();
        QCOMPARE(messages.Ids(), (QList<int>{kSelectBattleId, kSelectBattleId}));
        QVERIFY(dialog.isVisible() && !dialog.Selected());
        Find(list, "Long")->setSelected(true);
        dialog.OnDelete();
        QVERIFY(list->topLevelItemCount() == 2 && !Find(list, "Long"));
        QCOMPARE(TheDatabase().FindBattleById(longId, nullptr), 0);
    }

    // Live pricing, and nothing written back but on an accepted OK.
    void memberDialogsPriceEveryChoiceAndWriteBackOnOk() {
        CArmyUnit unit;
        unit.Nom = QStringLiteral("Lanciers");
        unit.IdRace = 1;
        unit.Points = 5;
        unit.UPG = 2;
        unit.Min = 10;
        unit.Max = 20;
        unit.NombreFig = 12;
        unit.IdQualiteMin = unit.IdQualite = 1;
        unit.IdQualiteMax = 2;
        unit.Hierarchie = kCombatUnit;
        unit.CombatantType = kCombatUnitType;
        unit.CoutTotal = 70;
        const auto edited = [&unit] {
            return QVariantList{unit.NombreFig, unit.IdQualite, unit.Etendard,
                                unit.Musicien,  unit.Nom,       unit.CoutTotal};
        };
        CArmyUnit mount;
        mount.Hierarchie = kUncounted;
        const QVariantList before = edited();
        MessageRecorder messages;
        CCombatUnitDlg dialog({&unit, &mount});
        dialog.show();
        QCOMPARE(dialog.StatsList()->UnitAt(1), &mount); // attached units beside the unit
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("70"));
        const int notesColumn = 1 + kStatColumnCount; // after the name and the statistics
        const auto notes = [&dialog, notesColumn] {
            return dialog.StatsList()->Row(0)->text(notesColumn);
        };
        // 5 points a figure, 10 the musician, 10 the standard and 10 the unit; the figures go
        // from the type's Min to its Max, and the better quality costs UPG more a figure.
        TypeInto(dialog.Musicians(), QStringLiteral("1x"));
        QCOMPARE(dialog.Musicians()->text(), QStringLiteral("1"));
        dialog.Standard()->setChecked(true);
        dialog.Figures()->setValue(1);
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("80"));
        dialog.Figures()->setValue(99);
        QCOMPARE(dialog.Quality()->count(), 2);
        dialog.Quality()->setCurrentIndex(1);
        QCOMPARE(notes(), QStringLiteral("170 pts - 20 fig, 1 Mus, 1 étendard"));
        // An emptied musicians field is no number: the price keeps the last count, and OK asks
        // for one; then a name too long is refused. Nothing is written back meanwhile.
        TypeInto(dialog.Musicians(), QString());
        dialog.Standard()->setChecked(false);
        QCOMPARE(notes(), QStringLiteral("160 pts - 20 fig, 1 Mus"));
        ClickOk(dialog);
        TypeInto(dialog.Musicians(), QStringLiteral("2"));
        dialog.NameEdit()->setText(QString(256, u'x'));
        ClickOk(dialog);
        QCOMPARE(messages.Ids(), (QList<int>{kNotANumberId, kNameTooLongId}));
        QVERIFY(dialog.isVisible() && edited() == before);
        dialog.NameEdit()->setText(QString(255, u'x'));
        ClickOk(dialog);
        QCOMPARE(edited(), (QVariantList{20, 2, 0, 2, QString(255, u'x'), 20 * 7 + 30}));
        unit.IdQualiteMax = unit.IdQualiteMin; // a single quality offers no choice
        QCOMPARE(CCombatUnitDlg({&unit}).Quality()->count(), 1);

        // A leader pays 10 a command point.
        CArmyUnit leader;
        leader.Points = leader.CoutTotal = 50;
        leader.Hierarchie = kGroupLeader;
        leader.CombatantType = kLeaderType;
        CLeaderDlg leaderDialog(&leader);
        leaderDialog.show();
        leaderDialog.CommandPoints()->setCurrentIndex(4);
        QCOMPARE(leaderDialog.StatsList()->Row(0)->text(notesColumn), "100 pts - 4 Pc");
        QCOMPARE(leader.Pc, 0);
        ClickOk(leaderDialog);
        QCOMPARE((QList<int>{leader.Pc, leader.CoutTotal}), (QList<int>{4, 100}));

        // A name may be emptied, not made too long.
        messages.Clear();
        CRenameUnitDlg rename;
        rename.SetName(QStringLiteral("Archers"));
        rename.show();
        rename.NameEdit()->setText(QString(256, u'a'));
        ClickOk(rename);
        QCOMPARE(messages.Ids(), QList<int>{kNameTooLongId});
        QCOMPARE(rename.Name(), QStringLiteral("Archers"));
        rename.NameEdit()->clear();
        ClickOk(rename);
        QVERIFY(rename.result() == QDialog::Accepted && rename.Name().isEmpty());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
