#include "support/fakeplatform.h"
#include "windows/hilfe.h"
#include "windows/hilfetext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHilfe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void textHas58LinesOf17Blank();
    void loadingTwiceBuildsTheTextOnce();
    void printedDocument();
    void druckenPrintsTheDocument_data();
    void druckenPrintsTheDocument();
};

void TestHilfe::text_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 1 << u"Wichtig:"_s;
    QTest::newRow("blank line 2") << 2 << u" "_s;
    QTest::newRow("trailing blank 3")
        << 3 << u"In dem Ordner, in welchem dieser Murmex-Calculator abgelegt wird, "_s;
    QTest::newRow("quotes and backslash 4")
        << 4 << u"muss ein Unterverzeichnis \"\\Spiele\" vorhanden sein."_s;
    QTest::newRow("three quoted names 13")
        << 13 << u"\"Säckchen zeigen\" \"Ende\" \"Neues Spiel\""_s;
    QTest::newRow("two blanks before the quote 26")
        << 26 << u"man dies innerhalb des Menüs unter \"?\" und  \"Buchstabe vom Brett"_s;
    QTest::newRow("closing quote 27") << 27 << u"wieder lösen\" wieder rückgängig machen"_s;
    QTest::newRow("trailing blank 35") << 35 << u"Bänkchen neu bestückt wurde. "_s;
    QTest::newRow("leading blank 43")
        << 43 << u" dem Spielbrett gelegten Buchstaben fixiert werden sollen"_s;
    QTest::newRow("trailing blank 45")
        << 45 << u"Da der Wunsch geäußert wurde, das Programm soll ohne nachfragen "_s;
    QTest::newRow("trailing blank 46")
        << 46 << u"fixieren, kann man dies durch das Einstellen in den Optionen "_s;
    QTest::newRow("last text line 54") << 54 << u"E-Mail kopiert werden."_s;
    QTest::newRow("blank line 58") << 58 << u" "_s;
}

void TestHilfe::text()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QCOMPARE(hilfetext::lines().value(line - 1), text);
}

void TestHilfe::textHas58LinesOf17Blank()
{
    const QStringList lines = hilfetext::lines();
    QCOMPARE(lines.size(), 58);
    QCOMPARE(lines.count(u" "_s), 17);
    QVERIFY(!lines.contains(QString()));
}

void TestHilfe::loadingTwiceBuildsTheTextOnce()
{
    Hilfe hilfe;
    hilfe.Form_Load();
    hilfe.Form_Load();
    QCOMPARE(hilfe.List1.lines(), hilfetext::lines());
}

// Three empty lines, the bold 12-point title, an empty line, then every line indented by 16
// blanks in regular 10 point.
void TestHilfe::printedDocument()
{
    Hilfe hilfe;
    hilfe.Form_Load();
    const QList<Printer::Line> document = hilfe.printedDocument();
    QCOMPARE(document.size(), 3 + 2 + 58);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(document.at(i).text, QString());
    QCOMPARE(document.at(3).text, u"                        Zettwigs Murmex-Calculator:"_s);
    QVERIFY(document.at(3).bold);
    QCOMPARE(document.at(3).pointSize, 12);
    QCOMPARE(document.at(4).text, QString());
    for (int i = 0; i < 58; ++i) {
        const Printer::Line& line = document.at(5 + i);
        QCOMPARE(line.text, QString(16, u' ') + hilfetext::lines().at(i));
        QVERIFY(!line.bold);
        QCOMPARE(line.pointSize, 10);
    }
}

void TestHilfe::druckenPrintsTheDocument_data()
{
    QTest::addColumn<QString>("pdfPath");
    QTest::addColumn<int>("messages");
    QTest::newRow("printer: not a word") << QString() << 0;
    QTest::newRow("no printer: says where the PDF is") << u"/spiele/hilfe.pdf"_s << 1;
}

// No question before printing; only a PDF in place of the printer is reported.
void TestHilfe::druckenPrintsTheDocument()
{
    QFETCH(QString, pdfPath);
    QFETCH(int, messages);
    FakePlatform fake;
    fake.setPrinterFallback(pdfPath);
    Hilfe hilfe;
    hilfe.Form_Load();
    hilfe.Command2_Click(fake.platform().printer, fake.platform().messages);
    QCOMPARE(fake.printedDocuments().size(), 1);
    QCOMPARE(fake.printedDocuments().at(0).size(), hilfe.printedDocument().size());
    QVERIFY(fake.questions().isEmpty());
    QCOMPARE(fake.messages().size(), messages);
    if (messages)
        QVERIFY(fake.messages().at(0).text.contains(pdfPath));
}

QTEST_GUILESS_MAIN(TestHilfe)
#include "tst_hilfe.moc"
