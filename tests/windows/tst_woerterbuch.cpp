#include "model/murmex.h"
#include "support/fakeplatform.h"
#include "windows/woerterbuch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWoerterbuch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loading_data();
    void loading();
    void collecting_data();
    void collecting();
    void collectingWithNurSelected();
    void filtering_data();
    void filtering();
    void savingWritesTheWholeListAndHides();
    void unsavableListStaysInTheWindow();
    void endeWritesNothing();

private:
    void writeFile(const QByteArray& bytes) const;
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<Murmex> m_main;
};

void TestWoerterbuch::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<Murmex>();
    m_main->dataDirectory = m_data->path();
}

void TestWoerterbuch::writeFile(const QByteArray& bytes) const
{
    QFile file(m_data->filePath(u"mein_wörterbuch.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestWoerterbuch::fileBytes() const
{
    QFile file(m_data->filePath(u"mein_wörterbuch.txt"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestWoerterbuch::loading_data()
{
    QTest::addColumn<std::optional<QByteArray>>("file");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("missing file, no message") << std::optional<QByteArray>() << QStringList{};
    QTest::newRow("empty file") << std::optional<QByteArray>("") << QStringList{};
    QTest::newRow("sorted in") << std::optional<QByteArray>("TAL\r\nHAUS\r\nQUIZ\r\n")
                               << QStringList{u"HAUS"_s, u"QUIZ"_s, u"TAL"_s};
    QTest::newRow("a comma splits a line")
        << std::optional<QByteArray>("ABC,DEF\r\n") << QStringList{u"ABC"_s, u"DEF"_s};
    QTest::newRow("leading blanks and quotes dropped")
        << std::optional<QByteArray>("  OHR\r\n\"QUA\"\r\n") << QStringList{u"OHR"_s, u"QUA"_s};
    QTest::newRow("Windows-1252 umlauts") << std::optional<QByteArray>(
        "\xC4RGER\r\nB\xDC\x42\x45N\r\n") << QStringList{u"BÜBEN"_s, u"ÄRGER"_s};
    QTest::newRow("empty line at the end dropped")
        << std::optional<QByteArray>("ZUG\r\n\r\n") << QStringList{u"ZUG"_s};
}

// Loading fills the whole list and, with "alle Wörter" selected, the left list alike.
void TestWoerterbuch::loading()
{
    QFETCH(std::optional<QByteArray>, file);
    QFETCH(QStringList, words);
    if (file)
        writeFile(*file);
    Woerterbuch w(*m_main);
    w.command1Enabled = false;
    w.Form_Load();
    QCOMPARE(w.List2.lines(), words);
    QCOMPARE(w.List1.lines(), words);
    QVERIFY(w.command1Enabled);
    QVERIFY(!w.command2Enabled);
    QCOMPARE(w.Text1.text(), u"4"_s);
}

void TestWoerterbuch::collecting_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("HAUS and HAuS once")
        << QByteArray() << QStringList{u" 24 HAUS H8 - H11"_s, u" 12 HAuS H8 - K8"_s}
        << QStringList{u"HAUS"_s};
    QTest::newRow("15 letters taken whole")
        << QByteArray() << QStringList{u"212 ZWISCHENABLAGEN H1 - H15"_s}
        << QStringList{u"ZWISCHENABLAGEN"_s};
    QTest::newRow("one letter") << QByteArray() << QStringList{u"  2 A H8 - H8"_s}
                                << QStringList{u"A"_s};
    QTest::newRow("blank's umlaut in capitals")
        << QByteArray() << QStringList{u"  9 BäR H8 - H10"_s} << QStringList{u"BÄR"_s};
    QTest::newRow("merged with the file, each word once")
        << QByteArray("HAUS\r\nQUIZ\r\n")
        << QStringList{u" 10 HAUS H8 - H11"_s, u" 30 OXID H8 - K8"_s}
        << QStringList{u"HAUS"_s, u"OXID"_s, u"QUIZ"_s};
    QTest::newRow("empty result list")
        << QByteArray("TAL\r\n") << QStringList{} << QStringList{u"TAL"_s};
}

void TestWoerterbuch::collecting()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, results);
    QFETCH(QStringList, words);
    writeFile(file);
    for (const QString& line : results)
        m_main->Ergebnisliste.addItem(line);
    Woerterbuch w(*m_main);
    w.Form_Load();
    w.Command1_Click();
    QCOMPARE(w.List2.lines(), words);
    QCOMPARE(w.List1.lines(), words);
    QVERIFY(!w.command1Enabled);
    QVERIFY(w.command2Enabled);
    QCOMPARE(fileBytes(), file);
}

// With "nur" selected the left list stays empty, but saving still writes every word.
void TestWoerterbuch::collectingWithNurSelected()
{
    m_main->Ergebnisliste.addItem(u" 24 HAUS H8 - H11"_s);
    m_main->Ergebnisliste.addItem(u" 18 QUA H8 - J8"_s);
    Woerterbuch w(*m_main);
    w.Form_Load();
    w.Text1.setText(u"3"_s);
    QVERIFY(w.Option1.isSelected(1));
    QCOMPARE(w.List1.lines(), QStringList());
    w.Command1_Click();
    QCOMPARE(w.List1.lines(), QStringList());
    FakePlatform fake;
    w.Command2_Click(fake.platform().messages);
    QCOMPARE(fileBytes(), QByteArray("HAUS\r\nQUA\r\n"));
}

void TestWoerterbuch::filtering_data()
{
    // Steps: "1:text" types into the letter-count box, "2:text" into the first-letter box,
    // "click:n" clicks option n.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("selected");
    QTest::newRow("5 selects nur, five-letter words")
        << QStringList{u"1:5"_s} << QStringList{u"QUARK"_s, u"STURM"_s} << 1;
    QTest::newRow("1 shows nothing") << QStringList{u"1:1"_s} << QStringList{} << 0;
    QTest::newRow("16 shows nothing") << QStringList{u"1:16"_s} << QStringList{} << 0;
    QTest::newRow("emptied box, then alle Wörter still nothing")
        << QStringList{u"1:"_s, u"click:0"_s} << QStringList{} << 0;
    QTest::newRow("a number again after the empty box")
        << QStringList{u"1:"_s, u"click:0"_s, u"1:3"_s} << QStringList{u"QUA"_s, u"TAL"_s} << 1;
    QTest::newRow("q turns to Q, alle Wörter, all Q words")
        << QStringList{u"1:5"_s, u"2:q"_s}
        << QStringList{u"QUA"_s, u"QUARK"_s, u"QUIZ"_s, u"QUIZFRAGE"_s} << 0;
    QTest::newRow("a second letter shows nothing")
        << QStringList{u"1:5"_s, u"2:q"_s, u"2:QU"_s} << QStringList{} << 0;
    QTest::newRow("nur with the first letter")
        << QStringList{u"2:q"_s, u"click:1"_s} << QStringList{u"QUIZ"_s} << 1;
    QTest::newRow("a blank as first letter means any")
        << QStringList{u"2: "_s, u"1:3"_s} << QStringList{u"QUA"_s, u"TAL"_s} << 1;
    QTest::newRow("alle Wörter after nur")
        << QStringList{u"1:5"_s, u"click:0"_s}
        << QStringList{u"QUA"_s, u"QUARK"_s, u"QUIZ"_s, u"QUIZFRAGE"_s, u"STURM"_s, u"TAL"_s} << 0;
}

void TestWoerterbuch::filtering()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(int, selected);
    writeFile("STURM\r\nQUA\r\nTAL\r\nQUIZ\r\nQUARK\r\nQUIZFRAGE\r\n");
    Woerterbuch w(*m_main);
    w.Form_Load();
    for (const QString& step : steps) {
        const QString value = step.section(u':', 1);
        if (step.startsWith(u"1:"))
            w.Text1.setText(value);
        else if (step.startsWith(u"2:"))
            w.Text2.setText(value);
        else
            w.Option1.select(value.toInt());
    }
    QCOMPARE(w.List1.lines(), shown);
    QVERIFY(w.Option1.isSelected(selected));
    QVERIFY(!w.Option1.isSelected(2));
    QCOMPARE(w.Text2.text(), w.Text2.text().toUpper());
    QCOMPARE(w.List2.count(), 6);
}

// Windows-1252 with CR LF, in list order, under its German name in the data directory.
void TestWoerterbuch::savingWritesTheWholeListAndHides()
{
    writeFile("TAL\r\n");
    m_main->Ergebnisliste.addItem(u" 14 ÄRGER H8 - H12"_s);
    m_main->Ergebnisliste.addItem(u" 24 HAUS H8 - H11"_s);
    Woerterbuch w(*m_main);
    w.Form_Load();
    w.visible = true;
    w.Command1_Click();
    FakePlatform fake;
    w.Command2_Click(fake.platform().messages);
    QCOMPARE(fileBytes(), QByteArray("HAUS\r\nTAL\r\n\xC4RGER\r\n"));
    QCOMPARE(QDir(m_data->path()).entryList(QDir::Files), QStringList{u"mein_wörterbuch.txt"_s});
    QVERIFY(!w.command2Enabled);
    QVERIFY(!w.visible);
    QVERIFY(fake.messages().isEmpty());

    Woerterbuch reloaded(*m_main);
    reloaded.Form_Load();
    QCOMPARE(reloaded.List2.lines(), w.List2.lines());
}

// A data directory that cannot take the file: the player is told, nothing is lost.
void TestWoerterbuch::unsavableListStaysInTheWindow()
{
    m_main->dataDirectory = m_data->filePath(u"fehlt"_s);
    m_main->Ergebnisliste.addItem(u" 24 HAUS H8 - H11"_s);
    Woerterbuch w(*m_main);
    w.Form_Load();
    w.visible = true;
    w.Command1_Click();
    FakePlatform fake;
    w.Command2_Click(fake.platform().messages);
    QCOMPARE(fake.messages().size(), 1);
    QCOMPARE(fake.messages().at(0).icon, MessageBoxes::Icon::Critical);
    QVERIFY(fake.messages().at(0).text.contains(u"mein_wörterbuch.txt"_s));
    QCOMPARE(w.List2.lines(), QStringList{u"HAUS"_s});
    QVERIFY(w.command2Enabled);
    QVERIFY(w.visible);
}

void TestWoerterbuch::endeWritesNothing()
{
    m_main->Ergebnisliste.addItem(u" 24 HAUS H8 - H11"_s);
    Woerterbuch w(*m_main);
    w.Form_Load();
    w.visible = true;
    w.Command1_Click();
    w.Command4_Click();
    QVERIFY(!w.visible);
    QVERIFY(!QFile::exists(w.filePath()));
    QCOMPARE(w.List2.lines(), QStringList{u"HAUS"_s});
    QVERIFY(w.command2Enabled);
}

QTEST_GUILESS_MAIN(TestWoerterbuch)
#include "tst_woerterbuch.moc"
