#include "army/ValueNames.h"
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
    void combatUnitFollowsEveryChoice() {
        CArmyUnit unit = CombatUnit();
        CCombatUnitDlg dialog({&unit});
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("70"));
        TypeInto(dialog.Musicians(), QStringLiteral("1x"));
        QCOMPARE(dialog.Musicians()->text(), QStringLiteral("1"));
        dialog.Standard()->setChecked(true);

        // 5 points a figure, 10 for the musician and 20 for the standard.
        const int prices[] = {80, 85, 90, 95, 100, 105, 110, 115, 120, 125, 130};
        for (int figures = 10; figures <= 20; ++figures) {
            dialog.Figures()->setValue(figures);
            const QString price = QString::number(prices[figures - 10]);
            QCOMPARE(dialog.TotalCost()->text(), price);
            QCOMPARE(dialog.StatsList()->Row(0)->text(kNotesColumn),
                     QStringLiteral("%1 pts - %2 fig, 1 Mus, 1 étendard").arg(price).arg(figures));
        }

        // The better quality costs UPG more per figure.
        QCOMPARE(dialog.Quality()->count(), 2);
        dialog.Quality()->setCurrentIndex(1);
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("170"));
        // An emptied musicians field is no number: the price keeps the last one, and OK asks
        // for a number and stays open.
        TypeInto(dialog.Musicians(), QString());
        dialog.Standard()->setChecked(false);
        QCOMPARE(dialog.StatsList()->Row(0)->text(kNotesColumn),
                 QStringLiteral("160 pts - 20 fig, 1 Mus"));
        {
            MessageRecorder messages;
            dialog.accept();
            QCOMPARE(messages.Ids(), QList<int>{kNotANumberId});
            QCOMPARE(unit.Musicien, 0);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        TypeInto(dialog.NameEdit(), QStringLiteral("Gardes"));
        QCOMPARE(dialog.StatsList()->Row(0)->text(0), QStringLiteral("Gardes"));

        unit.IdQualiteMax = unit.IdQualiteMin;
        CCombatUnitDlg single({&unit});
        QCOMPARE(single.Quality()->count(), 1);
        QCOMPARE(single.Quality()->currentText(), GetQualityName(1, -1));
    }

    void combatUnitWritesBackOnAcceptedOkOnly() {
        CArmyUnit unit = CombatUnit();
        CArmyUnit mount;
        mount.Nom = QStringLiteral("Chevaux");
        mount.Hierarchie = kUncounted;
        unit.m_attached.Append(&mount);
        mount.m_pMainUnit = &unit;
        const QVariantList before = Edited(unit);
        const QVariantList mountBefore = Edited(mount);
        auto change = [](CCombatUnitDlg& dialog) {
            dialog.show();
            dialog.Figures()->setValue(18);
            dialog.Quality()->setCurrentIndex(1);
            dialog.Standard()->setChecked(true);
            TypeInto(dialog.Musicians(), QStringLiteral("2"));
            dialog.NameEdit()->setText(QString(256, u'x'));
        };
        {
            CCombatUnitDlg dialog({&unit, &mount});
            QCOMPARE(dialog.StatsList()->UnitAt(1), &mount); // shown beside the unit
            change(dialog);
            dialog.reject();
        }
        QCOMPARE(Edited(unit), before);

        MessageRecorder messages;
        CCombatUnitDlg dialog({&unit, &mount});
        change(dialog);
        ClickOk(dialog);
        QCOMPARE(messages.Ids(), QList<int>{kNameTooLongId});
        QVERIFY(dialog.isVisible());
        QCOMPARE(Edited(unit), before);

        dialog.NameEdit()->setText(QString(255, u'x'));
        ClickOk(dialog);
        QCOMPARE(Edited(unit), (QVariantList{18, 2, 1, 2, QString(255, u'x'), 18 * 7 + 40}));
        QCOMPARE(unit.m_attached.GetHead(), &mount);
        QCOMPARE(Edited(mount), mountBefore);
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
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Name(), QString());
    }
};

QTEST_MAIN(TestUnitDialogs)
#include "tst_unitdialogs.moc"
