#include "model/murmex.h"
#include "scoring/rechnen.h"
#include "support/boardfixture.h"
#include "tiles/doubleclick.h"
#include "tiles/dragging.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDoubleClick : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardTileGoesBackToTheRack_data();
    void boardTileGoesBackToTheRack();
    void rackTileGoesToTheRightmostFreeSlot();
    void bagTileGoesOntoTheRack_data();
    void bagTileGoesOntoTheRack();
};

void TestDoubleClick::boardTileGoesBackToTheRack_data()
{
    QTest::addColumn<QString>("square");
    QTest::addColumn<bool>("rackFull");
    QTest::addColumn<bool>("moved");
    QTest::newRow("movable tile") << u"movable"_s << false << true;
    QTest::newRow("lettered blank") << u"blank"_s << false << true;
    QTest::newRow("fixed tile") << u"fixed"_s << false << false;
    QTest::newRow("empty square") << u"empty"_s << false << false;
    QTest::newRow("full rack") << u"movable"_s << true << false;
}

// Whatever the square holds, the move is rescored; only a movable tile moves, into the
// leftmost free slot, and a blank loses its letter there. A tile that stays stays booked.
void TestDoubleClick::boardTileGoesBackToTheRack()
{
    QFETCH(QString, square);
    QFETCH(bool, rackFull);
    QFETCH(bool, moved);
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::fix(m, 112, u'H');
    fixture::lay(m, 114, u'S');
    fixture::putOnRack(m, 0, u'R');
    for (int slot = 1; rackFull && slot < 8; ++slot)
        fixture::putOnRack(m, slot, u'E');
    int tile = 0;
    if (square == u"movable")
        tile = fixture::lay(m, 113, u'A');
    else if (square == u"blank")
        tile = fixture::lay(m, 113, u'e');
    else if (square == u"fixed")
        tile = fixture::fix(m, 113, u'A');
    rechnen(m);
    const QString before = m.a[113].state;

    a_DblClick(m, 113);

    QCOMPARE(m.a[113].showsPicture(), !moved && square != u"empty");
    QCOMPARE(m.a[113].state, moved ? u"113 ___ M 1 2 ___"_s : before);
    if (moved) {
        const QString letter = square == u"blank" ? u"_00"_s : u"A01"_s;
        QCOMPARE(m.bb[1].state, u"___ "_s + letter + u" M _ _ " + state::threeDigits(tile));
        QCOMPARE(m.bb[1].picture, Picture::tile(tile));
    }
    const bool stillLaid = !moved && (square == u"movable" || square == u"blank");
    QCOMPARE(m.gelegt.lines().filter(u"+113"_s).size(), stillLaid ? 1 : 0);
    QVERIFY(m.gelegt.lines().filter(u"-"_s).isEmpty());
    const QString shown = m.punkte.text();
    rechnen(m);
    QCOMPARE(shown, m.punkte.text());
}

void TestDoubleClick::rackTileGoesToTheRightmostFreeSlot()
{
    Murmex m;
    fixture::startEmptyGame(m);
    const int first = fixture::putOnRack(m, 0, u'A');
    fixture::putOnRack(m, 1, u'B');
    fixture::putOnRack(m, 2, u'C');
    const QString moving = m.bb[0].state;

    bb_DblClick(m, 0);
    QCOMPARE(m.bb[7].state, moving);
    QCOMPARE(m.bb[7].picture, Picture::tile(first));
    QCOMPARE(m.bb[0].state, state::kEmptyCell.toString());
    QVERIFY(!m.bb[0].showsPicture());

    // Slot 6 is now the rightmost free one.
    bb_DblClick(m, 7);
    QCOMPARE(m.bb[6].picture, Picture::tile(first));
    QVERIFY(m.gelegt.isEmpty());
}

void TestDoubleClick::bagTileGoesOntoTheRack_data()
{
    QTest::addColumn<int>("inPlay");
    QTest::addColumn<bool>("letteredBlank");
    QTest::addColumn<bool>("moved");
    QTest::newRow("six in play") << 6 << false << true;
    QTest::newRow("seven in play") << 7 << false << false;
    QTest::newRow("lettered blank keeps its letter") << 4 << true << true;
}

void TestDoubleClick::bagTileGoesOntoTheRack()
{
    QFETCH(int, inPlay);
    QFETCH(bool, letteredBlank);
    QFETCH(bool, moved);
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::lay(m, 113, u'N');
    fixture::putOnRack(m, 0, u'E');
    fixture::putOnRack(m, 3, u'E');
    for (int slot = 4; slot < 4 + inPlay - 3; ++slot)
        fixture::putOnRack(m, slot, u'E');
    const int cell = letteredBlank ? 101 : 67;
    if (letteredBlank)
        m.s[cell] = {u"___ e00 M _ _ 101"_s, Picture::blankLetter(5)};
    const Cell before = m.s[cell];
    s_GotFocus(m);

    s_DblClick(m, cell);

    QCOMPARE(m.s[cell].showsPicture(), !moved);
    if (moved) {
        QCOMPARE(m.bb[1].state, before.state);
        QCOMPARE(m.bb[1].picture, before.picture);
        QCOMPARE(m.s[cell].state, state::kEmptyCell.toString());
    } else {
        QVERIFY(!m.bb[1].showsPicture());
    }
    QVERIFY(m.gelegt.lines().filter(u"-"_s).isEmpty());
}

QTEST_GUILESS_MAIN(TestDoubleClick)
#include "tst_doubleclick.moc"
