#include "lists/candidatelist.h"
#include "model/murmex.h"
#include "scoring/rechnen.h"
#include "scoring/resultline.h"
#include "scoring/resultlists.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCandidateList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesTheMove_data();
    void takesTheMove();
    void sameMoveListedOnce();
    void nothingForAMoveWorthNothing();
    void blankSpelledThroughTheDialog_data();
    void blankSpelledThroughTheDialog();
    void deleting_data();
    void deleting();
    void deletingWithoutSelection();
    void deletingAll();
    void pressOpensTheMenus();
};

namespace {

void fill(Murmex& m, const QStringList& lines)
{
    for (const QString& line : lines)
        m.Ergebnisliste.addItem(line);
    liste_aktualisieren(m);
}

} // namespace

void TestCandidateList::takesTheMove_data()
{
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("laid");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("line");
    QTest::newRow("across, 9 points")
        << u"113E"_s << u"114A 115U"_s << u"9"_s << u"  9 EAU H8 - H10"_s;
    QTest::newRow("down, 24 points")
        << u"113H"_s << u"128A 143U 158S"_s << u"24"_s << u" 24 HAUS H8 - K8"_s;
    QTest::newRow("124 points") << u"113E"_s << u"114A"_s << u"124"_s << u"124 EA H8 - H9"_s;
    QTest::newRow("1024 points widen the field")
        << u"113E"_s << u"114A"_s << u"1024"_s << u"1024 EA H8 - H9"_s;
    QTest::newRow("single tile extends a word across")
        << u"113H 114A 115U"_s << u"116S"_s << u"5"_s << u"  5 HAUS H8 - H11"_s;
    QTest::newRow("single tile extends a word down")
        << u"113H 128A 143U"_s << u"158S"_s << u"5"_s << u"  5 HAUS H8 - K8"_s;
    QTest::newRow("single tile alone: both names the same")
        << u""_s << u"113A"_s << u"5"_s << u"  5 A H8 - H8"_s;
    QTest::newRow("corner squares")
        << u"211X"_s << u"212A 213B"_s << u"12"_s << u" 12 XAB O1 - O3"_s;
    QTest::newRow("end of row A") << u"14X"_s << u"15A"_s << u"12"_s << u" 12 XA A14 - A15"_s;
}

// Scored by the real scoring; the points shown are then set to the case's figure.
void TestCandidateList::takesTheMove()
{
    QFETCH(QString, fixed);
    QFETCH(QString, laid);
    QFETCH(QString, points);
    QFETCH(QString, line);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::place(m, fixed, fixture::fix);
    fixture::place(m, laid, fixture::lay);
    rechnen(m);
    m.punkte.setText(points);

    Command6_Click(m, fake.platform());

    QCOMPARE(m.Ergebnisliste.lines(), QStringList{line});
    QCOMPARE(m.ergebnis_sortiert.lines(), QStringList{line});
    QCOMPARE(m.gelegt.count(), laid.count(u' ') + 1);
}

void TestCandidateList::sameMoveListedOnce()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::place(m, u"113E"_s, fixture::fix);
    fixture::place(m, u"114A"_s, fixture::lay);
    rechnen(m);
    Command6_Click(m, fake.platform());
    m.ergebnis_sortiert.clear();
    Command6_Click(m, fake.platform());
    QCOMPARE(m.Ergebnisliste.lines(), QStringList{u"  2 EA H8 - H9"_s});
    QCOMPARE(m.ergebnis_sortiert.count(), 1);
}

void TestCandidateList::nothingForAMoveWorthNothing()
{
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::place(m, u"110A 111B"_s, fixture::lay);
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"0"_s);
    m.ergebnis_sortiert.addItem(u"untouched"_s);
    Command6_Click(m, fake.platform());
    QVERIFY(m.Ergebnisliste.isEmpty());
    QCOMPARE(m.ergebnis_sortiert.lines(), QStringList{u"untouched"_s});
}

void TestCandidateList::blankSpelledThroughTheDialog_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("line");
    QTest::newRow("letter e") << QStringList{u"e"_s} << u"  3 HeU H8 - H10"_s;
    QTest::newRow("capital taken in lower case") << QStringList{u"E"_s} << u"  3 HeU H8 - H10"_s;
    QTest::newRow("empty box keeps the blank") << QStringList{u""_s} << u"  3 H_U H8 - H10"_s;
    QTest::newRow("asked again after two letters, a digit")
        << QStringList{u"ab"_s, u"5"_s, u"ö"_s} << u"  3 HöU H8 - H10"_s;
}

