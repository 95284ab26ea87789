#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "scoring/rechnen.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"
#include "tiles/cellpointer.h"
#include "tiles/dragging.h"
#include "tiles/turncommands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDragging : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moveTable_data();
    void moveTable();
    void sevenTileLimit_data();
    void sevenTileLimit();
    void takenUpTileThatStaysIsBookedBack_data();
    void takenUpTileThatStaysIsBookedBack();
    void blankAsksForItsLetterUntilValid();
    void blankKeepsItsLetterInTheBag();
    void blankLosesItsLetterOnTheRack();
    void pointerShowsMovableTiles_data();
    void pointerShowsMovableTiles();
};

namespace {

enum class Mode { Playing, Drawing, Situation, UnfixedSituation };

void setMode(Murmex& m, Mode mode)
{
    m.bagHidden = mode == Mode::Playing;
    m.situationAllowed = mode == Mode::Situation || mode == Mode::UnfixedSituation;
    m.spielsituationShown = mode == Mode::Situation;
}

// Presses on the cell as the mouse does: the cell gets the focus first.
void press(Murmex& m, CellRef cell)
{
    switch (cell.area) {
    case CellRef::Area::Board:
        a_GotFocus(m);
        a_MouseDown(m, cell.index);
        break;
    case CellRef::Area::Rack:
        bb_GotFocus(m);
        bb_MouseDown(m, cell.index);
        break;
    case CellRef::Area::Bag:
        s_GotFocus(m);
        s_MouseDown(m, cell.index);
        break;
    }
}

void drop(Murmex& m, Platform& platform, CellRef target, CellRef source)
{
    switch (target.area) {
    case CellRef::Area::Board:
        a_DragDrop(m, platform, target.index, source);
        break;
    case CellRef::Area::Rack:
        bb_DragDrop(m, platform, target.index, source);
        break;
    case CellRef::Area::Bag:
        s_DragDrop(m, platform, source);
        break;
    }
}

// Every movable tile on the board, and nothing else, is booked once with "+".
QStringList bookingOfTheBoard(const Murmex& m)
{
    ListBox booked(ListBox::Order::Sorted);
    for (int q = 1; q <= board::kSquareCount; ++q)
        if (m.a[q].showsPicture() && state::part(m.a[q].state, 9, 9) == u"M")
            booked.addItem(u'+' + m.a[q].state);
    return booked.lines();
}

QString emptyFormOf(const Murmex& m, CellRef cell)
{
    if (cell.area != CellRef::Area::Board)
        return state::kEmptyCell.toString();
    return state::emptySquare(cell.index, m.letterFactor[cell.index], m.wordFactor[cell.index]);
}

const CellRef kBoardTile = CellRef::board(100);
const CellRef kRackTile = CellRef::rack(0);
const CellRef kBagTile = CellRef::bag(67);

} // namespace

