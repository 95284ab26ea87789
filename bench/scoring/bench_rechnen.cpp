#include "model/murmex.h"
#include "model/statestring.h"
#include "scoring/rechnen.h"
#include "support/boardfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

class BenchRechnen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sevenTilesOnACrowdedBoard();
};

// Rows G and I are full of fixed tiles, with more above: each of the seven tiles laid across
// row H forms a three-letter cross word and the walks have long ways to go.
void BenchRechnen::sevenTilesOnACrowdedBoard()
{
    Murmex m;
    fixture::startEmptyGame(m);
    for (int square : {3, 18, 33, 48, 63, 78, 8, 23, 38, 53, 68, 83, 13, 28, 43, 58, 73, 88})
        fixture::fix(m, square, fixture::anyLetterInBag(m));
    fixture::fixRowsAroundTheCentre(m);
    for (int square = 109; square <= 115; ++square)
        fixture::lay(m, square, fixture::anyLetterInBag(m));

    rechnen(m);
    QVERIFY(m.punkte.text().toInt() > 50);
    QBENCHMARK
    {
        rechnen(m);
    }
}

QTEST_GUILESS_MAIN(BenchRechnen)
#include "bench_rechnen.moc"