// The open blank on square 114 is asked for while the word is spelled.
void TestCandidateList::blankSpelledThroughTheDialog()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, line);
    Murmex m;
    FakePlatform fake;
    fixture::startEmptyGame(m);
    fixture::place(m, u"113H"_s, fixture::fix);
    fixture::place(m, u"114_ 115U"_s, fixture::lay);
    rechnen(m);
    QCOMPARE(m.punkte.text(), u"3"_s);
    for (const QString& text : typed)
        fake.typeInBlankDialog(text);
    Command6_Click(m, fake.platform());
    QCOMPARE(m.Ergebnisliste.lines(), QStringList{line});
    QCOMPARE(fake.blankDialogShown(), typed.size());
}

void TestCandidateList::deleting_data()
{
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QString>("top5");
    const QStringList six{u" 10 A H8 - H9"_s, u" 20 B H8 - H9"_s, u" 30 C H8 - H9"_s,
        u" 40 D H8 - H9"_s, u" 50 E H8 - H9"_s, u" 60 F H8 - H9"_s};
    QStringList withoutFifty = six;
    withoutFifty.removeAt(4);
    QTest::newRow("yes removes the line") << six << 1 << true << withoutFifty << u"160"_s;
    QTest::newRow("no keeps it, the Top sums come back") << six << 1 << false << six << u"200"_s;
    QTest::newRow("a separator removes nothing") << six << 5 << true << six << u"200"_s;
    QTest::newRow("the last line")
        << QStringList{u" 10 A H8 - H9"_s} << 0 << true << QStringList{} << u""_s;
}

void TestCandidateList::deleting()
{
    QFETCH(QStringList, results);
    QFETCH(int, selected);
    QFETCH(bool, yes);
    QFETCH(QStringList, remaining);
    QFETCH(QString, top5);
    Murmex m;
    FakePlatform fake;
    fill(m, results);
    const QString line = m.ergebnis_sortiert.line(selected);
    ergebnis_sortiert_MouseDown(m, selected, MouseButton::Left);
    fake.answerNext(yes);

    mnu_loeschen_Click(m, fake.platform());

    QCOMPARE(fake.questions().size(), 1);
    QCOMPARE(fake.questions().front().title, u"A c h t u n g !!!"_s);
    QCOMPARE(fake.questions().front().text, u"Soll \""_s + line + u"\" gelöscht werden?"_s);
    QCOMPARE(fake.questions().front().icon, MessageBoxes::Icon::Critical);
    QCOMPARE(m.Ergebnisliste.lines(), remaining);
    QCOMPARE(m.ergebnis_sortiert.count(), remaining.size() + (remaining.size() >= 5 ? 1 : 0));
    QCOMPARE(m.Top_5.text(), top5);
}

// No line selected, or a selection past the end: nothing is asked and nothing goes.
void TestCandidateList::deletingWithoutSelection()
{
    Murmex m;
    FakePlatform fake;
    fill(m, {u" 10 A H8 - H9"_s});
    for (int selected : {-1, 1}) {
        ergebnis_sortiert_MouseDown(m, selected, MouseButton::Left);
        mnu_loeschen_Click(m, fake.platform());
    }
    QVERIFY(fake.questions().isEmpty());
    QCOMPARE(m.Ergebnisliste.count(), 1);
}

void TestCandidateList::deletingAll()
{
    Murmex m;
    fill(m,
        {u" 10 A H8 - H9"_s, u" 20 B H8 - H9"_s, u" 30 C H8 - H9"_s, u" 40 D H8 - H9"_s,
            u" 50 E H8 - H9"_s});
    m.punkte.setText(u"7"_s);
    QCOMPARE(m.Top_5.text(), u"150"_s);
    mnu_alles_öschen_Click(m);
    QVERIFY(m.Ergebnisliste.isEmpty());
    QVERIFY(m.ergebnis_sortiert.isEmpty());
    QVERIFY(m.Top_5.text().isEmpty());
    QCOMPARE(m.punkte.text(), u"7"_s);
}

void TestCandidateList::pressOpensTheMenus()
{
    Murmex m;
    QCOMPARE(ergebnis_sortiert_MouseDown(m, 3, MouseButton::Left), ResultListMenu::Word);
    QCOMPARE(m.selectedEntry, 3);
    QCOMPARE(ergebnis_sortiert_MouseDown(m, -1, MouseButton::Right), ResultListMenu::List);
    QCOMPARE(m.selectedEntry, -1);
    QCOMPARE(ergebnis_sortiert_MouseDown(m, 2, MouseButton::Other), ResultListMenu::None);
    QCOMPARE(m.selectedEntry, 2);
}

QTEST_GUILESS_MAIN(TestCandidateList)
#include "tst_candidatelist.moc"
