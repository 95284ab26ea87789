#include "model/murmex.h"
#include "model/originalwerte.h"
#include "model/tileset.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestOriginalwerte : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void premiumSquares();
    void originalCellsAfterTwoCalls_data();
    void originalCellsAfterTwoCalls();
    void tileSetTotals();
    void emptiesTheRack();
};

// 61 premium squares, none with both multipliers, in the counts of the layout.
void TestOriginalwerte::premiumSquares()
{
    Murmex m;
    m.letterFactor.fill(1);
    m.wordFactor.fill(1);
    originalwerte(m);
    int premium = 0;
    int counts[4] = {}; // 2L 3L 2W 3W
    for (int n = 1; n <= 225; ++n) {
        const int lf = m.letterFactor[n];
        const int wf = m.wordFactor[n];
        QVERIFY2(lf == 1 || wf == 1, qPrintable(u"square %1"_s.arg(n)));
        if (lf > 1 || wf > 1)
            ++premium;
        if (lf > 1)
            ++counts[lf - 2];
        if (wf > 1)
            ++counts[wf];
    }
    QCOMPARE(premium, 61);
    QCOMPARE(counts[0], 24);
    QCOMPARE(counts[1], 12);
    QCOMPARE(counts[2], 17);
    QCOMPARE(counts[3], 8);
    QCOMPARE(m.wordFactor[113], 2);
    QCOMPARE(m.wordFactor[1], 3);
    QCOMPARE(m.letterFactor[21], 3);
    QCOMPARE(m.letterFactor[4], 2);
}

void TestOriginalwerte::originalCellsAfterTwoCalls_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first A") << 1 << u"___ A01 M _ _ 001"_s;
    QTest::newRow("Q") << 67 << u"___ Q10 M _ _ 067"_s;
    QTest::newRow("last E") << 28 << u"___ E01 M _ _ 028"_s;
    QTest::newRow("Ä") << 98 << u"___ Ä06 M _ _ 098"_s;
    QTest::newRow("Ü") << 100 << u"___ Ü06 M _ _ 100"_s;
    QTest::newRow("second blank") << 102 << u"___ _00 M _ _ 102"_s;
}

// The tile number is appended once; a second call changes nothing.
void TestOriginalwerte::originalCellsAfterTwoCalls()
{
    QFETCH(int, tile);
    QFETCH(QString, expected);
    Murmex m;
    originalwerte(m);
    QCOMPARE(m.o[tile].state, expected);
    originalwerte(m);
    QCOMPARE(m.o[tile].state, expected);
    QCOMPARE(m.o[tile].picture, Picture::tile(tile));
}

void TestOriginalwerte::tileSetTotals()
{
    int total = 0;
    for (int n = 1; n <= tiles::kTileCount; ++n)
        total += tiles::valueOf(n);
    QCOMPARE(total, 202);
    QCOMPARE(tiles::letterOf(14), u'E');
    QCOMPARE(tiles::letterOf(28), u'E');
    QCOMPARE(tiles::letterOf(29), u'F');
    QCOMPARE(tiles::letterOf(101), u'_');
    QCOMPARE(tiles::blankLetterIndex(u'e'), 5);
    QCOMPARE(tiles::blankLetterIndex(u'ä'), 27);
    QCOMPARE(tiles::blankLetterIndex(u'_'), 30);
    QCOMPARE(tiles::blankLetterIndex(u'?'), 0);
}

void TestOriginalwerte::emptiesTheRack()
{
    Murmex m;
    m.bb[3] = {u"___ A01 M _ _ 005"_s, Picture::tile(5)};
    originalwerte(m);
    for (const Cell& slot : m.bb) {
        QCOMPARE(slot.state, u"___ ___ M _ _ ___"_s);
        QVERIFY(!slot.showsPicture());
    }
}

QTEST_GUILESS_MAIN(TestOriginalwerte)
#include "tst_originalwerte.moc"
