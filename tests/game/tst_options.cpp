#include "game/options.h"
#include "game/optionsfile.h"
#include "game/startup.h"
#include "model/murmex.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartWritesTheDesignFile();
    void startUpReadsTheFile_data();
    void startUpReadsTheFile();
    void listOptionsRefreshAtOnce();
    void savingWritesTheSelections();
    void failedSaveIsReported();
};

namespace {

constexpr const char* kDesignFile = "0\r\n1\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n";

// "1" for each selected button, "0" for the others.
QString selections(const Murmex& m)
{
    QString text;
    for (int k = 0; k < m.Option1.count(); ++k)
        text += m.Option1.isSelected(k) ? u'1' : u'0';
    return text;
}

QByteArray optionsFile(const QString& program)
{
    QFile file(QDir(program).filePath(u"Spiele/optionen.ini"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestOptions::firstStartWritesTheDesignFile()
{
    QTemporaryDir program;
    Murmex m;
    Form_Load(m, program.path(), {});
    QCOMPARE(optionsFile(program.path()), QByteArray(kDesignFile));
    QCOMPARE(selections(m), u"010110101010"_s);
    QVERIFY(!m.drawButtonShown);
    QVERIFY(!m.quickSaveEnabled);
}

void TestOptions::startUpReadsTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("drawButtonShown");
    QTest::addColumn<bool>("quickSaveEnabled");
    QTest::newRow("design") << QByteArray(kDesignFile) << u"010110101010"_s << false << false;
    QTest::newRow("tenth line 1 enables the quick save")
        << QByteArray("0\r\n1\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n0\r\n")
        << u"010110100110"_s << false << true;
    QTest::newRow("sixth line Wahr shows the draw button")
        << QByteArray("0\r\n1\r\n0\r\n1\r\n0\r\nWahr\r\n") << u"010101101010"_s << true << false;
    QTest::newRow("True and quoted 1 select, Falsch and False deselect")
        << QByteArray("True\r\nFalse\r\n\"1\"\r\nFalsch\r\n") << u"101010101010"_s << false
        << false;
    QTest::newRow("ja and true change nothing")
        << QByteArray("ja\r\ntrue\r\nja\r\ntrue\r\n  ja\r\ntrue\r\n") << u"010110101010"_s << false
        << false;
    QTest::newRow("0 for both leaves a pair without selection")
        << QByteArray("0\r\n0\r\n") << u"000110101010"_s << false << false;
    QTest::newRow("five lines keep the rest as designed")
        << QByteArray("1\r\n0\r\n1\r\n0\r\n0\r\n") << u"101000101010"_s << false << false;
    QTest::newRow("empty file") << QByteArray() << u"010110101010"_s << false << false;
    QTest::newRow("values after the twelfth are ignored")
        << QByteArray("0\r\n1\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n")
        << u"010110101010"_s << false << false;
}

void TestOptions::startUpReadsTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, selected);
    QFETCH(bool, drawButtonShown);
    QFETCH(bool, quickSaveEnabled);
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(u"Spiele"_s));
    QFile stored(program.filePath(u"Spiele/optionen.ini"_s));
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write(file);
    stored.close();

    Murmex m;
    Form_Load(m, program.path(), {});
    QCOMPARE(selections(m), selected);
    QCOMPARE(m.drawButtonShown, drawButtonShown);
    QCOMPARE(m.quickSaveEnabled, quickSaveEnabled);
    // Reading never writes the file back.
    QCOMPARE(optionsFile(program.path()), file);
}

// "maximal 10 Wörter" cuts 15 results to 10 at once; the other button brings all back.
void TestOptions::listOptionsRefreshAtOnce()
{
    QTemporaryDir program;
    Murmex m;
    Form_Load(m, program.path(), {});
    for (int score = 10; score < 25; ++score)
        m.Ergebnisliste.addItem(u' ' + QString::number(score) + u" HAUS H8 - H11");
    m.Option1.select(0);
    QCOMPARE(m.ergebnis_sortiert.count(), 10 + 2);
    m.Option1.select(1);
    QCOMPARE(m.ergebnis_sortiert.count(), 15 + 2);
    m.Option1.select(5);
    QVERIFY(m.drawButtonShown);
    m.Option1.select(4);
    QVERIFY(!m.drawButtonShown);
}

void TestOptions::savingWritesTheSelections()
{
    QTemporaryDir program;
    FakePlatform fake;
    Murmex m;
    Form_Load(m, program.path(), {});
    m.Option1.select(9);
    m.Option1.select(0);
    optionen_Command1_Click(m, fake.platform());
    QVERIFY(fake.messages().isEmpty());
    QCOMPARE(optionsFile(program.path()),
        QByteArray("1\r\n0\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n0\r\n"));

    Murmex restarted;
    Form_Load(restarted, program.path(), {});
    QCOMPARE(selections(restarted), selections(m));
    QVERIFY(restarted.quickSaveEnabled);
}

void TestOptions::failedSaveIsReported()
{
    QTemporaryDir program;
    FakePlatform fake;
    Murmex m;
    Form_Load(m, program.path(), {});
    QVERIFY(QFile::remove(optionsFilePath(m)));
    QVERIFY(QDir().mkdir(optionsFilePath(m)));
    optionen_Command1_Click(m, fake.platform());
    QCOMPARE(fake.messages().size(), 1);
    QVERIFY(fake.messages().first().text.contains(optionsFilePath(m)));
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
