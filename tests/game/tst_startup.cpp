#include "game/startup.h"
#include "model/murmex.h"
#include "model/windowtitle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartCreatesTheDataDirectory();
    void laterStartNeverRestoresTheLastGame();
    void unusableProgramDirectoryFallsBack();
};

void TestStartup::firstStartCreatesTheDataDirectory()
{
    QTemporaryDir program;
    Murmex m;
    m.boardSaved = false;
    Form_Load(m, program.path(), {});
    QCOMPARE(m.dataDirectory, program.filePath(u"Spiele"_s));
    QVERIFY(QDir(m.dataDirectory).exists());
    QCOMPARE(m.title, title::base());
    QVERIFY(m.bagHidden);
    QVERIFY(m.boardSaved);
    QCOMPARE(m.punkte.text(), u"0"_s);
    QCOMPARE(m.a[1].state, u"001 ___ M 1 3 ___"_s);
    QCOMPARE(m.a[113].state, u"113 ___ M 1 2 ___"_s);
    QCOMPARE(m.s[67].state, u"___ Q10 M _ _ 067"_s);
    QCOMPARE(m.s[67].picture, Picture::tile(67));
}

void TestStartup::laterStartNeverRestoresTheLastGame()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(u"Spiele"_s));
    QFile last(program.filePath(u"Spiele/(aktuell).txt"_s));
    QVERIFY(last.open(QIODevice::WriteOnly));
    last.write("113 A01 M 1 2 005\r\n");
    last.close();

    Murmex m;
    Form_Load(m, program.path(), {});
    QCOMPARE(m.dataDirectory, program.filePath(u"Spiele"_s));
    QVERIFY(!m.a[113].showsPicture());
}

// A file where "Spiele" should be: the program still starts, with the fallback location.
void TestStartup::unusableProgramDirectoryFallsBack()
{
    QTemporaryDir program;
    QTemporaryDir fallback;
    QFile blocker(program.filePath(u"Spiele"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    Murmex m;
    Form_Load(m, program.path(), fallback.path());
    QCOMPARE(m.dataDirectory, fallback.filePath(u"Spiele"_s));
    QVERIFY(QDir(m.dataDirectory).exists());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