void TestDragging::moveTable_data()
{
    QTest::addColumn<CellRef>("source");
    QTest::addColumn<CellRef>("target");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<int>("beeps");

    const CellRef emptySquare = CellRef::board(130);
    const CellRef occupiedSquare = CellRef::board(101);
    const CellRef fixedSquare = CellRef::board(102);
    const CellRef emptySlot = CellRef::rack(5);
    const CellRef occupiedSlot = CellRef::rack(1);
    const CellRef anyBagCell = CellRef::bag(1);
    const Mode playing = Mode::Playing;
    const Mode drawing = Mode::Drawing;

    QTest::newRow("board to empty square") << kBoardTile << emptySquare << playing << true << 1;
    QTest::newRow("board to occupied square")
        << kBoardTile << occupiedSquare << playing << false << 2;
    QTest::newRow("board to fixed square") << kBoardTile << fixedSquare << playing << false << 1;
    QTest::newRow("board to empty slot") << kBoardTile << emptySlot << playing << true << 0;
    QTest::newRow("board to occupied slot") << kBoardTile << occupiedSlot << playing << false << 1;
    QTest::newRow("board to bag") << kBoardTile << anyBagCell << playing << true << 0;
    QTest::newRow("rack to empty square") << kRackTile << emptySquare << playing << true << 1;
    QTest::newRow("rack to occupied square")
        << kRackTile << occupiedSquare << playing << false << 2;
    QTest::newRow("rack to fixed square") << kRackTile << fixedSquare << playing << false << 1;
    QTest::newRow("rack to empty slot") << kRackTile << emptySlot << playing << true << 0;
    QTest::newRow("rack to occupied slot") << kRackTile << occupiedSlot << playing << false << 1;
    QTest::newRow("rack to its own slot") << kRackTile << kRackTile << playing << false << 1;
    QTest::newRow("rack to bag") << kRackTile << anyBagCell << playing << true << 0;

    QTest::newRow("drawing: board to square") << kBoardTile << emptySquare << drawing << false << 0;
    QTest::newRow("drawing: rack to square") << kRackTile << emptySquare << drawing << false << 0;
    QTest::newRow("drawing: rack to fixed square")
        << kRackTile << fixedSquare << drawing << false << 0;
    QTest::newRow("drawing: bag to square") << kBagTile << emptySquare << drawing << false << 0;
    QTest::newRow("drawing: board to slot") << kBoardTile << emptySlot << drawing << true << 0;
    QTest::newRow("drawing: bag to empty slot") << kBagTile << emptySlot << drawing << true << 0;
    QTest::newRow("drawing: bag to occupied slot")
        << kBagTile << occupiedSlot << drawing << false << 1;
    QTest::newRow("drawing: bag to bag") << kBagTile << anyBagCell << drawing << false << 1;

    QTest::newRow("situation: bag to square")
        << kBagTile << emptySquare << Mode::Situation << true << 1;
    QTest::newRow("situation: bag to occupied square")
        << kBagTile << occupiedSquare << Mode::Situation << false << 2;
    QTest::newRow("situation: rack to square")
        << kRackTile << emptySquare << Mode::Situation << true << 1;
    QTest::newRow("unfixed situation: bag to square")
        << kBagTile << emptySquare << Mode::UnfixedSituation << true << 1;
}

// Each move is accepted or refused with its beeps; a refused move leaves its tile where it
// was, the board stays booked tile by tile and the points are those of the board.
void TestDragging::moveTable()
{
    QFETCH(CellRef, source);
    QFETCH(CellRef, target);
    QFETCH(Mode, mode);
    QFETCH(bool, moved);
    QFETCH(int, beeps);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::lay(m, 100, u'A');
    fixture::lay(m, 101, u'E');
    fixture::fix(m, 102, u'F');
    fixture::fix(m, 113, u'H');
    fixture::putOnRack(m, 0, u'R');
    fixture::putOnRack(m, 1, u'S');
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"6"_s);
    setMode(m, mode);
    const QString sourceBefore = cellAt(m, source).state;
    const int tile = state::tileNumber(sourceBefore);

    press(m, source);
    drop(m, fake.platform(), target, source);

    const Cell& arrival = target.area == CellRef::Area::Bag ? m.s[tile] : cellAt(m, target);
    QCOMPARE(fake.beeps(), beeps);
    QCOMPARE(cellAt(m, source).showsPicture(), !moved);
    QCOMPARE(arrival.showsPicture() && state::tileNumber(arrival.state) == tile,
        moved || &arrival == &cellAt(m, source));
    QCOMPARE(cellAt(m, source).state, moved ? emptyFormOf(m, source) : sourceBefore);
    QCOMPARE(m.gelegt.lines(), bookingOfTheBoard(m));
    if (!m.spielsituationShown) {
        const QString shown = m.punkte.text();
        rechnen(m);
        QCOMPARE(shown, m.punkte.text());
    }
}

