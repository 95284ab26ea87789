#include "game/gamereader.h"
#include "game/gamewriter.h"
#include "game/startup.h"
#include "model/murmex.h"
#include "model/windowtitle.h"
#include "scoring/rechnen.h"
#include "scoring/resultlists.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestGameFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void writesTheExpectedBytes();
    void readsBackTheSameGame();
    void dropsShortResultLinesBeforeWriting();
    void resultScoresLoseLeadingZeros_data();
    void resultScoresLoseLeadingZeros();
    void readsTheOlderSevenSlotRack();
    void toleratesDamageAfterTheScore_data();
    void toleratesDamageAfterTheScore();
    void noScoreWhileLayingASituation();
    void refusedNamesStaySilent_data();
    void refusedNamesStaySilent();
    void damagedFileLeavesTheGameUntouched_data();
    void damagedFileLeavesTheGameUntouched();

private:
    QString fixturePath() const { return QFINDTESTDATA("../data/spiel.txt"); }
    QByteArray fixtureBytes() const;
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    void start(Murmex& m) const { Form_Load(m, m_program->path(), {}); }
    void load(Murmex& m, const QString& path, const QString& name = u"spiel"_s);

    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<FakePlatform> m_fake;
};

namespace {

// Fixed HAUS on H8..H11, and this turn T on G9 and a blank for ö on I9 through its A; a rack
// with Ä, Q, E and the other blank; six results, so a separator stands after the fifth.
void buildGame(Murmex& m)
{
    fixture::fix(m, 113, u'H');
    fixture::fix(m, 114, u'A');
    fixture::fix(m, 115, u'U');
    fixture::fix(m, 116, u'S');
    fixture::lay(m, 99, u'T');
    fixture::lay(m, 129, u'ö');
    fixture::putOnRack(m, 0, u'Ä');
    fixture::putOnRack(m, 1, u'Q');
    fixture::putOnRack(m, 2, u'E');
    fixture::putOnRack(m, 3, u'e');
    for (const QString& line :
        {u" 10 HAUS H8 - H11"_s, u"  3 TAö G9 - I9"_s, u" 23 QUARK A1 - A5"_s, u"  7 ÄS B2 - B3"_s,
            u"123 XYLOPHON C1 - C8"_s, u" 12 OBST D1 - D4"_s})
        m.Ergebnisliste.addItem(line);
    liste_aktualisieren(m);
    rechnen(m);
}

// Everything a load may change, to see that a refused or damaged file changed none of it.
QStringList snapshot(const Murmex& m)
{
    QStringList all;
    const auto cells = [&all](const auto& array, int from) {
        for (auto cell = array.cbegin() + from; cell != array.cend(); ++cell)
            all << cell->state << QString::number(int(cell->picture.kind()))
                << QString::number(cell->picture.index());
    };
    cells(m.a, 1);
    cells(m.s, 1);
    cells(m.bb, 0);
    all << m.gelegt.lines() << u"|"_s << m.Ergebnisliste.lines() << u"|"_s
        << m.ergebnis_sortiert.lines() << m.punkte.text() << m.Top_5.text() << m.title;
    return all;
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last CR LF
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + '\n';
    return bytes;
}

} // namespace

void TestGameFile::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakePlatform>();
}

QByteArray TestGameFile::fixtureBytes() const
{
    QFile file(fixturePath());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the fixture game file is missing");
    return file.readAll();
}

QString TestGameFile::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_program->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}

void TestGameFile::load(Murmex& m, const QString& path, const QString& name)
{
    FilePanel& panel = m.laden_speichern[kLoadPanel];
    panel.Datei.setText(name);
    panel.file_komplett = path;
    panel.shown = true;
    laden_Click(m, m_fake->platform());
}

// 225 board lines, 102 bag lines, 8 rack lines, the score, " 2 " placed tiles, " 7 " lines
// of the shown list of which the separator is not written; Windows-1252, CR LF throughout.
void TestGameFile::writesTheExpectedBytes()
{
    Murmex m;
    start(m);
    buildGame(m);
    const QByteArray bytes = gameFile(m);
    QCOMPARE(bytes, fixtureBytes());
    const QList<QByteArray> lines = linesOf(bytes);
    QCOMPARE(lines.size(), 225 + 102 + 8 + 1 + 1 + 2 + 1 + 6);
    QVERIFY(
        std::all_of(lines.cbegin(), lines.cend(), [](const auto& l) { return l.endsWith('\r'); }));
    QCOMPARE(lines.at(336), QByteArray(" 2 \r"));
    QCOMPARE(lines.at(339), QByteArray(" 7 \r"));
    QCOMPARE(lines.last(), QByteArray("\"  3 TA\xF6 G9 - I9\"\r"));
}

