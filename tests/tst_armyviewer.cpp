#include "TestData.h"
#include "TestDataSource.h"
#include "core/FileViewer.h"
#include "editor/CArmyViewerDlg.h"
#include "widgets/CUnitStatsList.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
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

private:
    std::unique_ptr<TestDataSource> m_source;
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestArmyViewer::racesHeadTheirTypesOnlyWithAll() {
    CArmyViewerDlg dialog;
    CUnitStatsList& list = *dialog.List();
    QComboBox& filter = *dialog.RaceFilter(); // all, then each race

    // The mule and the spirit are attached types; the trolls have none.
    const QStringList all = QStringLiteral("|Iron cannon|Gunners|Draught mule|Dwarf lord||T1 Wolf "
                                           "riders|T2 One-eyed brute|T3 Orc warlord|T4 Wolf|T5 "
                                           "Warriors|T6 Rock lobber|Kindless spirit")
                                .split(u'|');
    QCOMPARE(Column(list, 1), all);
    // A race heads its types in the selection colours and holds no record.
    const QTreeWidgetItem* orc = list.Row(5);
    QVERIFY(orc->text(0) == "Orc" && CUnitStatsList::ItemKind(orc) == CUnitStatsList::kNoRecord);
    QCOMPARE(orc->background(0), list.palette().brush(QPalette::Highlight));
    QVERIFY(list.Row(6)->background(0) != orc->background(0));

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
    QCOMPARE(Column(list, 1), all.mid(6)); // no race row
    filter.setCurrentIndex(3);
    QCOMPARE(list.RowCount(), 0);
}

void TestArmyViewer::exportWritesTheListAsShown() {
    FileViewerRecorder viewer;
    CArmyViewerDlg dialog;
    const QString path = m_dir.filePath(QStringLiteral("SkarnholtArmyList.txt"));
    dialog.OnExport();
    const QByteArray all = ReadFile(path);
    QVERIFY(all.startsWith(Section("Nain", kDwarfRows) + Section("Orc", "")));
    QCOMPARE(all.count('\n'), 2 * 6 + 4 + 7); // two headed sections, four and seven rows
    QCOMPARE(viewer.Opened(), QStringList{path});

    // One race alone has neither rule nor titles; the file is replaced whole.
    dialog.RaceFilter()->setCurrentIndex(1);
    dialog.OnExport();
    QCOMPARE(ReadFile(path), kDwarfRows);
    QCOMPARE(viewer.Opened(), QStringList({path, path}));
}

QTEST_MAIN(TestArmyViewer)
#include "tst_armyviewer.moc"
