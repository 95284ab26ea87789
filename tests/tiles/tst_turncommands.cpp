#include "model/murmex.h"
#include "support/boardfixture.h"
#include "tiles/turncommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTurnCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tidyUpFillsTheRackInSquareOrder();
    void tidyUpWithAFullRack();
};

// Tiles come back in square order into the leftmost free slots; a blank loses its letter.
void TestTurnCommands::tidyUpFillsTheRackInSquareOrder()
{
    Murmex m;
    fixture::startEmptyGame(m);
    const int onHundred = fixture::lay(m, 100, u'A');
    const int onFifty = fixture::lay(m, 50, u'e');
    const int onHundredTwenty = fixture::lay(m, 120, u'C');
    fixture::fix(m, 113, u'H');
    m.punkte.setText(u"12"_s);
    m.protokoll[0].addItem(u"+x"_s);

    Command1_Click(m);

    QCOMPARE(m.bb[0].state, u"___ _00 M _ _ "_s + state::threeDigits(onFifty));
    QCOMPARE(m.bb[0].picture, Picture::tile(onFifty));
    QCOMPARE(m.bb[1].picture, Picture::tile(onHundred));
    QCOMPARE(m.bb[1].state, u"___ A01 M _ _ "_s + state::threeDigits(onHundred));
    QCOMPARE(m.bb[2].picture, Picture::tile(onHundredTwenty));
    QCOMPARE(m.a[50].state, u"050 ___ M 1 1 ___"_s);
    QCOMPARE(m.a[120].state, u"120 ___ M 1 3 ___"_s);
    QVERIFY(!m.a[100].showsPicture());
    QVERIFY(m.a[113].showsPicture());
    QCOMPARE(m.punkte.text(), u"0"_s);
    QVERIFY(m.gelegt.isEmpty());
    QVERIFY(m.protokoll[0].isEmpty());
    QVERIFY(!m.boardSaved);
}

void TestTurnCommands::tidyUpWithAFullRack()
{
    Murmex m;
    fixture::startEmptyGame(m);
    for (int slot = 0; slot < 8; ++slot)
        fixture::putOnRack(m, slot, u'E');
    fixture::lay(m, 113, u'A');
    Command1_Click(m);
    QVERIFY(m.a[113].showsPicture());
    QVERIFY(m.gelegt.isEmpty());
    QCOMPARE(m.punkte.text(), u"0"_s);
}

QTEST_GUILESS_MAIN(TestTurnCommands)
#include "tst_turncommands.moc"
