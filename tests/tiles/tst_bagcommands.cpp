#include "model/murmex.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"
#include "tiles/bagcommands.h"
#include "tiles/turncommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestBagCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showingTheBagKeepsTheTiles();
    void hidingTheBagOffersToFix_data();
    void hidingTheBagOffersToFix();
    void drawingFillsTheLeftmostFreeSlots();
    void drawingStops_data();
    void drawingStops();
};

namespace {

constexpr int kFixAtOnceYes = 2;
constexpr int kFixAtOnceNo = 3;

} // namespace

void TestBagCommands::showingTheBagKeepsTheTiles()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::putOnRack(m, 0, u'A');
    const QString rack = m.bb[0].state;
    const QString bag = m.s[2].state;

    Command2_Click(m, fake.platform());
    QVERIFY(!m.bagHidden);
    QVERIFY(!m.spielsituationShown);
    Command2_Click(m, fake.platform());
    QVERIFY(m.bagHidden);
    QCOMPARE(m.bb[0].state, rack);
    QCOMPARE(m.s[2].state, bag);
    QVERIFY(fake.questions().isEmpty());
}

void TestBagCommands::hidingTheBagOffersToFix_data()
{
    QTest::addColumn<bool>("fixAtOnce");
    QTest::addColumn<int>("laid");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("two laid, Yes") << false << 2 << true << true << true;
    QTest::newRow("two laid, No") << false << 2 << false << true << false;
    QTest::newRow("none laid") << false << 0 << true << false << false;
    QTest::newRow("fix at once") << true << 2 << false << false << true;
    QTest::newRow("fix at once, none laid") << true << 0 << false << false << true;
}

// Hiding the bag after laying a situation ends the situation; the tiles are fixed on Yes or
// at once when the option says so, and the booking and result lists end with them.
void TestBagCommands::hidingTheBagOffersToFix()
{
    QFETCH(bool, fixAtOnce);
    QFETCH(int, laid);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, fixed);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    m.Option1.select(fixAtOnce ? kFixAtOnceYes : kFixAtOnceNo);
    fixture::fix(m, 100, u'H');
    if (laid > 0) {
        fixture::lay(m, 113, u'A');
        fixture::lay(m, 114, u'B');
    }
    m.Ergebnisliste.addItem(u"  8 AB H8 - H9"_s);
    Command5_Click(m);
    fake.answerNext(answer);

    Command2_Click(m, fake.platform());

    QCOMPARE(fake.questions().size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(fake.questions().front().title, u"A c h t u n g !!!"_s);
        QCOMPARE(fake.questions().front().text,
            u"Sollen die gelegten Buchstaben jetzt fixiert werden?"_s);
    }
    QVERIFY(m.bagHidden);
    QVERIFY(!m.spielsituationShown);
    QCOMPARE(m.situationAllowed, !fixed);
    QCOMPARE(m.Ergebnisliste.isEmpty(), fixed);
    QCOMPARE(m.gelegt.count(), fixed ? 0 : laid);
    if (laid > 0)
        QCOMPARE(m.a[113].state, fixed ? u"113 A01 F 1 1 001"_s : u"113 A01 M 1 2 001"_s);
}

// Each draw takes the r-th of the tiles left in the bag, r = int(n * u + 1).
void TestBagCommands::drawingFillsTheLeftmostFreeSlots()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::putOnRack(m, 0, u'A'); // tile 1
    fixture::putOnRack(m, 2, u'B'); // tile 6
    fixture::putOnRack(m, 4, u'C'); // tile 8
    fixture::putOnRack(m, 6, u'D'); // tile 10
    fake.scriptRandom({0.0, 0.99999, 0.5});

    Command9_Click(m, fake.platform());

    QCOMPARE(fake.randomSeeds(), 1);
    // 98 left: the first is tile 2; then the last of 97, tile 102; then the 49th of 96:
    // 3, 4, 5, 7, 9 and from 11 on, so tile 54.
    QCOMPARE(m.bb[1].state, u"___ A01 M _ _ 002"_s);
    QCOMPARE(m.bb[1].picture, Picture::tile(2));
    QCOMPARE(m.bb[3].state, u"___ _00 M _ _ 102"_s);
    QCOMPARE(m.bb[5].state, u"___ N01 M _ _ 054"_s);
    QVERIFY(!m.bb[7].showsPicture());
    for (int cell : {2, 102, 54}) {
        QVERIFY(!m.s[cell].showsPicture());
        QCOMPARE(m.s[cell].state, state::kEmptyCell.toString());
    }
    QVERIFY(m.gelegt.isEmpty());
}

void TestBagCommands::drawingStops_data()
{
    QTest::addColumn<int>("rackTiles");
    QTest::addColumn<int>("movableOnBoard");
    QTest::addColumn<int>("keptInBag");
    QTest::addColumn<int>("drawn");
    QTest::newRow("seven in play") << 4 << 3 << 102 << 0;
    QTest::newRow("eight in play") << 6 << 2 << 102 << 0;
    QTest::newRow("bag runs empty") << 2 << 0 << 3 << 3;
    QTest::newRow("bag empty") << 2 << 0 << 0 << 0;
}

// Counting the movable tiles on the board, the rack is filled up to seven in play and no
// further; the command ends also when the bag runs out.
void TestBagCommands::drawingStops()
{
    QFETCH(int, rackTiles);
    QFETCH(int, movableOnBoard);
    QFETCH(int, keptInBag);
    QFETCH(int, drawn);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    for (int slot = 0; slot < rackTiles; ++slot)
        fixture::putOnRack(m, slot, u'E');
    for (int square = 1; square <= movableOnBoard; ++square)
        fixture::lay(m, square, u'N');
    fixture::fix(m, 200, u'S');
    // Only the last cells of the bag keep their tiles.
    for (int n = 1; n <= tiles::kTileCount - keptInBag; ++n)
        m.s[n] = {state::kEmptyCell.toString(), Picture()};

    Command9_Click(m, fake.platform());

    int onRack = 0;
    for (const Cell& slot : m.bb)
        onRack += slot.showsPicture() ? 1 : 0;
    QCOMPARE(onRack, rackTiles + drawn);
}

QTEST_GUILESS_MAIN(TestBagCommands)
#include "tst_bagcommands.moc"
