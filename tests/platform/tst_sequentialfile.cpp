#include "platform/sequentialreader.h"
#include "platform/sequentialwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSequentialFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writing_data();
    void writing();
    void reading_data();
    void reading();
    void roundTrip_data();
    void roundTrip();
    void numbers();
    void files();
};

namespace {

QStringList readAll(SequentialReader& reader)
{
    QStringList values;
    while (!reader.atEnd())
        values.append(*reader.readValue());
    return values;
}

} // namespace

void TestSequentialFile::writing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text as it is")
        << u"text"_s << u"113 A01 M 1 2 005"_s << QByteArray("113 A01 M 1 2 005\r\n");
    QTest::newRow("number with blanks") << u"number"_s << u"3"_s << QByteArray(" 3 \r\n");
    QTest::newRow("zero") << u"number"_s << u"0"_s << QByteArray(" 0 \r\n");
    QTest::newRow("quoted") << u"quoted"_s << u" 23 HAUS H8 - H11"_s
                            << QByteArray("\" 23 HAUS H8 - H11\"\r\n");
    QTest::newRow("umlauts one byte each")
        << u"text"_s << u"ÄÖÜäöü"_s << QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\r\n");
}

void TestSequentialFile::writing()
{
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    SequentialWriter writer;
    if (kind == u"number")
        writer.writeNumber(value.toInt());
    else if (kind == u"quoted")
        writer.writeQuoted(value);
    else
        writer.writeText(value);
    QCOMPARE(writer.bytes(), bytes);
}

void TestSequentialFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("leading blanks skipped")
        << QByteArray("abc\r\n   def\r\n") << QStringList{u"abc"_s, u"def"_s};
    QTest::newRow("quotes dropped, blanks inside kept")
        << QByteArray("\"  7 HAUS H8 - H11\"\r\n") << QStringList{u"  7 HAUS H8 - H11"_s};
    QTest::newRow("comma ends a value")
        << QByteArray("ABC,DEF\r\n") << QStringList{u"ABC"_s, u"DEF"_s};
    QTest::newRow("comma inside quotes") << QByteArray("\"a,b\"\r\n") << QStringList{u"a,b"_s};
    QTest::newRow("text after the closing quote ignored")
        << QByteArray("\"a\"xyz\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty line") << QByteArray("a\r\n\r\nb\r\n")
                                << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("line feeds alone") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("no line end at the end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("unclosed quote runs to the end")
        << QByteArray("\"abc\r\n") << QStringList{u"abc\r\n"_s};
    QTest::newRow("umlauts from single bytes")
        << QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\r\n") << QStringList{u"ÄÖÜäöü"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

// One value at a time until the end-of-file test says so; reading past it gives nothing.
void TestSequentialFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    SequentialReader reader(bytes);
    QCOMPARE(readAll(reader), values);
    QVERIFY(reader.atEnd());
    QVERIFY(!reader.readValue().has_value());
}

void TestSequentialFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::newRow("state strings") << QStringList{u"113 e00 M 1 2 101"_s, u"___ ___ M _ _ ___"_s};
    QTest::newRow("umlauts and blanks' letters")
        << QStringList{u"___ Ä06 M _ _ 098"_s, u"050 ö00 F 1 1 102"_s, u"ÜBER"_s};
}

void TestSequentialFile::roundTrip()
{
    QFETCH(QStringList, values);
    SequentialWriter writer;
    for (const QString& value : values)
        writer.writeText(value);
    SequentialReader reader(writer.bytes());
    QCOMPARE(readAll(reader), values);
    QCOMPARE(writer.bytes().size(), values.join(QString()).size() + 2 * values.size());
}

void TestSequentialFile::numbers()
{
    SequentialReader reader(QByteArray(" 3 \r\n 0 \r\nabc\r\n"));
    QCOMPARE(reader.readNumber(), std::optional<int>(3));
    QCOMPARE(reader.readNumber(), std::optional<int>(0));
    QCOMPARE(reader.readNumber(), std::nullopt);
    QCOMPARE(reader.readNumber(), std::nullopt);
}

void TestSequentialFile::files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"spiel.txt"_s);
    QVERIFY(!SequentialReader::open(path).has_value());

    SequentialWriter writer;
    writer.writeText(u"Ä"_s);
    QVERIFY(writer.saveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xC4\r\n"));
    std::optional<SequentialReader> reader = SequentialReader::open(path);
    QVERIFY(reader.has_value());
    QCOMPARE(reader->readValue(), std::optional<QString>(u"Ä"_s));

    QVERIFY(!writer.saveTo(dir.filePath(u"missing/spiel.txt"_s)));
}

QTEST_GUILESS_MAIN(TestSequentialFile)
#include "tst_sequentialfile.moc"
