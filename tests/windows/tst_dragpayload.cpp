#include "windows/dragpayload.h"

#include <QMimeData>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestDragPayload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void refusesWhatIsNoCell_data();
    void refusesWhatIsNoCell();
};

void TestDragPayload::roundTrip_data()
{
    QTest::addColumn<CellRef>("cell");
    QTest::newRow("first square") << CellRef::board(1);
    QTest::newRow("last square") << CellRef::board(225);
    QTest::newRow("first slot") << CellRef::rack(0);
    QTest::newRow("last slot") << CellRef::rack(7);
    QTest::newRow("first bag cell") << CellRef::bag(1);
    QTest::newRow("last bag cell") << CellRef::bag(102);
}

void TestDragPayload::roundTrip()
{
    QFETCH(CellRef, cell);
    const std::unique_ptr<QMimeData> data(dragpayload::encode(cell));
    QCOMPARE(dragpayload::decode(data.get()), std::optional(cell));
}

void TestDragPayload::refusesWhatIsNoCell_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    const QString ours = dragpayload::kMimeType;
    QTest::newRow("plain text") << u"text/plain"_s << QByteArray("a 113");
    QTest::newRow("square 0") << ours << QByteArray("a 0");
    QTest::newRow("square 226") << ours << QByteArray("a 226");
    QTest::newRow("slot 8") << ours << QByteArray("bb 8");
    QTest::newRow("bag cell 0") << ours << QByteArray("s 0");
    QTest::newRow("original cell") << ours << QByteArray("o 5");
    QTest::newRow("no index") << ours << QByteArray("a");
    QTest::newRow("two indices") << ours << QByteArray("a 1 2");
    QTest::newRow("not a number") << ours << QByteArray("bb x");
    QTest::newRow("empty") << ours << QByteArray();
}

void TestDragPayload::refusesWhatIsNoCell()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    QMimeData data;
    data.setData(format, payload);
    QCOMPARE(dragpayload::decode(&data), std::nullopt);
}

QTEST_GUILESS_MAIN(TestDragPayload)
#include "tst_dragpayload.moc"
