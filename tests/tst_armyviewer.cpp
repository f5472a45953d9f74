#include "TestDataSource.h"
#include "app/FileViewer.h"
#include "app/MessageBox.h"
#include "army/CUnitStatsList.h"
#include "catalogue/CUnitTypePropertiesDlg.h"
#include "data/CArmyDatabase.h"
#include "editor/CArmyViewerDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The catalogue viewer on the small test catalogue: race grouping, the filter, the text export
// and the type chosen by OK.
class TestArmyViewer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void racesHeadTheirTypesOnlyWithAll();
    void doubleClickOpensPropertiesOfTypesOnly();
    void exportWritesTheListAsShown();
    void exportFailureWarnsAndOpensNothing();
    void okReturnsTheSelectedType();

private:
    std::unique_ptr<TestDataSource> m_source;
    QTemporaryDir m_dir;
    QString m_previousDir;
};

namespace {

const QString kRule = QStringLiteral("-------------------------------------\n");
const QString kTitles =
    QStringLiteral("Race\tNom\tQua\tType\tFor\tRes\tVal\tBouclier\tArmure\tArme\t"
                   "Mvt\tJp\tTer\tEcl\tPts\tUpg\tMin\tMax\t\n");
const QString kDwarfRows = QStringLiteral(
    "Nain\tIron cannon\tAs crew\tAs crew\t\t8\t\t\tAucune\tCanon\t\t\t\t\t\t\t\t\t\n"
    "Nain\tGunners\tMoyen\tDiscipliné\t3\t4\t4\t\tMoyenne / Bouclier\t1 main\t7.5\t5\t\tAucun\t"
    "8\t2\t2\t4\t\n"
    "Nain\tDraught mule\t''\t''\t2\t3\t1\t\tAucune\tCornes et sabots\t''\t''\t\t''\t''\t''\t''\t"
    "''\t\n"
    "Nain\tDwarf lord\tElite\tDiscipliné\t5\t6\t8\t\tTrès lourde / Bouclier\t2 mains\t7.5\t3\t\t"
    "Aucun\t70\t\t1\t1\t\n");
const QString kOrcRows = QStringLiteral(
    "Orc\tT1 Wolf riders\tMoyen\tTribale\t3\t3\t4\t\tMoyenne / Bouclier\tLance\t10\t5\t\tJour\t"
    "9\t2\t5\t10\t\n"
    "Orc\tT2 One-eyed brute\tVétérant\tFanatique\t6\t6\t7\t\tAucune\t2 mains\t12.5\t\t*\tNuit\t"
    "35\t\t1\t1\t\n"
    "Orc\tT3 Orc warlord\tElite\tTribale\t5\t5\t8\t\tLourde / Bouclier\t1 main\t12.5\t4\t\tAucun\t"
    "60\t\t1\t1\t\n"
    "Orc\tT4 Wolf\t''\t''\t3\t2\t3\t\tAucune\tGriffes et crocs\t''\t''\t\t''\t''\t''\t''\t''\t\n"
    "Orc\tT5 Warriors\tPauvre\tTribale\t3\t3\t3\t\tLégère / Bouclier\t1 main / Arc\t10\t6\t\t"
    "Aucun\t5\t1\t10\t30\t\n"
    "Orc\tT6 Rock lobber\tAs crew\tAs crew\t\t7\t\t\tAucune\tBaliste\t\t\t\t\t\t\t\t\t\n"
    "Orc\tKindless spirit\tPauvre\tDiscipliné\t1\t1\t1\t\tAucune\t\t10\t\t\tAucun\t5\t\t1\t1\t\n");

QStringList Column(const CUnitStatsList& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.RowCount(); ++row)
        texts << list.Row(row)->text(column);
    return texts;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs the double-click and answers which modal dialog, if any, it opened.
QString ModalOpenedBy(CArmyViewerDlg& dialog, QTreeWidgetItem* item) {
    QString opened;
    QTimer::singleShot(0, &dialog, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        }
    });
    dialog.OnDoubleClick(item);
    QCoreApplication::processEvents();
    return opened;
}

} // namespace