void TestDragging::sevenTileLimit_data()
{
    QTest::addColumn<int>("inPlay");
    QTest::addColumn<CellRef>("source");
    QTest::addColumn<CellRef>("target");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("moved");

    const CellRef square = CellRef::board(200);
    const CellRef slot = CellRef::rack(6);
    QTest::newRow("rack to board at 6") << 6 << kRackTile << square << Mode::Playing << true;
    QTest::newRow("rack to board at 7") << 7 << kRackTile << square << Mode::Playing << true;
    QTest::newRow("rack to board at 8") << 8 << kRackTile << square << Mode::Playing << false;
    QTest::newRow("bag to rack at 6") << 6 << kBagTile << slot << Mode::Drawing << true;
    QTest::newRow("bag to rack at 7") << 7 << kBagTile << slot << Mode::Drawing << false;
    QTest::newRow("bag to rack at 8") << 8 << kBagTile << slot << Mode::Drawing << false;
    QTest::newRow("situation: bag to board at 8")
        << 8 << kBagTile << square << Mode::Situation << true;
    QTest::newRow("unfixed situation: bag to board at 7")
        << 7 << kBagTile << square << Mode::UnfixedSituation << true;
    QTest::newRow("unfixed situation: bag to board at 8")
        << 8 << kBagTile << square << Mode::UnfixedSituation << false;
}

// More than seven tiles in play close the board, seven close the bag; refusals are silent.
void TestDragging::sevenTileLimit()
{
    QFETCH(int, inPlay);
    QFETCH(CellRef, source);
    QFETCH(CellRef, target);
    QFETCH(Mode, mode);
    QFETCH(bool, moved);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    for (int slot = 0; slot < 5; ++slot)
        fixture::putOnRack(m, slot, u'E');
    for (int square = 1; square <= inPlay - 5; ++square)
        fixture::lay(m, square, u'N');
    setMode(m, mode);

    press(m, source);
    drop(m, fake.platform(), target, source);

    QCOMPARE(cellAt(m, target).showsPicture(), moved);
    QCOMPARE(cellAt(m, source).showsPicture(), !moved);
    QCOMPARE(fake.beeps(), moved && target.area == CellRef::Area::Board ? 1 : 0);
}

void TestDragging::takenUpTileThatStaysIsBookedBack_data()
{
    QTest::addColumn<bool>("releasedOutside");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("inPlay");
    QTest::newRow("released on its square") << false << Mode::Playing << 7;
    QTest::newRow("released on its square, bag shown") << false << Mode::Drawing << 7;
    QTest::newRow("released on its square, eight in play") << false << Mode::Playing << 8;
    QTest::newRow("released outside every cell") << true << Mode::Playing << 7;
    QTest::newRow("released outside, bag shown") << true << Mode::Drawing << 7;
}

// A press takes the tile up and rescores without it; when the tile stays on its square it is
// booked again and scored with the rest, silently.
void TestDragging::takenUpTileThatStaysIsBookedBack()
{
    QFETCH(bool, releasedOutside);
    QFETCH(Mode, mode);
    QFETCH(int, inPlay);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::fix(m, 113, u'H');
    fixture::lay(m, 114, u'B');
    fixture::lay(m, 115, u'A');
    for (int slot = 0; slot < inPlay - 2; ++slot)
        fixture::putOnRack(m, slot, u'E');
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"6"_s);
    setMode(m, mode);
    const QStringList booked = m.gelegt.lines();

    press(m, CellRef::board(114));
    QCOMPARE(m.dragSourceSquare, 114);
    QCOMPARE(m.gelegt.count(), 1);
    if (releasedOutside)
        dragEndedOutside(m, CellRef::board(114));
    else
        a_DragDrop(m, fake.platform(), 114, CellRef::board(114));

    QCOMPARE(fake.beeps(), 0);
    QCOMPARE(m.gelegt.lines(), booked);
    QCOMPARE(m.a[114].state, u"114 B03 M 1 1 006"_s);
    QCOMPARE(m.dragSourceSquare, 0);
    QCOMPARE(m.punkte.text(), u"6"_s);
}