void TestGameFile::readsBackTheSameGame()
{
    Murmex written;
    start(written);
    buildGame(written);

    Murmex m;
    start(m);
    load(m, fixturePath());
    QVERIFY(m_fake->messages().isEmpty());
    QCOMPARE(
        snapshot(m).mid(0, 3 * (225 + 102 + 8)), snapshot(written).mid(0, 3 * (225 + 102 + 8)));
    QCOMPARE(m.a[129].picture, Picture::blankLetter(tiles::blankLetterIndex(u'ö')));
    QCOMPARE(m.gelegt.lines(), written.gelegt.lines());
    QCOMPARE(m.Ergebnisliste.lines(), written.Ergebnisliste.lines());
    QCOMPARE(m.ergebnis_sortiert.lines(), written.ergebnis_sortiert.lines());
    QCOMPARE(m.ergebnis_sortiert.line(5), u"    ---------------"_s);
    QCOMPARE(m.Top_5.text(), written.Top_5.text());
    QCOMPARE(m.punkte.text(), u"3"_s);
    QCOMPARE(m.title, title::withGame(title::base(), u"spiel"_s));
    QVERIFY(!m.laden_speichern[kLoadPanel].shown);
}

// Both of two neighbouring short lines go, from the file and from the shown list.
void TestGameFile::dropsShortResultLinesBeforeWriting()
{
    Murmex m;
    start(m);
    m.ergebnis_sortiert.addItem(u" 10 HAUS H8 - H11"_s);
    m.ergebnis_sortiert.addItem(u"  3 AB"_s);
    m.ergebnis_sortiert.addItem(u"kurz"_s);
    m.ergebnis_sortiert.addItem(u"  7 ÄS B2 - B3"_s);
    const QList<QByteArray> lines = linesOf(gameFile(m));
    QCOMPARE(lines.mid(337),
        (QList<QByteArray>{" 2 \r", "\" 10 HAUS H8 - H11\"\r", "\"  7 \xC4S B2 - B3\"\r"}));
    QCOMPARE(
        m.ergebnis_sortiert.lines(), (QStringList{u" 10 HAUS H8 - H11"_s, u"  7 ÄS B2 - B3"_s}));
}

void TestGameFile::resultScoresLoseLeadingZeros_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("007") << QByteArray("\"007 HAUS H8 - H11\"") << u"  7 HAUS H8 - H11"_s;
    QTest::newRow("012") << QByteArray("\"012 HAUS H8 - H11\"") << u" 12 HAUS H8 - H11"_s;
    QTest::newRow("123 unchanged") << QByteArray("\"123 HAUS H8 - H11\"") << u"123 HAUS H8 - H11"_s;
}

void TestGameFile::resultScoresLoseLeadingZeros()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, loaded);
    Murmex empty;
    start(empty);
    Murmex m;
    start(m);
    load(m, writeFile(u"zahlen.txt"_s, gameFile(empty) + stored + "\r\n"));
    QCOMPARE(m.Ergebnisliste.lines(), QStringList{loaded});
}

// The eighth rack line is missing: the score follows the seventh, bb(7) stays empty.
void TestGameFile::readsTheOlderSevenSlotRack()
{
    Murmex written;
    start(written);
    buildGame(written);
    written.bb[7] = written.bb[0];
    written.bb[0] = {state::kEmptyCell.toString(), Picture()};
    QList<QByteArray> lines = linesOf(gameFile(written));
    lines.removeAt(334);

    Murmex m;
    start(m);
    load(m, writeFile(u"alt.txt"_s, joined(lines)));
    QVERIFY(m_fake->messages().isEmpty());
    for (int j = 0; j < 7; ++j)
        QCOMPARE(m.bb[j].state, written.bb[j].state);
    QCOMPARE(m.bb[7].state, u"___ ___ M _ _ ___"_s);
    QVERIFY(!m.bb[7].showsPicture());
    QCOMPARE(m.gelegt.lines(), written.gelegt.lines());
    QCOMPARE(m.Ergebnisliste.lines(), written.Ergebnisliste.lines());
}