void TestArmyViewer::initTestCase() {
    m_source = std::make_unique<TestDataSource>(QStringLiteral("tests/data/small_catalogue.sql"));
    QVERIFY2(m_source->IsValid(), qPrintable(m_source->ErrorText()));
    QCOMPARE(CArmyDatabase::Instance().OpenDatabase(), 1);
    QVERIFY(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestArmyViewer::cleanupTestCase() {
    QDir::setCurrent(m_previousDir);
}

void TestArmyViewer::racesHeadTheirTypesOnlyWithAll() {
    CArmyViewerDlg dialog;
    CUnitStatsList& list = *dialog.List();
    QComboBox& filter = *dialog.RaceFilter();
    QCOMPARE(filter.count(), 4);
    QCOMPARE(filter.itemText(0), QStringLiteral("All"));
    QCOMPARE(filter.itemText(1), QStringLiteral("Nain"));
    QCOMPARE(filter.itemData(3).toInt(), 15);

    // The mule and the spirit are attached types; the trolls have none.
    QCOMPARE(Column(list, 1),
             QStringList({"", "Iron cannon", "Gunners", "Draught mule", "Dwarf lord", "",
                          "T1 Wolf riders", "T2 One-eyed brute", "T3 Orc warlord", "T4 Wolf",
                          "T5 Warriors", "T6 Rock lobber", "Kindless spirit"}));
    const QBrush highlight = list.palette().brush(QPalette::Highlight);
    for (int row : {0, 5}) {
        const QTreeWidgetItem* race = list.Row(row);
        QCOMPARE(race->text(0), row == 0 ? QStringLiteral("Nain") : QStringLiteral("Orc"));
        QCOMPARE(CUnitStatsList::ItemKind(race), CUnitStatsList::kNoRecord);
        QCOMPARE(CUnitStatsList::ItemData(race), nullptr);
        QVERIFY(race->icon(0).isNull());
        QCOMPARE(race->background(0), highlight);
        QCOMPARE(race->background(17), highlight);
    }
    QVERIFY(list.Row(1)->background(0) != highlight);

    filter.setCurrentIndex(2);
    QCOMPARE(Column(list, 1),
             QStringList({"T1 Wolf riders", "T2 One-eyed brute", "T3 Orc warlord", "T4 Wolf",
                          "T5 Warriors", "T6 Rock lobber", "Kindless spirit"}));
    for (int row = 0; row < list.RowCount(); ++row)
        QCOMPARE(CUnitStatsList::ItemKind(list.Row(row)), CUnitStatsList::kUnitTypeRecord);
    filter.setCurrentIndex(3);
    QCOMPARE(list.RowCount(), 0);
}

void TestArmyViewer::doubleClickOpensPropertiesOfTypesOnly() {
    CArmyViewerDlg dialog;
    QCOMPARE(ModalOpenedBy(dialog, dialog.List()->Row(0)), QString());
    QCOMPARE(ModalOpenedBy(dialog, dialog.List()->Row(1)),
             QStringLiteral("CUnitTypePropertiesDlg"));
}

void TestArmyViewer::exportWritesTheListAsShown() {
    FileViewerRecorder viewer;
    CArmyViewerDlg dialog;
    const QString path =
        QDir(m_dir.path()).absoluteFilePath(QStringLiteral("SkarnholtArmyList.txt"));

    dialog.OnExport();
    const QString all = QStringLiteral("\n\n") + kRule +
                        QStringLiteral("Nain\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n") + kRule +
                        kTitles + kDwarfRows + QStringLiteral("\n\n") + kRule +
                        QStringLiteral("Orc\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n") + kRule +
                        kTitles + kOrcRows;
    QCOMPARE(ReadAll(path), all.toUtf8());
    QCOMPARE(viewer.Opened(), QStringList{path});

    // One race alone has neither rule nor titles; the file is replaced whole.
    dialog.RaceFilter()->setCurrentIndex(1);
    dialog.OnExport();
    QCOMPARE(ReadAll(path), kDwarfRows.toUtf8());
    QCOMPARE(viewer.Opened(), QStringList({path, path}));
}

void TestArmyViewer::exportFailureWarnsAndOpensNothing() {
    FileViewerRecorder viewer;
    MessageRecorder messages;
    CArmyViewerDlg dialog;
    const QString gone = QDir(m_dir.path()).absoluteFilePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(gone));
    QVERIFY(QDir::setCurrent(gone));
    QVERIFY(QDir(gone).removeRecursively());
    dialog.OnExport();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QCOMPARE(messages.Ids(), QList<int>{237});
    QVERIFY(viewer.Opened().isEmpty());
}

void TestArmyViewer::okReturnsTheSelectedType() {
    CArmyViewerDlg onRace;
    onRace.List()->setCurrentItem(onRace.List()->Row(0));
    onRace.accept();
    QCOMPARE(onRace.result(), int(QDialog::Accepted));
    QCOMPARE(onRace.Result().ArmyTypeId, -1);

    CArmyViewerDlg onType;
    onType.List()->setCurrentItem(onType.List()->Row(4));
    onType.accept();
    QCOMPARE(onType.Result().ArmyTypeId, 23);
}

QTEST_MAIN(TestArmyViewer)
#include "tst_armyviewer.moc"
