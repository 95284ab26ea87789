#include "support/fakeplatform.h"
#include "windows/hardcopy.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHardcopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksFirst_data();
    void asksFirst();
};

void TestHardcopy::asksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("pdfPath");
    QTest::addColumn<int>("printed");
    QTest::addColumn<int>("messages");
    QTest::newRow("No prints nothing") << false << u"/spiele/hardcopy.pdf"_s << 0 << 0;
    QTest::newRow("Yes on a printer") << true << QString() << 1 << 0;
    QTest::newRow("Yes without a printer: says where the PDF is")
        << true << u"/spiele/hardcopy.pdf"_s << 1 << 1;
}

void TestHardcopy::asksFirst()
{
    QFETCH(bool, yes);
    QFETCH(QString, pdfPath);
    QFETCH(int, printed);
    QFETCH(int, messages);
    FakePlatform fake;
    fake.setPrinterFallback(pdfPath);
    fake.answerNext(yes);
    Command8_Click(fake.platform());
    QCOMPARE(fake.questions().size(), 1);
    QCOMPARE(fake.questions().at(0).title, u"A C H T U N G !!!"_s);
    QCOMPARE(fake.questions().at(0).text, u"Wollen Sie wirklich das Brett ausdrucken?"_s);
    QCOMPARE(fake.questions().at(0).icon, MessageBoxes::Icon::Question);
    QCOMPARE(fake.printedWindows(), printed);
    QCOMPARE(fake.messages().size(), messages);
    if (messages)
        QVERIFY(fake.messages().at(0).text.contains(pdfPath));
}

QTEST_GUILESS_MAIN(TestHardcopy)
#include "tst_hardcopy.moc"
