#include "model/emptygame.h"
#include "model/murmex.h"
#include "model/originalwerte.h"
#include "model/windowtitle.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEmptyGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardStateStrings_data();
    void boardStateStrings();
    void everyTileBackInItsBagCell();
    void clearsListsAndTitleButKeepsMode();
    void usedPremiumsComeBack();
};

namespace {

void prepare(Murmex& m)
{
    m.letterFactor.fill(1);
    m.wordFactor.fill(1);
    originalwerte(m);
}

} // namespace

void TestEmptyGame::boardStateStrings_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QString>("expected");
    QTest::newRow("triple-word corner") << 1 << u"001 ___ M 1 3 ___"_s;
    QTest::newRow("centre") << 113 << u"113 ___ M 1 2 ___"_s;
    QTest::newRow("triple letter") << 21 << u"021 ___ M 3 1 ___"_s;
    QTest::newRow("plain") << 2 << u"002 ___ M 1 1 ___"_s;
}

void TestEmptyGame::boardStateStrings()
{
    QFETCH(int, square);
    QFETCH(QString, expected);
    Murmex m;
    prepare(m);
    m.a[square] = {u"whatever"_s, Picture::tile(5)};
    emptyGameReset(m);
    QCOMPARE(m.a[square].state, expected);
    QVERIFY(!m.a[square].showsPicture());
}

// A blank that stood on the board as "e00" is back as "_00" with its plain picture.
void TestEmptyGame::everyTileBackInItsBagCell()
{
    Murmex m;
    prepare(m);
    m.a[113] = {u"113 e00 M 1 2 101"_s, Picture::blankLetter(5)};
    m.s[101] = {u"___ ___ M _ _ ___"_s, Picture()};
    m.bb[0] = {u"___ A01 M _ _ 005"_s, Picture::tile(5)};
    emptyGameReset(m);
    for (int n = 1; n <= 102; ++n) {
        QCOMPARE(m.s[n].state, m.o[n].state);
        QCOMPARE(m.s[n].picture, Picture::tile(n));
    }
    QCOMPARE(m.s[101].state, u"___ _00 M _ _ 101"_s);
    for (const Cell& slot : m.bb)
        QCOMPARE(slot.state, u"___ ___ M _ _ ___"_s);
}

void TestEmptyGame::clearsListsAndTitleButKeepsMode()
{
    Murmex m;
    prepare(m);
    m.punkte.setText(u"23"_s);
    m.gelegt.addItem(u"+113 A01 M 1 2 005"_s);
    m.protokoll[3].addItem(u"+113 A01 M 1 2 005"_s);
    m.Ergebnisliste.addItem(u" 23 HAUS H8 - H11"_s);
    m.ergebnis_sortiert.addItem(u" 23 HAUS H8 - H11"_s);
    m.Top_5.setText(u"100"_s);
    m.title = title::withGame(m.title, u"abc"_s);
    m.boardSaved = false;
    m.bagHidden = false;
    m.spielsituationShown = true;

    emptyGameReset(m);

    QCOMPARE(m.punkte.text(), u"0"_s);
    QVERIFY(m.gelegt.isEmpty());
    QVERIFY(m.protokoll[3].isEmpty());
    QVERIFY(m.Ergebnisliste.isEmpty());
    QVERIFY(m.ergebnis_sortiert.isEmpty());
    QVERIFY(m.Top_5.text().isEmpty());
    QCOMPARE(m.title, title::base());
    QCOMPARE(m.title.size(), 41);
    QVERIFY(!m.boardSaved);
    QVERIFY(!m.bagHidden);
    QVERIFY(m.spielsituationShown);
}

// A fixed tile's square carries "1 1"; the next game has the premium again.
void TestEmptyGame::usedPremiumsComeBack()
{
    Murmex m;
    prepare(m);
    m.a[1] = {u"001 A01 F 1 1 005"_s, Picture::tile(5)};
    emptyGameReset(m);
    QCOMPARE(m.a[1].state, u"001 ___ M 1 3 ___"_s);
}

QTEST_GUILESS_MAIN(TestEmptyGame)
#include "tst_emptygame.moc"
