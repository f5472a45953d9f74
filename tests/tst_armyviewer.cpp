#include "TestDataSource.h"
#include "core/FileViewer.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "editor/CArmyViewerDlg.h"
#include "widgets/CUnitStatsList.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// The export as hand-written below, with '|' for each tab.
QByteArray Tabs(QByteArray text) {
    return text.replace('|', '\t');
}

const QByteArray kDwarfRows =
    Tabs("Nain|Iron cannon|As crew|As crew||8|||Aucune|Canon|||||||||\n"
         "Nain|Gunners|Moyen|Discipliné|3|4|4||Moyenne / Bouclier|1 main|7.5|5||Aucun|8|2|2|4|\n"
         "Nain|Draught mule|''|''|2|3|1||Aucune|Cornes et sabots|''|''||''|''|''|''|''|\n"
         "Nain|Dwarf lord|Elite|Discipliné|5|6|8||Très lourde / Bouclier|2 mains|7.5|3||Aucun|70||"
         "1|1|\n");
const QByteArray kOrcRows = Tabs(
    "Orc|T1 Wolf riders|Moyen|Tribale|3|3|4||Moyenne / Bouclier|Lance|10|5||Jour|9|2|5|10|\n"
    "Orc|T2 One-eyed brute|Vétérant|Fanatique|6|6|7||Aucune|2 mains|12.5||*|Nuit|35||1|1|\n"
    "Orc|T3 Orc warlord|Elite|Tribale|5|5|8||Lourde / Bouclier|1 main|12.5|4||Aucun|60||1|1|\n"
    "Orc|T4 Wolf|''|''|3|2|3||Aucune|Griffes et crocs|''|''||''|''|''|''|''|\n"
    "Orc|T5 Warriors|Pauvre|Tribale|3|3|3||Légère / Bouclier|1 main / Arc|10|6||Aucun|5|1|10|30|\n"
    "Orc|T6 Rock lobber|As crew|As crew||7|||Aucune|Baliste|||||||||\n"
    "Orc|Kindless spirit|Pauvre|Discipliné|1|1|1||Aucune||10|||Aucun|5||1|1|\n");

// With all races shown, each race's rows come under a rule, the race, a rule and the titles.
QByteArray Section(const QByteArray& race, const QByteArray& rows) {
    const QByteArray rule = "-------------------------------------\n";
    return Tabs("\n\n" + rule + race + "||||||||||||||||||\n" + rule +
                "Race|Nom|Qua|Type|For|Res|Val|Bouclier|Armure|Arme|Mvt|Jp|Ter|Ecl|Pts|Upg|Min|Max|"
                "\n") +
           rows;
}

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

// The catalogue viewer on the small test catalogue: race grouping, the filter, the text export
// and the type chosen by OK.
class TestArmyViewer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        QVERIFY(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    void racesHeadTheirTypesOnlyWithAll();
    void exportWritesTheListAsShown();
    void exportFailureWarnsAndOpensNothing();

private:
    std::unique_ptr<TestDataSource> m_source;
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestArmyViewer::racesHeadTheirTypesOnlyWithAll() {
    CArmyViewerDlg dialog;
    CUnitStatsList& list = *dialog.List();
    QComboBox& filter = *dialog.RaceFilter();
    QCOMPARE(filter.count(), 4);
    QCOMPARE(filter.itemText(0), QStringLiteral("All"));

    // The mule and the spirit are attached types; the trolls have none.
    const QStringList all{"",
                          "Iron cannon",
                          "Gunners",
                          "Draught mule",
                          "Dwarf lord",
                          "",
                          "T1 Wolf riders",
                          "T2 One-eyed brute",
                          "T3 Orc warlord",
                          "T4 Wolf",
                          "T5 Warriors",
                          "T6 Rock lobber",
                          "Kindless spirit"};
    QCOMPARE(Column(list, 1), all);
    const QBrush highlight = list.palette().brush(QPalette::Highlight);
    for (int row : {0, 5}) {
        const QTreeWidgetItem* race = list.Row(row);
        QCOMPARE(race->text(0), row == 0 ? QStringLiteral("Nain") : QStringLiteral("Orc"));
        QCOMPARE(CUnitStatsList::ItemKind(race), CUnitStatsList::kNoRecord);
        QCOMPARE(race->background(0), highlight);
    }
    QVERIFY(list.Row(1)->background(0) != highlight);

    // Double-click opens a type's properties, and nothing on a race; OK on a race chooses none.
    QCOMPARE(ModalOpenedBy(dialog, list.Row(0)), QString());
    QCOMPARE(ModalOpenedBy(dialog, list.Row(1)), QStringLiteral("CUnitTypePropertiesDlg"));
    list.setCurrentItem(list.Row(0));
    dialog.accept();
    QCOMPARE(dialog.Result().ArmyTypeId, -1);
    list.setCurrentItem(list.Row(4));
    dialog.accept();
    QCOMPARE(dialog.Result().ArmyTypeId, 23);

    filter.setCurrentIndex(2);
    QCOMPARE(Column(list, 1), all.mid(6));
    QCOMPARE(CUnitStatsList::ItemKind(list.Row(0)), CUnitStatsList::kUnitTypeRecord);
    filter.setCurrentIndex(3);
    QCOMPARE(list.RowCount(), 0);
}

void TestArmyViewer::exportWritesTheListAsShown() {
    FileViewerRecorder viewer;
    CArmyViewerDlg dialog;
    const QString path = m_dir.filePath(QStringLiteral("SkarnholtArmyList.txt"));
    dialog.OnExport();
    QCOMPARE(ReadAll(path), Section("Nain", kDwarfRows) + Section("Orc", kOrcRows));
    QCOMPARE(viewer.Opened(), QStringList{path});

    // One race alone has neither rule nor titles; the file is replaced whole.
    dialog.RaceFilter()->setCurrentIndex(1);
    dialog.OnExport();
    QCOMPARE(ReadAll(path), kDwarfRows);
    QCOMPARE(viewer.Opened(), QStringList({path, path}));
}

void TestArmyViewer::exportFailureWarnsAndOpensNothing() {
    FileViewerRecorder viewer;
    MessageRecorder messages;
    CArmyViewerDlg dialog;
    const QString gone = m_dir.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(gone) && QDir::setCurrent(gone) && QDir(gone).removeRecursively());
    dialog.OnExport();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QCOMPARE(messages.Ids(), QList<int>{237});
    QVERIFY(viewer.Opened().isEmpty());
}

QTEST_MAIN(TestArmyViewer)
#include "tst_armyviewer.moc"
