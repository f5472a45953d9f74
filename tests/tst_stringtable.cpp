#include "core/MessageBox.h"
#include "core/StringTable.h"

#include <QTranslator>
#include <QtTest>

namespace {
// Stands in for the English module: answers by the id each text is looked up under.
class ById : public QTranslator {
public:
    QString translate(const char* context, const char*, const char* disambiguation,
                      int) const override {
        if (QByteArray(context) != "StringTable")
            return QString();
        return QStringLiteral("EN%1").arg(QString::fromLatin1(disambiguation));
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void holdsTheFrenchTexts();
    void theLanguageModuleReplacesTextsById();
    void messagesAreShownByIdThroughOneFacade();
};

void TestStringTable::holdsTheFrenchTexts() {
    QCOMPARE(LoadResString(163),
             QStringLiteral("Impossible d'ouvrir la source de données : Skarnholt, see ODBC."));
    QCOMPARE(LoadResString(152),
             QStringLiteral("Attention supprimer un chef de guerre, revient à "
                            "supprimer toute l'armée\nVoulez vous continuez ?"));
    QCOMPARE(LoadResString(203), QStringLiteral("Vétérant"));
    QCOMPARE(LoadResString(227), QStringLiteral("Pique"));
    QCOMPARE(LoadResString(kAppTitleId), QStringLiteral("SkarnholtDB"));
    QCOMPARE(LoadResString(32776),
             QStringLiteral("Exporter au format Excel\nExporter au format Excel"));
    // Ids without a text, and ids outside the table, give nothing rather than a stray text.
    QCOMPARE(LoadResString(148), QString());
    QCOMPARE(LoadResString(209), QString());
    QCOMPARE(LoadResString(-1), QString());
    QCOMPARE(LoadResString(100000), QString());
    // Every text the screens and reports ask for is there.
    for (int id = 129; id <= 234; ++id) {
        if (id == 148 || id == 209 || id == 229)
            continue;
        QVERIFY2(!LoadResString(id).isEmpty(), qPrintable(QString::number(id)));
    }
}

void TestStringTable::theLanguageModuleReplacesTextsById() {
    ById english;
    QVERIFY(QCoreApplication::installTranslator(&english));
    // The same French text under two ids can be translated apart.
    QCOMPARE(LoadResString(150), QStringLiteral("EN150"));
    QCOMPARE(LoadResString(171), QStringLiteral("EN171"));
    QCOMPARE(BuiltInResString(171), QStringLiteral("Budget"));
    QCOMPARE(LoadResString(209), QString());
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(LoadResString(171), QStringLiteral("Budget"));
}

void TestStringTable::messagesAreShownByIdThroughOneFacade() {
    MessageRecorder messages;
    ShowWarningMessage(155);
    ShowInfoMessage(164);
    messages.SetNextAnswer(false);
    QCOMPARE(AskYesNoMessage(152), false);
    messages.SetNextAnswer(true);
    QCOMPARE(AskYesNoMessage(153), true);
    ShowDatabaseError(QStringLiteral("disk I/O error"));
    QCOMPARE(messages.Ids(), (QList<int>{155, 164, 152, 153, 0}));
    QCOMPARE(messages.Messages().at(0).kind, MessageBox::Kind::Warning);
    QCOMPARE(messages.Messages().at(1).kind, MessageBox::Kind::Info);
    QCOMPARE(messages.Messages().at(1).text, QStringLiteral("Vous avez déjà un chef de guerre."));
    QCOMPARE(messages.Messages().at(2).kind, MessageBox::Kind::Question);
    QCOMPARE(messages.Messages().at(4).kind, MessageBox::Kind::DatabaseError);
    QCOMPARE(messages.Messages().at(4).text, QStringLiteral("disk I/O error"));

    // A recorder nested in another hands the facade back when it goes.
    {
        MessageRecorder inner;
        ShowInfoMessage(165);
        QCOMPARE(inner.Ids(), QList<int>{165});
    }
    ShowInfoMessage(166);
    QCOMPARE(messages.Ids().last(), 166);
}

QTEST_MAIN(TestStringTable)
#include "tst_stringtable.moc"
