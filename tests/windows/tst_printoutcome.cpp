#include "support/fakeplatform.h"
#include "windows/printoutcome.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPrintOutcome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tellsThePlayer_data();
    void tellsThePlayer();
};

void TestPrintOutcome::tellsThePlayer_data()
{
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("pdfPath");
    QTest::addColumn<int>("messages");
    QTest::addColumn<MessageBoxes::Icon>("icon");
    QTest::newRow("the printer took it") << true << QString() << 0 << MessageBoxes::Icon::None;
    QTest::newRow("PDF in place of the printer")
        << true << u"/spiele/hilfe.pdf"_s << 1 << MessageBoxes::Icon::Information;
    QTest::newRow("PDF could not be written")
        << false << u"/spiele/hilfe.pdf"_s << 1 << MessageBoxes::Icon::Critical;
    QTest::newRow("the printer refused") << false << QString() << 1 << MessageBoxes::Icon::Critical;
}

// A page that went nowhere is never reported as printed.
void TestPrintOutcome::tellsThePlayer()
{
    QFETCH(bool, printed);
    QFETCH(QString, pdfPath);
    QFETCH(int, messages);
    QFETCH(MessageBoxes::Icon, icon);
    FakePlatform fake;
    reportPrintOutcome({printed, pdfPath}, u"Hilfe"_s, fake.platform().messages);
    QCOMPARE(fake.messages().size(), messages);
    if (!messages)
        return;
    QCOMPARE(fake.messages().at(0).title, u"Hilfe"_s);
    QCOMPARE(fake.messages().at(0).icon, icon);
    QVERIFY(fake.messages().at(0).text.contains(pdfPath));
}

QTEST_GUILESS_MAIN(TestPrintOutcome)
#include "tst_printoutcome.moc"
