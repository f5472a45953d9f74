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
    void textsAreLookedUpById();
    void messagesAreShownByIdThroughOneFacade();
};

void TestStringTable::textsAreLookedUpById() {
    // Every text the screens ask for is there; a gap or an id outside the table gives nothing
    // rather than a neighbour's text.
    for (int id = 129; id <= 242; ++id) {
        const bool gap = id == 148 || id == 209 || id == 229;
        QVERIFY2(LoadResString(id).isEmpty() == gap, qPrintable(QString::number(id)));
    }
    QVERIFY(LoadResString(-1).isEmpty() && LoadResString(100000).isEmpty());

    // The same French text under two ids can be translated apart.
    ById english;
    QVERIFY(QCoreApplication::installTranslator(&english));
    QCOMPARE(LoadResString(150) + LoadResString(171), QStringLiteral("EN150EN171"));
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
    ShowDatabaseError(QStringLiteral("disk I/O error"));
    QCOMPARE(messages.Ids(), (QList<int>{155, 164, 152, 0}));
    using Kind = MessageBox::Kind;
    const QList<MessageBox::Shown>& shown = messages.Messages();
    QVERIFY(shown.at(0).kind == Kind::Warning && shown.at(1).kind == Kind::Info &&
            shown.at(2).kind == Kind::Question && shown.at(3).kind == Kind::DatabaseError);
    QCOMPARE(shown.at(1).text, LoadResString(164));

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
