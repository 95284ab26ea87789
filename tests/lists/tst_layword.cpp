#include "lists/candidatelist.h"
#include "lists/layword.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "support/boardfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLayWord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laysTheWord_data();
    void laysTheWord();
    void blankTakesTheWordsLetter();
    void movableTilesGoBackFirst();
    void notScoredWhileASituationIsLaid();
    void linesThatLayNothing_data();
    void linesThatLayNothing();
};

namespace {

// Selects the line as a press on the visible list would.
void select(Murmex& m, const QString& line)
{
    m.ergebnis_sortiert.addItem(line);
    ergebnis_sortiert_MouseDown(m, m.ergebnis_sortiert.count() - 1, MouseButton::Left);
}

void toRack(Murmex& m, const QString& letters)
{
    for (int i = 0; i < letters.size(); ++i)
        fixture::putOnRack(m, i, letters.at(i));
}

QString lettersOnBoard(const Murmex& m)
{
    QStringList laid;
    for (int q = 1; q <= 225; ++q)
        if (m.a[q].showsPicture())
            laid.append(QString::number(q) + state::part(m.a[q].state, 5, 5)
                + state::part(m.a[q].state, 9, 9));
    return laid.join(u' ');
}

QString rackLetters(const Murmex& m)
{
    QString letters;
    for (const Cell& slot : m.bb)
        letters += state::part(slot.state, 5, 5);
    return letters;
}

} // namespace

void TestLayWord::laysTheWord_data()
{
    QTest::addColumn<QString>("rack");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("rackAfter");
    QTest::newRow("across") << u"HAUS"_s << u""_s << u" 10 HAUS H8 - H11"_s
                            << u"113HM 114AM 115UM 116SM"_s << u"________"_s;
    QTest::newRow("down") << u"HAUS"_s << u""_s << u" 10 HAUS H8 - K8"_s
                          << u"113HM 128AM 143UM 158SM"_s << u"________"_s;
    QTest::newRow("past a fixed tile") << u"HAUS"_s << u"114A"_s << u"  5 HAUS H8 - H11"_s
                                       << u"113HM 114AF 115UM 116SM"_s << u"_A______"_s;
    QTest::newRow("missing letter tried on the next squares")
        << u"HUS"_s << u""_s << u" 10 HAUS H8 - H11"_s << u"113HM"_s << u"_US_____"_s;
    QTest::newRow("two-digit columns")
        << u"XY"_s << u""_s << u" 36 XY A14 - A15"_s << u"14XM 15YM"_s << u"________"_s;
}

// Every laid tile is movable and booked; rack tiles not needed stay where they were.
void TestLayWord::laysTheWord()
{
    QFETCH(QString, rack);
    QFETCH(QString, fixed);
    QFETCH(QString, line);
    QFETCH(QString, board);
    QFETCH(QString, rackAfter);
    Murmex m;
    fixture::startEmptyGame(m);
    if (!fixed.isEmpty())
        fixture::fix(m, fixed.chopped(1).toInt(), fixed.back());
    toRack(m, rack);
    select(m, line);

    mnu_wunsch_Click(m);

    QCOMPARE(lettersOnBoard(m), board);
    QCOMPARE(rackLetters(m), rackAfter);
    QCOMPARE(m.gelegt.count(), board.count(u'M'));
    QVERIFY(!m.boardSaved);
}

void TestLayWord::blankTakesTheWordsLetter()
{
    Murmex m;
    fixture::startEmptyGame(m);
    toRack(m, u"H_US_"_s);
    select(m, u"  4 HaUS H8 - H11"_s);
    mnu_wunsch_Click(m);
    QCOMPARE(state::part(m.a[114].state, 5, 7), u"a00"_s);
    QCOMPARE(m.a[114].picture, Picture::blankLetter(1));
    // The second blank was not needed and keeps no letter.
    QCOMPARE(state::part(m.bb[4].state, 5, 7), u"_00"_s);
    QCOMPARE(m.gelegt.count(), 4);
}

// The move on the board is tidied away first, and the word is scored as laid: with 95 tiles
// left in the bag it is the first move.
void TestLayWord::movableTilesGoBackFirst()
{
    Murmex m;
    fixture::startEmptyGame(m);
    toRack(m, u"HAU"_s);
    fixture::lay(m, 50, u'S');
    for (const QChar extra : u"EEE"_s)
        fixture::takeFromBag(m, extra);
    select(m, u" 10 HAUS H8 - H11"_s);
    mnu_wunsch_Click(m);
    QCOMPARE(lettersOnBoard(m), u"113HM 114AM 115UM 116SM"_s);
    QCOMPARE(m.punkte.text(), u"10"_s);
    QCOMPARE(m.protokoll[0].count(), 4);
}

void TestLayWord::notScoredWhileASituationIsLaid()
{
    Murmex m;
    fixture::startEmptyGame(m);
    toRack(m, u"HAUS"_s);
    m.spielsituationShown = true;
    select(m, u" 10 HAUS H8 - H11"_s);
    mnu_wunsch_Click(m);
    QCOMPARE(lettersOnBoard(m), u"113HM 114AM 115UM 116SM"_s);
    QCOMPARE(m.punkte.text(), u"0"_s);
    QVERIFY(m.protokoll[0].isEmpty());
}

void TestLayWord::linesThatLayNothing_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("selected");
    QTest::newRow("separator") << u"    ---------------"_s << 0;
    QTest::newRow("no line selected") << u" 10 HAUS H8 - H11"_s << -1;
    QTest::newRow("selection past the end") << u" 10 HAUS H8 - H11"_s << 1;
    QTest::newRow("no square names") << u" 10 HAUS"_s << 0;
    QTest::newRow("row letter off the board") << u" 10 HAUS Z8 - Z11"_s << 0;
    QTest::newRow("column off the board") << u" 10 HAUS H16 - H19"_s << 0;
    QTest::newRow("end before start") << u" 10 HAUS H8 - H2"_s << 0;
}

// Such lines leave board, rack, gelegt and points as they were.
void TestLayWord::linesThatLayNothing()
{
    QFETCH(QString, line);
    QFETCH(int, selected);
    Murmex m;
    fixture::startEmptyGame(m);
    toRack(m, u"HAU"_s);
    fixture::lay(m, 50, u'S');
    m.punkte.setText(u"3"_s);
    m.ergebnis_sortiert.addItem(line);
    ergebnis_sortiert_MouseDown(m, selected, MouseButton::Left);
    mnu_wunsch_Click(m);
    QCOMPARE(lettersOnBoard(m), u"50SM"_s);
    QCOMPARE(rackLetters(m), u"HAU_____"_s);
    QCOMPARE(m.gelegt.count(), 1);
    QCOMPARE(m.punkte.text(), u"3"_s);
}

QTEST_GUILESS_MAIN(TestLayWord)
#include "tst_layword.moc"
