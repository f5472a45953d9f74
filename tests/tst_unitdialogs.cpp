#include "app/MessageBox.h"
#include "app/StringTable.h"
#include "army/CPictureStatic.h"
#include "army/CUnitStatsList.h"
#include "army/ValueNames.h"
#include "data/CArmyUnit.h"
#include "editor/CCombatUnitDlg.h"
#include "editor/CLeaderDlg.h"
#include "editor/CRenameUnitDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

// The army member dialogs: live pricing, and nothing written back but on an accepted OK.
class TestUnitDialogs : public QObject {
    Q_OBJECT

private slots:
    void combatUnitFollowsEveryChoice();
    void combatUnitOffersOneQualityWhenTheTypeHasOne();
    void combatUnitWritesBackOnAcceptedOkOnly();
    void leaderPricesCommandPoints();
    void renameAcceptsEmptyButNotTooLongNames();
};

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
    unit.IdQualiteMin = 1;
    unit.IdQualiteMax = 2;
    unit.IdQualite = 1;
    unit.Hierarchie = kCombatUnit;
    unit.CombatantType = kCombatUnitType;
    unit.CoutTotal = 70;
    return unit;
}

// Every stored field, so that an unwanted change of any of them shows.
QVariantList Stored(const CArmyUnit& u) {
    QVariantList fields;
    fields << u.IdRace << u.IdQualiteMin << u.IdQualiteMax << u.IdQualite << u.IdType << u.Force
           << u.Resistance << u.Valeur << u.IdArmure << u.IdArmePrincipale << u.IdArmeSecondaire
           << u.Bouclier << u.Mouvement << u.JetSauvegarde << u.Terrible << u.IdEclairage
           << u.Points << u.UPG << u.Min << u.Max << u.CombatantType << u.IdUnite << u.IdParentUnit
           << u.IdLeader << u.IdArmee << u.IdVisual << u.NombreFig << u.Nom << u.Etendard
           << u.Musicien << u.Pc << u.CoutTotal << u.Hierarchie << u.NomUnitType;
    return fields;
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

void TestUnitDialogs::combatUnitFollowsEveryChoice() {
    CArmyUnit unit = CombatUnit();
    CArmyUnit mount;
    mount.Nom = QStringLiteral("Chevaux");
    mount.Hierarchie = kUncounted;
    mount.CombatantType = kUncountedType;
    CCombatUnitDlg dialog({&unit, &mount});

    CUnitStatsList* list = dialog.StatsList();
    QCOMPARE(list->RowCount(), 2);
    QCOMPARE(list->UnitAt(1), &mount);
    QCOMPARE(list->Row(1)->text(0), QStringLiteral("Chevaux"));
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("70"));
    QCOMPARE(dialog.FigureCount()->text(), QStringLiteral("12"));
    QCOMPARE(dialog.RacePicture()->BitmapId(), GetRaceBitmapId(1));

    TypeInto(dialog.Musicians(), QStringLiteral("1x"));
    QCOMPARE(dialog.Musicians()->text(), QStringLiteral("1"));
    dialog.Standard()->setChecked(true);
    for (int figures = 10; figures <= 20; ++figures) {
        dialog.Figures()->setValue(figures);
        const int price = figures * 5 + 30;
        QCOMPARE(dialog.TotalCost()->text(), QString::number(price));
        QCOMPARE(list->Row(0)->text(kNotesColumn),
                 QStringLiteral("%1 pts - %2 fig, 1 Mus, 1 étendard").arg(price).arg(figures));
        QCOMPARE(dialog.FigureCount()->text(), QString::number(figures));
    }

    QCOMPARE(dialog.Quality()->count(), 2);
    dialog.Quality()->setCurrentIndex(1);
    QCOMPARE(dialog.WorkingCopy().IdQualite, 2);
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("170"));

    // An emptied musicians field counts as none.
    TypeInto(dialog.Musicians(), QString());
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("160"));
    dialog.Standard()->setChecked(false);
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("150"));
    QCOMPARE(list->Row(0)->text(kNotesColumn), QStringLiteral("150 pts - 20 fig"));

    TypeInto(dialog.NameEdit(), QStringLiteral("Gardes"));
    QCOMPARE(list->Row(0)->text(0), QStringLiteral("Gardes"));
    QCOMPARE(unit.Nom, QStringLiteral("Lanciers"));
}

