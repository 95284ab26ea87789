#include "lists/candidatelist.h"
#include "lists/clipboardexport.h"
#include "model/murmex.h"
#include "scoring/resultline.h"
#include "scoring/resultlists.h"
#include "support/fakeplatform.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClipboardExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lists_data();
    void lists();
    void oneLine_data();
    void oneLine();
};

namespace {

using Export = void (*)(const Murmex&, Clipboard&);

Export command(const QString& name)
{
    if (name == u"top 5")
        return mnu_top5_Click;
    if (name == u"top 10")
        return mnu_top10_Click;
    if (name == u"top 20")
        return mnu_top20_Click;
    return mnu_alle_Click;
}

// Results scored n, n-1, ..., 1, shown best first with their separators.
void fill(Murmex& m, int results, bool maximumTen = false)
{
    if (maximumTen)
        m.Option1.select(0);
    for (int score = 1; score <= results; ++score)
        m.Ergebnisliste.addItem(
            resultline::scoreField(QString::number(score)) + u"WORT H8 - H11"_s);
    liste_aktualisieren(m);
}

// Each listed line of ergebnis_sortiert followed by a lone carriage return, after one.
QString expected(const Murmex& m, int lines)
{
    QString text = u"\r"_s;
    for (int i = 0; i < lines; ++i)
        text += m.ergebnis_sortiert.line(i) + u'\r';
    return text;
}

} // namespace

void TestClipboardExport::lists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("results");
    QTest::addColumn<bool>("maximumTen");
    QTest::addColumn<int>("lines");
    // lines: how many lines of the list the text holds, -1 for the lone carriage return.
    QTest::newRow("top 5 of four") << u"top 5"_s << 4 << false << -1;
    QTest::newRow("top 5 of five: no separator") << u"top 5"_s << 5 << false << 5;
    QTest::newRow("top 10 of a long list: with the separator") << u"top 10"_s << 30 << false << 11;
    QTest::newRow("top 10 of exactly ten lines ends with two returns")
        << u"top 10"_s << 9 << false << 11;
    QTest::newRow("top 10 of nine lines") << u"top 10"_s << 8 << false << -1;
    QTest::newRow("top 20 of a long list") << u"top 20"_s << 30 << false << 22;
    QTest::newRow("top 20 of exactly 21 lines") << u"top 20"_s << 19 << false << 22;
    QTest::newRow("top 20 never with at most 10 words") << u"top 20"_s << 30 << true << -1;
    QTest::newRow("all of an empty list") << u"all"_s << 0 << false << 0;
    QTest::newRow("all lines with the separators") << u"all"_s << 12 << false << 14;
}

void TestClipboardExport::lists()
{
    QFETCH(QString, name);
    QFETCH(int, results);
    QFETCH(bool, maximumTen);
    QFETCH(int, lines);
    Murmex m;
    FakePlatform fake;
    fill(m, results, maximumTen);
    fake.setClipboardText(u"earlier"_s);

    command(name)(m, fake.platform().clipboard);

    const QString text = fake.clipboardText();
    QCOMPARE(text, lines < 0 ? u"\r"_s : expected(m, lines));
    QVERIFY(!text.contains(u'\n'));
    QCOMPARE(fake.clipboardWrites(), 1);
    if (lines == 11)
        QCOMPARE(text.split(u'\r').at(6), resultline::kSeparator);
}

void TestClipboardExport::oneLine_data()
{
    QTest::addColumn<int>("results");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("the line alone, without returns") << 3 << 0 << u"  3 WORT H8 - H11"_s;
    QTest::newRow("a separator") << 6 << 5 << u"    ---------------"_s;
    QTest::newRow("no line selected") << 3 << -1 << u"earlier"_s;
    QTest::newRow("selection past the end") << 3 << 3 << u"earlier"_s;
    QTest::newRow("empty list") << 0 << 0 << u"earlier"_s;
}

void TestClipboardExport::oneLine()
{
    QFETCH(int, results);
    QFETCH(int, selected);
    QFETCH(QString, clipboard);
    Murmex m;
    FakePlatform fake;
    fill(m, results);
    fake.setClipboardText(u"earlier"_s);
    ergebnis_sortiert_MouseDown(m, selected, MouseButton::Left);
    mnu_wort_Click(m, fake.platform().clipboard);
    QCOMPARE(fake.clipboardText(), clipboard);
}

QTEST_GUILESS_MAIN(TestClipboardExport)
#include "tst_clipboardexport.moc"