void TestGameFile::toleratesDamageAfterTheScore_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("placed");
    QTest::addColumn<int>("results");
    QTest::newRow("no lists at all") << QByteArray() << 0 << 0;
    QTest::newRow("ends among the placed tiles")
        << QByteArray(" 2 \r\n+099 T01 M 2 1 081\r\n") << 1 << 0;
    QTest::newRow("count is no number")
        << QByteArray("zwei\r\n 1 \r\n\" 10 HAUS H8 - H11\"\r\n") << 0 << 1;
}

// After the score the reader takes what there is and still loads the game.
void TestGameFile::toleratesDamageAfterTheScore()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, placed);
    QFETCH(int, results);
    QList<QByteArray> lines = linesOf(fixtureBytes()).mid(0, 336);
    Murmex m;
    start(m);
    load(m, writeFile(u"rest.txt"_s, joined(lines) + tail));
    QVERIFY(m_fake->messages().isEmpty());
    QCOMPARE(m.gelegt.count(), placed);
    QCOMPARE(m.Ergebnisliste.count(), results);
    QVERIFY(m.a[113].showsPicture());
    QCOMPARE(m.title, title::withGame(title::base(), u"spiel"_s));
}

void TestGameFile::noScoreWhileLayingASituation()
{
    Murmex m;
    start(m);
    m.spielsituationShown = true;
    load(m, fixturePath());
    QCOMPARE(m.punkte.text(), u"0"_s);
    QVERIFY(m.a[99].showsPicture());
}

void TestGameFile::refusedNamesStaySilent_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty path") << QString();
    QTest::newRow("readme") << u"readme.txt"_s;
    QTest::newRow("options") << u"optionen.txt"_s;
}

// Even a good game under these names is not loaded, and nothing is said.
void TestGameFile::refusedNamesStaySilent()
{
    QFETCH(QString, name);
    Murmex m;
    start(m);
    const QString path = name.isEmpty() ? QString() : writeFile(name, fixtureBytes());
    const QStringList before = snapshot(m);
    load(m, path);
    QCOMPARE(snapshot(m), before);
    QVERIFY(m_fake->messages().isEmpty());
    QVERIFY(!m.laden_speichern[kLoadPanel].shown);
}

void TestGameFile::damagedFileLeavesTheGameUntouched_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing file") << u"missing"_s;
    QTest::newRow("ends in the bag") << u"short"_s;
    QTest::newRow("ends before the score") << u"noscore"_s;
    QTest::newRow("tile 000 on the board") << u"board"_s;
    QTest::newRow("tile 103 in the bag") << u"bag"_s;
    QTest::newRow("no number on the rack") << u"rack"_s;
}

void TestGameFile::damagedFileLeavesTheGameUntouched()
{
    QFETCH(QString, problem);
    QList<QByteArray> lines = linesOf(fixtureBytes());
    if (problem == u"short")
        lines = lines.mid(0, 300);
    else if (problem == u"noscore")
        lines = lines.mid(0, 335);
    else if (problem == u"board")
        lines[112] = "113 H02 F 1 1 000\r";
    else if (problem == u"bag")
        lines[225] = "___ A01 M _ _ 103\r";
    else if (problem == u"rack")
        lines[327] = "___ \xC4"
                     "06 M _ _ xyz\r";
    const QString path = problem == u"missing" ? m_program->filePath(u"fehlt.txt"_s)
                                               : writeFile(u"kaputt.txt"_s, joined(lines));

    Murmex m;
    start(m);
    buildGame(m);
    m.title = title::withGame(m.title, u"vorher"_s);
    const QStringList before = snapshot(m);
    load(m, path, u"kaputt"_s);
    QCOMPARE(snapshot(m), before);
    QCOMPARE(m_fake->messages().size(), 1);
    QCOMPARE(m_fake->messages().first().icon, MessageBoxes::Icon::Critical);
    QVERIFY(m_fake->messages().first().text.contains(path));
}

QTEST_GUILESS_MAIN(TestGameFile)
#include "tst_gamefile.moc"
