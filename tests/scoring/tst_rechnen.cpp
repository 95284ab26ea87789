#include "model/murmex.h"
#include "model/statestring.h"
#include "scoring/rechnen.h"
#include "support/boardfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRechnen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moves_data();
    void moves();
    void singleTileFormsTwoWords();
    void nothingWhileASituationIsLaid();
    void bookedSquaresOffTheBoard_data();
    void bookedSquaresOffTheBoard();
};

namespace {

// The first-move rule looks at the number of tiles left in the bag.
void leaveInBag(Murmex& m, int count)
{
    int inBag = 0;
    for (int n = 1; n <= 102; ++n)
        inBag += m.s[n].showsPicture() ? 1 : 0;
    for (int n = 1; n <= 102 && inBag > count; ++n) {
        if (m.s[n].showsPicture()) {
            m.s[n] = {state::kEmptyCell.toString(), Picture()};
            --inBag;
        }
    }
    QCOMPARE(inBag, count);
}

QString squaresOf(const ListBox& list)
{
    QStringList squares;
    for (const QString& line : list.lines())
        squares.append(QString::number(state::part(line, 2, 4).toInt()));
    return squares.join(u' ');
}

} // namespace

void TestRechnen::moves_data()
{
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("laid");
    QTest::addColumn<int>("bag");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("mainWord");

    QTest::newRow("first move doubled by the centre")
        << u""_s << u"113A 114B"_s << 95 << u"8"_s << u"113 114"_s;
    QTest::newRow("94 in the bag touches nothing")
        << u""_s << u"113A 114B"_s << 94 << u"0"_s << u"113 114"_s;
    QTest::newRow("96 in the bag touches nothing")
        << u""_s << u"113A 114B"_s << 96 << u"0"_s << u"113 114"_s;
    QTest::newRow("centre not covered") << u""_s << u"110A 111B"_s << 95 << u"0"_s << u"110 111"_s;
    QTest::newRow("single tile touching nothing") << u""_s << u"113A"_s << 95 << u"0"_s << u"113"_s;
    QTest::newRow("seven tiles: 70 and the bonus")
        << u""_s << u"110Q 111Y 112X 113C 114A 115E 116I"_s << 95 << u"120"_s
        << u"110 111 112 113 114 115 116"_s;
    QTest::newRow("down from a fixed word")
        << u"113H 114A 115U 116S"_s << u"131E 146R"_s << 80 << u"3"_s << u"116 131 146"_s;
    QTest::newRow("fixed tile on a premium counts plain")
        << u"113A"_s << u"114B"_s << 80 << u"4"_s << u"114"_s;
    QTest::newRow("double word doubles main and cross word")
        << u"113E 140H"_s << u"155A 156B"_s << 80 << u"14"_s << u"155 156"_s;
    QTest::newRow("triple letter counts in both words")
        << u"113E 126O 140H"_s << u"141K"_s << 80 << u"28"_s << u"126 141"_s;
    QTest::newRow("blank on a triple letter adds 0")
        << u"113E 140H"_s << u"141e"_s << 80 << u"2"_s << u"141"_s;
    QTest::newRow("gap between laid tiles")
        << u"113E 35H"_s << u"50A 52B"_s << 80 << u"0"_s << u"50 52"_s;
    QTest::newRow("gap filled by a fixed tile")
        << u"113E 51C"_s << u"50A 52B"_s << 80 << u"8"_s << u"50 51 52"_s;
    QTest::newRow("fixed tile reached from three laid tiles kept once")
        << u"113E 51C"_s << u"50A 52B 53D"_s << 80 << u"10"_s << u"50 51 52 53"_s;
    QTest::newRow("same column is vertical")
        << u"113E 50C"_s << u"20A 35B"_s << 80 << u"8"_s << u"20 35 50"_s;
    QTest::newRow("same row is horizontal")
        << u"113E 22C"_s << u"20A 21B"_s << 80 << u"14"_s << u"20 21 22"_s;
    QTest::newRow("neither row nor column")
        << u"113E 5C"_s << u"20A 36B"_s << 80 << u"0"_s << u""_s;
    QTest::newRow("a row does not run on into the next")
        << u"113E 29C"_s << u"14A 15B 16D"_s << 80 << u"0"_s << u"14 15 16"_s;
    QTest::newRow("eight laid tiles cannot count")
        << u"113E 108C"_s << u"94A 109B 110D 111E 112F 114G 115H 116I"_s << 80 << u"0"_s << u""_s;
}

void TestRechnen::moves()
{
    QFETCH(QString, fixed);
    QFETCH(QString, laid);
    QFETCH(int, bag);
    QFETCH(QString, points);
    QFETCH(QString, mainWord);
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::place(m, fixed, fixture::fix);
    fixture::place(m, laid, fixture::lay);
    leaveInBag(m, bag);

    rechnen(m);

    QCOMPARE(m.punkte.text(), points);
    QCOMPARE(squaresOf(m.protokoll[0]), mainWord);
}

// Between fixed tiles above and below and one to its left: the vertical word in protokoll(0),
// the horizontal one in protokoll(1), both scored.
void TestRechnen::singleTileFormsTwoWords()
{
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::place(m, u"113H 143E 127S"_s, fixture::fix);
    fixture::place(m, u"128A"_s, fixture::lay);
    rechnen(m);
    QCOMPARE(squaresOf(m.protokoll[0]), u"113 128 143"_s);
    QCOMPARE(squaresOf(m.protokoll[1]), u"127 128"_s);
    QCOMPARE(m.punkte.text(), u"6"_s);
    QVERIFY(m.wordFound);
}

void TestRechnen::nothingWhileASituationIsLaid()
{
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::place(m, u"113A 114B"_s, fixture::lay);
    leaveInBag(m, 95);
    m.punkte.setText(u"17"_s);
    m.protokoll[2].addItem(u"+kept"_s);
    m.spielsituationShown = true;
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"17"_s);
    QCOMPARE(m.protokoll[2].line(0), u"+kept"_s);
}

void TestRechnen::bookedSquaresOffTheBoard_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("past the last square") << u"+999 A01 M 1 1 001"_s;
    QTest::newRow("square 0") << u"+000 A01 M 1 1 001"_s;
    QTest::newRow("negative") << u"+-12 A01 M 1 1 001"_s;
    QTest::newRow("no number") << u"+abc"_s;
}

// Lines from a damaged game file are no move, and no walk leaves the board.
void TestRechnen::bookedSquaresOffTheBoard()
{
    QFETCH(QString, line);
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::fix(m, 113, u'H');
    fixture::lay(m, 114, u'A');
    m.gelegt.addItem(line);
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"0"_s);
}

QTEST_GUILESS_MAIN(TestRechnen)
#include "tst_rechnen.moc"
