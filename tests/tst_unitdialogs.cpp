#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyUnit.h"
#include "editor/CCombatUnitDlg.h"
#include "editor/CLeaderDlg.h"
#include "editor/CRenameUnitDlg.h"
#include "widgets/CUnitStatsList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

constexpr int kNotesColumn = 17;

CArmyUnit CombatUnit() {
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
    return unit;
}

// The fields the dialog edits.
QVariantList Edited(const CArmyUnit& u) {
    return {u.NombreFig, u.IdQualite, u.Etendard, u.Musicien, u.Nom, u.CoutTotal};
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

// The army member dialogs: live pricing, and nothing written back but on an accepted OK.
class TestUnitDialogs : public QObject {
    Q_OBJECT

private slots:
    void combatUnitPricesEveryChoiceAndWritesBackOnOk() {
        CArmyUnit unit = CombatUnit();
        CArmyUnit mount;
        mount.Hierarchie = kUncounted;
        const QVariantList before = Edited(unit);
        MessageRecorder messages;
        CCombatUnitDlg dialog({&unit, &mount});
        dialog.show();
        QCOMPARE(dialog.StatsList()->UnitAt(1), &mount); // attached units beside the unit
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("70"));
        const auto notes = [&dialog] { return dialog.StatsList()->Row(0)->text(kNotesColumn); };

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
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("170"));
        QCOMPARE(notes(), QStringLiteral("170 pts - 20 fig, 1 Mus, 1 étendard"));

        // An emptied musicians field is no number: the price keeps the last count, and OK asks
        // for one; then a name too long is refused. Nothing is written back meanwhile.
        TypeInto(dialog.Musicians(), QString());
        dialog.Standard()->setChecked(false);
        QCOMPARE(notes(), QStringLiteral("160 pts - 20 fig, 1 Mus"));
        ClickOk(dialog);
        TypeInto(dialog.Musicians(), QStringLiteral("2"));
        dialog.NameEdit()->setText(QString(256, u'x'));
        QCOMPARE(dialog.StatsList()->Row(0)->text(0), QString(256, u'x'));
        ClickOk(dialog);
        QCOMPARE(messages.Ids(), (QList<int>{kNotANumberId, kNameTooLongId}));
        QVERIFY(dialog.isVisible() && Edited(unit) == before);
        dialog.NameEdit()->setText(QString(255, u'x'));
        ClickOk(dialog);
        QCOMPARE(Edited(unit), (QVariantList{20, 2, 0, 2, QString(255, u'x'), 20 * 7 + 30}));

        unit.IdQualiteMax = unit.IdQualiteMin; // a single quality offers no choice
        CCombatUnitDlg single({&unit});
        QCOMPARE(single.Quality()->count(), 1);
    }

    void leaderPricesCommandPoints() {
        CArmyUnit leader;
        leader.Points = leader.CoutTotal = 50;
        leader.Hierarchie = kGroupLeader;
        leader.CombatantType = kLeaderType;
        CLeaderDlg dialog(&leader);
        dialog.show();
        dialog.CommandPoints()->setCurrentIndex(4);
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("100"));
        QCOMPARE(dialog.StatsList()->Row(0)->text(kNotesColumn), QStringLiteral("100 pts - 4 Pc"));
        QCOMPARE(leader.Pc, 0);
        ClickOk(dialog);
        QCOMPARE((QList<int>{leader.Pc, leader.CoutTotal}), (QList<int>{4, 100}));
    }

    void renameAcceptsEmptyButNotTooLongNames() {
        MessageRecorder messages;
        CRenameUnitDlg dialog;
        dialog.SetName(QStringLiteral("Archers"));
        dialog.show();
        dialog.NameEdit()->setText(QString(256, u'a'));
        ClickOk(dialog);
        QCOMPARE(messages.Ids(), QList<int>{kNameTooLongId});
        QCOMPARE(dialog.Name(), QStringLiteral("Archers"));
        dialog.NameEdit()->clear();
        ClickOk(dialog);
        QVERIFY(dialog.result() == QDialog::Accepted && dialog.Name().isEmpty());
    }
};

QTEST_MAIN(TestUnitDialogs)
#include "tst_unitdialogs.moc"
