#include "platform/listbox.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestListBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedOrder_data();
    void sortedOrder();
    void placedTilesSortBySignThenSquare();
    void unsortedKeepsOrder();
    void indexRules();
};

void TestListBox::sortedOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plus before minus")
        << QStringList{u"-b"_s, u"+z"_s} << QStringList{u"+z"_s, u"-b"_s};
    QTest::newRow("blank before digits") << QStringList{u"123 "_s, u"  7 "_s, u" 23 "_s}
                                         << QStringList{u"  7 "_s, u" 23 "_s, u"123 "_s};
    QTest::newRow("capitals alphabetical") << QStringList{u"HAUS"_s, u"BAUM"_s, u"AXT"_s}
                                           << QStringList{u"AXT"_s, u"BAUM"_s, u"HAUS"_s};
    QTest::newRow("equal lines both kept")
        << QStringList{u"A"_s, u"A"_s} << QStringList{u"A"_s, u"A"_s};
}

void TestListBox::sortedOrder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    ListBox list(ListBox::Order::Sorted);
    for (const QString& line : added)
        list.addItem(line);
    QCOMPARE(list.lines(), expected);
}

// Tiles laid on 115, 113 and 114 come out in square order, the taken-up one last.
void TestListBox::placedTilesSortBySignThenSquare()
{
    ListBox gelegt(ListBox::Order::Sorted);
    gelegt.addItem(u"+115 S01 M 1 1 074"_s);
    gelegt.addItem(u"-113 H02 M 1 2 034"_s);
    gelegt.addItem(u"+113 H02 M 1 2 034"_s);
    gelegt.addItem(u"+114 A01 M 1 1 001"_s);
    QCOMPARE(gelegt.lines(),
        (QStringList{u"+113 H02 M 1 2 034"_s, u"+114 A01 M 1 1 001"_s, u"+115 S01 M 1 1 074"_s,
            u"-113 H02 M 1 2 034"_s}));
}

void TestListBox::unsortedKeepsOrder()
{
    ListBox list;
    list.addItem(u"b"_s);
    list.addItem(u"a"_s);
    QCOMPARE(list.lines(), (QStringList{u"b"_s, u"a"_s}));
}

// Lines are indexed from 0, removing moves later lines up, inserting moves them down, and
// reading past the end gives an empty line; indexes that are no line change nothing.
void TestListBox::indexRules()
{
    ListBox list;
    for (const QString& line : {u"a"_s, u"b"_s, u"c"_s})
        list.addItem(line);
    list.insertItem(1, u"x"_s);
    QCOMPARE(list.lines(), (QStringList{u"a"_s, u"x"_s, u"b"_s, u"c"_s}));
    list.insertItem(4, u"end"_s);
    QCOMPARE(list.line(4), u"end"_s);
    list.removeItem(0);
    QCOMPARE(list.line(0), u"x"_s);
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.line(4), QString());
    QCOMPARE(list.line(-1), QString());
    list.removeItem(4);
    list.removeItem(-1);
    list.setLine(7, u"nowhere"_s);
    QCOMPARE(list.count(), 4);
    list.setLine(1, u"B"_s);
    QCOMPARE(list.line(1), u"B"_s);
    list.clear();
    QVERIFY(list.isEmpty());
}

QTEST_GUILESS_MAIN(TestListBox)
#include "tst_listbox.moc"
