#include "model/murmex.h"
#include "scoring/resultline.h"
#include "scoring/resultlists.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestResultLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scoreFields_data();
    void scoreFields();
    void separatorsAndTops_data();
    void separatorsAndTops();
    void bestFirst();
    void clearingTheTurnsResults();
};

void TestResultLists::scoreFields_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("field");
    QTest::newRow("one digit") << u"7"_s << u"  7 "_s;
    QTest::newRow("two digits") << u"23"_s << u" 23 "_s;
    QTest::newRow("three digits") << u"123"_s << u"123 "_s;
    QTest::newRow("four digits grow the field") << u"1024"_s << u"1024 "_s;
}

void TestResultLists::scoreFields()
{
    QFETCH(QString, points);
    QFETCH(QString, field);
    QCOMPARE(resultline::scoreField(points), field);
    QCOMPARE(resultline::scoreOf(field + u"HAUS H8 - H11"_s), points.toInt());
}

void TestResultLists::separatorsAndTops_data()
{
    QTest::addColumn<int>("results");
    QTest::addColumn<bool>("maximumTen");
    QTest::addColumn<QList<int>>("separators");
    QTest::addColumn<QString>("top5");
    QTest::addColumn<QString>("top10");
    QTest::addColumn<QString>("top20");
    // Scores 1..n: the best five of 25 are 25 + 24 + 23 + 22 + 21.
    QTest::newRow("4") << 4 << false << QList<int>{} << u""_s << u""_s << u""_s;
    QTest::newRow("5") << 5 << false << QList<int>{5} << u"15"_s << u""_s << u""_s;
    QTest::newRow("9") << 9 << false << QList<int>{5} << u"35"_s << u""_s << u""_s;
    QTest::newRow("10") << 10 << false << QList<int>{5, 11} << u"40"_s << u"55"_s << u""_s;
    QTest::newRow("20") << 20 << false << QList<int>{5, 11, 22} << u"90"_s << u"155"_s << u"210"_s;
    QTest::newRow("25") << 25 << false << QList<int>{5, 11, 22} << u"115"_s << u"205"_s << u"310"_s;
    QTest::newRow("25, at most 10")
        << 25 << true << QList<int>{5, 11} << u"115"_s << u"205"_s << u""_s;
}

void TestResultLists::separatorsAndTops()
{
    QFETCH(int, results);
    QFETCH(bool, maximumTen);
    QFETCH(QList<int>, separators);
    QFETCH(QString, top5);
    QFETCH(QString, top10);
    QFETCH(QString, top20);
    Murmex m;
    if (maximumTen)
        m.Option1.select(0);
    for (int score = 1; score <= results; ++score)
        m.Ergebnisliste.addItem(
            resultline::scoreField(QString::number(score)) + u"WORT H8 - H11"_s);

    liste_aktualisieren(m);

    QList<int> found;
    for (int i = 0; i < m.ergebnis_sortiert.count(); ++i)
        if (m.ergebnis_sortiert.line(i) == resultline::kSeparator)
            found.append(i);
    QCOMPARE(found, separators);
    QCOMPARE(m.ergebnis_sortiert.count(),
        (maximumTen ? std::min(results, 10) : results) + int(separators.size()));
    QCOMPARE(m.Top_5.text(), top5);
    QCOMPARE(m.Top_10.text(), top10);
    QCOMPARE(m.Top_20.text(), top20);
    QCOMPARE(m.Ergebnisliste.count(), results);
}

// Highest score first; equal scores in descending text order of the words.
void TestResultLists::bestFirst()
{
    Murmex m;
    for (const QString& line : {u"  7 AB H8 - H9"_s, u"123 QUIZ H8 - H11"_s, u" 23 BAUM H8 - H11"_s,
             u" 23 HAUS H8 - H11"_s})
        m.Ergebnisliste.addItem(line);
    liste_aktualisieren(m);
    QCOMPARE(m.ergebnis_sortiert.lines(),
        (QStringList{u"123 QUIZ H8 - H11"_s, u" 23 HAUS H8 - H11"_s, u" 23 BAUM H8 - H11"_s,
            u"  7 AB H8 - H9"_s}));
}

void TestResultLists::clearingTheTurnsResults()
{
    Murmex m;
    m.punkte.setText(u"10"_s);
    m.gelegt.addItem(u"+113 H02 M 1 2 034"_s);
    m.protokoll[7].addItem(u"+113 H02 M 1 2 034"_s);
    for (int score = 1; score <= 5; ++score)
        m.Ergebnisliste.addItem(
            resultline::scoreField(QString::number(score)) + u"WORT H8 - H11"_s);
    liste_aktualisieren(m);
    listen_löschen(m);
    QCOMPARE(m.punkte.text(), u"0"_s);
    QVERIFY(m.gelegt.isEmpty());
    QVERIFY(m.protokoll[7].isEmpty());
    QVERIFY(m.Ergebnisliste.isEmpty());
    QVERIFY(m.ergebnis_sortiert.isEmpty());
    QVERIFY(m.Top_5.text().isEmpty());
}

QTEST_GUILESS_MAIN(TestResultLists)
#include "tst_resultlists.moc"