void TestUnitDialogs::combatUnitOffersOneQualityWhenTheTypeHasOne() {
    CArmyUnit unit = CombatUnit();
    unit.IdQualiteMax = unit.IdQualiteMin;
    CCombatUnitDlg dialog({&unit});
    QCOMPARE(dialog.Quality()->count(), 1);
    QCOMPARE(dialog.Quality()->currentData().toInt(), 1);
    QCOMPARE(dialog.Quality()->currentText(), GetQualityName(1, -1));
}

void TestUnitDialogs::combatUnitWritesBackOnAcceptedOkOnly() {
    CArmyUnit unit = CombatUnit();
    CArmyUnit mount;
    mount.Nom = QStringLiteral("Chevaux");
    mount.Hierarchie = kUncounted;
    mount.CoutTotal = 12;
    unit.m_attached.Append(&mount);
    mount.m_pMainUnit = &unit;
    const CArmyUnit before = unit;
    const CArmyUnit mountBefore = mount;

    auto change = [](CCombatUnitDlg& dialog) {
        dialog.Figures()->setValue(18);
        dialog.Quality()->setCurrentIndex(1);
        dialog.Standard()->setChecked(true);
        TypeInto(dialog.Musicians(), QStringLiteral("2"));
        TypeInto(dialog.NameEdit(), QStringLiteral("Gardes"));
    };
    {
        CCombatUnitDlg dialog({&unit, &mount});
        dialog.show();
        change(dialog);
        dialog.reject();
    }
    QCOMPARE(Stored(unit), Stored(before));
    QCOMPARE(Stored(mount), Stored(mountBefore));

    MessageRecorder messages;
    CCombatUnitDlg dialog({&unit, &mount});
    dialog.show();
    change(dialog);
    dialog.NameEdit()->setText(QString(256, u'x'));
    ClickOk(dialog);
    QCOMPARE(messages.Ids(), QList<int>{kNameTooLongId});
    QVERIFY(dialog.isVisible());
    QCOMPARE(Stored(unit), Stored(before));

    dialog.NameEdit()->setText(QString(255, u'x'));
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(unit.NombreFig, 18);
    QCOMPARE(unit.IdQualite, 2);
    QCOMPARE(unit.Etendard, 1);
    QCOMPARE(unit.Musicien, 2);
    QCOMPARE(unit.Nom, QString(255, u'x'));
    QCOMPARE(unit.CoutTotal, 18 * 7 + 40);
    QCOMPARE(unit.m_attached.GetHead(), &mount);
    QCOMPARE(mount.m_pMainUnit, &unit);
    QCOMPARE(Stored(mount), Stored(mountBefore));
}

void TestUnitDialogs::leaderPricesCommandPoints() {
    CArmyUnit leader;
    leader.Nom = QStringLiteral("Capitaine");
    leader.Points = 50;
    leader.Hierarchie = kGroupLeader;
    leader.CombatantType = kLeaderType;
    leader.CoutTotal = 50;
    CLeaderDlg dialog(&leader);
    dialog.show();
    QCOMPARE(dialog.CommandPoints()->count(), 6);
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("50"));

    dialog.CommandPoints()->setCurrentIndex(4);
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("100"));
    QCOMPARE(dialog.StatsList()->Row(0)->text(kNotesColumn), QStringLiteral("100 pts - 4 Pc"));
    QCOMPARE(leader.Pc, 0);

    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(leader.Pc, 4);
    QCOMPARE(leader.CoutTotal, 100);
}

void TestUnitDialogs::renameAcceptsEmptyButNotTooLongNames() {
    MessageRecorder messages;
    CRenameUnitDlg dialog;
    dialog.SetName(QStringLiteral("Archers"));
    dialog.show();
    dialog.NameEdit()->setText(QString(256, u'a'));
    ClickOk(dialog);
    QCOMPARE(messages.Ids(), QList<int>{kNameTooLongId});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Name(), QStringLiteral("Archers"));

    dialog.NameEdit()->clear();
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Name(), QString());
}

QTEST_MAIN(TestUnitDialogs)
#include "tst_unitdialogs.moc"