void TestDragging::blankAsksForItsLetterUntilValid()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    const int blank = fixture::putOnRack(m, 0, u'e');
    fake.typeInBlankDialog(u"xy"_s);
    fake.typeInBlankDialog(std::nullopt);
    fake.typeInBlankDialog(u"E"_s);

    press(m, CellRef::rack(0));
    a_DragDrop(m, fake.platform(), 113, CellRef::rack(0));

    QCOMPARE(fake.blankDialogShown(), 3);
    const QString laid = u"113 e00 M 1 2 "_s + state::threeDigits(blank);
    QCOMPARE(m.a[113].state, laid);
    QCOMPARE(m.a[113].picture, Picture::blankLetter(5));
    QCOMPARE(m.gelegt.lines(), QStringList{u'+' + laid});
    QCOMPARE(m.bb[0].state, state::kEmptyCell.toString());
    QCOMPARE(fake.beeps(), 1);
}

// Back in the bag a blank keeps its letter, and laid again it is not asked for.
void TestDragging::blankKeepsItsLetterInTheBag()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    const int blank = fixture::lay(m, 113, u'e');

    press(m, CellRef::board(113));
    s_DragDrop(m, fake.platform(), CellRef::board(113));

    QCOMPARE(m.s[blank].state, u"___ e00 M _ _ "_s + state::threeDigits(blank));
    QCOMPARE(m.s[blank].picture, Picture::blankLetter(5));
    QCOMPARE(m.a[113].state, u"113 ___ M 1 2 ___"_s);
    QVERIFY(m.gelegt.isEmpty());

    Command5_Click(m);
    press(m, CellRef::bag(blank));
    a_DragDrop(m, fake.platform(), 120, CellRef::bag(blank));
    QCOMPARE(fake.blankDialogShown(), 0);
    QCOMPARE(m.a[120].state, u"120 e00 M 1 3 "_s + state::threeDigits(blank));
    QCOMPARE(m.a[120].picture, Picture::blankLetter(5));
}

void TestDragging::blankLosesItsLetterOnTheRack()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    const int blank = fixture::lay(m, 113, u'e');

    press(m, CellRef::board(113));
    bb_DragDrop(m, fake.platform(), 3, CellRef::board(113));

    QCOMPARE(m.bb[3].state, u"___ _00 M _ _ "_s + state::threeDigits(blank));
    QCOMPARE(m.bb[3].picture, Picture::tile(blank));
    QCOMPARE(m.a[113].state, u"113 ___ M 1 2 ___"_s);
    QVERIFY(m.gelegt.isEmpty());
}

void TestDragging::pointerShowsMovableTiles_data()
{
    QTest::addColumn<CellRef>("cell");
    QTest::addColumn<bool>("movable");
    QTest::newRow("laid tile") << CellRef::board(113) << true;
    QTest::newRow("fixed tile") << CellRef::board(114) << false;
    QTest::newRow("empty square") << CellRef::board(115) << false;
    QTest::newRow("rack tile") << CellRef::rack(0) << true;
    QTest::newRow("empty slot") << CellRef::rack(1) << false;
    QTest::newRow("bag tile") << CellRef::bag(102) << true;
}

// Text2 shows the state string of the cell under the mouse.
void TestDragging::pointerShowsMovableTiles()
{
    QFETCH(CellRef, cell);
    QFETCH(bool, movable);
    Murmex m;
    fixture::startEmptyGame(m);
    fixture::lay(m, 113, u'A');
    fixture::fix(m, 114, u'B');
    fixture::putOnRack(m, 0, u'C');
    bool shown = false;
    switch (cell.area) {
    case CellRef::Area::Board:
        shown = a_MouseMove(m, cell.index);
        break;
    case CellRef::Area::Rack:
        shown = bb_MouseMove(m, cell.index);
        break;
    case CellRef::Area::Bag:
        shown = s_MouseMove(m, cell.index);
        break;
    }
    QCOMPARE(shown, movable);
    QCOMPARE(m.Text2.text(), cellAt(m, cell).state);
}

QTEST_GUILESS_MAIN(TestDragging)
#include "tst_dragging.moc"
