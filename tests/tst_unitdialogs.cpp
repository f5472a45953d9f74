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
    CCombatUnitDlg dialog({&unit});
    CUnitStatsList* list = dialog.StatsList();
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("70"));
    QCOMPARE(dialog.RacePicture()->BitmapId(), GetRaceBitmapId(1));

    TypeInto(dialog.Musicians(), QStringLiteral("1x"));
    QCOMPARE(dialog.Musicians()->text(), QStringLiteral("1"));
    dialog.Standard()->setChecked(true);
    dialog.Figures()->setValue(20);
    QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("130"));
    QCOMPARE(list->Row(0)->text(kNotesColumn),
             QStringLiteral("130 pts - 20 fig, 1 Mus, 1 étendard"));
    QCOMPARE(dialog.FigureCount()->text(), QStringLiteral("20"));

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

    // A type with a single quality offers just that one.
    unit.IdQualiteMax = unit.IdQualiteMin;
    CCombatUnitDlg single({&unit});
    QCOMPARE(single.Quality()->count(), 1);
    QCOMPARE(single.Quality()->currentText(), GetQualityName(1, -1));
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
        QCOMPARE(dialog.StatsList()->UnitAt(1), &mount); // shown beside the unit
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
    QCOMPARE((QVariantList{unit.NombreFig, unit.IdQualite, unit.Etendard, unit.Musicien, unit.Nom,
                           unit.CoutTotal}),
             (QVariantList{18, 2, 1, 2, QString(255, u'x'), 18 * 7 + 40}));
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
    QCOMPARE((QList<int>{leader.Pc, leader.CoutTotal}), (QList<int>{4, 100}));
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
