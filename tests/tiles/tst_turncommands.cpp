#include "model/murmex.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"
#include "tiles/doubleclick.h"
#include "tiles/dragging.h"
#include "tiles/turncommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTurnCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tidyUpFillsTheRackInSquareOrder();
    void tidyUpWithAFullRack();
    void fixingUsesUpThePremiums_data();
    void fixingUsesUpThePremiums();
    void releasingAFixedTile_data();
    void releasingAFixedTile();
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

void TestTurnCommands::fixingUsesUpThePremiums_data()
{
    QTest::addColumn<bool>("clearLists");
    QTest::newRow("lists cleared") << true;
    QTest::newRow("lists kept") << false;
}

// Every tile on the board becomes fixed with multipliers 1 1, a lettered blank too; fixed
// tiles can no longer be taken up.
void TestTurnCommands::fixingUsesUpThePremiums()
{
    QFETCH(bool, clearLists);
    Murmex m;
    fixture::startEmptyGame(m);
    m.Option1.select(clearLists ? 6 : 7);
    const int h = fixture::lay(m, 113, u'H');
    const int blank = fixture::lay(m, 114, u'e');
    fixture::fix(m, 98, u'T');
    m.Ergebnisliste.addItem(u"  4 HE H8 - H9"_s);
    m.ergebnis_sortiert.addItem(u"  4 HE H8 - H9"_s);

    Command3_Click(m);

    QCOMPARE(m.a[113].state, u"113 H02 F 1 1 "_s + state::threeDigits(h));
    QCOMPARE(m.a[114].state, u"114 e00 F 1 1 "_s + state::threeDigits(blank));
    QCOMPARE(m.a[98].state.mid(8), u"F 1 1 081"_s);
    QCOMPARE(m.a[115].state, u"115 ___ M 1 1 ___"_s);
    QVERIFY(m.gelegt.isEmpty());
    QCOMPARE(m.Ergebnisliste.isEmpty(), clearLists);
    QCOMPARE(m.ergebnis_sortiert.isEmpty(), clearLists);
    QVERIFY(!m.boardSaved);

    QVERIFY(!a_MouseDown(m, 113));
    a_DblClick(m, 113);
    QVERIFY(m.a[113].showsPicture());
    QVERIFY(!m.bb[0].showsPicture());
}

void TestTurnCommands::releasingAFixedTile_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("answer");
    QTest::newRow("item unchecked") << false << true;
    QTest::newRow("Yes") << true << true;
    QTest::newRow("No") << true << false;
}

// A checked menu item makes one click on a square ask; Yes makes the tile movable with its
// premiums and opens the game-situation mode with the bag shown.
void TestTurnCommands::releasingAFixedTile()
{
    QFETCH(bool, checked);
    QFETCH(bool, answer);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    const int tile = fixture::fix(m, 113, u'H');
    const QString fixed = m.a[113].state;
    if (checked)
        mnu_sos_Click(m);
    QCOMPARE(m.releaseChecked, checked);
    fake.answerNext(answer);

    a_Click(m, fake.platform(), 113);

    const bool released = checked && answer;
    QCOMPARE(fake.questions().size(), checked ? 1 : 0);
    if (checked) {
        QCOMPARE(fake.questions().front().title, u"A c h t u n g !!!"_s);
        QCOMPARE(fake.questions().front().text, u"Sollen der Buchstabe H wieder gelöst werden?"_s);
    }
    QCOMPARE(m.a[113].state, released ? u"113 H02 M 1 2 "_s + state::threeDigits(tile) : fixed);
    QCOMPARE(m.bagHidden, !released);
    QCOMPARE(m.situationAllowed, released);
    QCOMPARE(m.spielsituationShown, released);
    QVERIFY(!m.releaseChecked);
    QVERIFY(m.gelegt.isEmpty());
    QCOMPARE(a_MouseDown(m, 113), released);
}

QTEST_GUILESS_MAIN(TestTurnCommands)
#include "tst_turncommands.moc"
