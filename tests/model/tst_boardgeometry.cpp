#include "model/boardgeometry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestBoardGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void squareNames_data();
    void squareNames();
    void walkLimits_data();
    void walkLimits();
};

void TestBoardGeometry::squareNames_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::newRow("top left") << 1 << 1 << 1 << u"A1"_s;
    QTest::newRow("end of row A") << 15 << 1 << 15 << u"A15"_s;
    QTest::newRow("start of row B") << 16 << 2 << 1 << u"B1"_s;
    QTest::newRow("centre") << 113 << 8 << 8 << u"H8"_s;
    QTest::newRow("bottom left") << 211 << 15 << 1 << u"O1"_s;
    QTest::newRow("bottom right") << 225 << 15 << 15 << u"O15"_s;
}

// A square's name is its row letter and its column without leading zero, and the number
// comes back from row and column.
void TestBoardGeometry::squareNames()
{
    QFETCH(int, square);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, name);
    QCOMPARE(board::rowOf(square), row);
    QCOMPARE(board::columnOf(square), column);
    QCOMPARE(board::squareName(square), name);
    QCOMPARE(board::squareAt(row, column), square);
}

void TestBoardGeometry::walkLimits_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("rowStart");
    QTest::addColumn<int>("rowEnd");
    QTest::addColumn<int>("columnTop");
    QTest::addColumn<int>("columnBottom");
    QTest::newRow("A15, a multiple of 15") << 15 << 1 << 15 << 15 << 225;
    QTest::newRow("B1") << 16 << 16 << 30 << 1 << 211;
    QTest::newRow("H8") << 113 << 106 << 120 << 8 << 218;
    QTest::newRow("O15") << 225 << 211 << 225 << 15 << 225;
}

// A walk along a row or column never wraps into the next one.
void TestBoardGeometry::walkLimits()
{
    QFETCH(int, square);
    QFETCH(int, rowStart);
    QFETCH(int, rowEnd);
    QFETCH(int, columnTop);
    QFETCH(int, columnBottom);
    QCOMPARE(board::rowStart(square), rowStart);
    QCOMPARE(board::rowEnd(square), rowEnd);
    QCOMPARE(board::columnTop(square), columnTop);
    QCOMPARE(board::columnBottom(square), columnBottom);
}

QTEST_GUILESS_MAIN(TestBoardGeometry)
#include "tst_boardgeometry.moc"
