#include "game/filepanels.h"
#include "game/gamewriter.h"
#include "game/loadcommand.h"
#include "game/savecommands.h"
#include "game/startup.h"
#include "model/murmex.h"
#include "model/windowtitle.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"
#include "support/startedgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFilePanels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveAsRightAfterStartUp();
    void overwriting_data();
    void overwriting();
    void failedWriteChangesNothing();
    void quickSave_data();
    void quickSave();
    void failedQuickSaveIsReported();
    void fileClickAimsBothPanels_data();
    void fileClickAimsBothPanels();
    void driveChange_data();
    void driveChange();
    void onePanelAtATime();

private:
    QString data(const QString& name) const { return m_game->m.dataDirectory + u'/' + name; }
    void makeFile(const QString& name, const QByteArray& bytes = "alt\r\n") const;
    QByteArray contentOf(const QString& name) const;
    FilePanel& save() { return m_game->m.laden_speichern[kSavePanel]; }
    FilePanel& load() { return m_game->m.laden_speichern[kLoadPanel]; }

    std::unique_ptr<StartedGame> m_game;
};

void TestFilePanels::init()
{
    m_game = std::make_unique<StartedGame>();
}

void TestFilePanels::makeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(data(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

QByteArray TestFilePanels::contentOf(const QString& name) const
{
    QFile file(data(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The label starts in the load panel's directory, still the process's own, and follows the
// data directory once a name is typed.
void TestFilePanels::saveAsRightAfterStartUp()
{
    Murmex& m = m_game->m;
    makeFile(u"alt.txt"_s);
    Command4_Click(m);
    QVERIFY(save().shown);
    QCOMPARE(save().Dir.text(), m.dataDirectory);
    QVERIFY(save().File.contains(u"alt.txt"_s));
    QCOMPARE(save().Datei.text(), QString());
    QCOMPARE(save().file_komplett, QDir::currentPath() + u"/.txt");

    save().Datei.setText(u"test"_s);
    QCOMPARE(save().file_komplett, data(u"test.txt"_s));
    speichern_Click(m, m_game->fake.platform());
    QVERIFY(m_game->fake.questions().isEmpty());
    QCOMPARE(contentOf(u"test.txt"_s), gameFile(m));
    QVERIFY(!save().shown);
    QVERIFY(m.boardSaved);
    QCOMPARE(m.title, title::withGame(title::base(), u"test"_s));
    QCOMPARE(currentGameName(m), u"test"_s);
    QCOMPARE(load().file_komplett, gamePath(load().Dir.text(), u"test"_s));
}

void TestFilePanels::overwriting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("existing, Yes") << u"abc"_s << true << true << true;
    QTest::newRow("existing, No") << u"abc"_s << false << true << false;
    QTest::newRow("letztes_brett without asking") << u"letztes_brett"_s << false << false << true;
}

void TestFilePanels::overwriting()
{
    QFETCH(QString, name);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    Murmex& m = m_game->m;
    makeFile(name + u".txt");
    Command4_Click(m);
    save().Datei.setText(name);
    m_game->fake.answerNext(answer);
    speichern_Click(m, m_game->fake.platform());

    QCOMPARE(m_game->fake.questions().size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_game->fake.questions().first().title, u"A c h t u n g !!!"_s);
        QCOMPARE(m_game->fake.questions().first().text,
            u"die Datei exisiert schon, soll sie überschrieben werden"_s);
        QCOMPARE(m_game->fake.questions().first().icon, MessageBoxes::Icon::None);
    }
    QCOMPARE(contentOf(name + u".txt") == gameFile(m), written);
    // Declined: the panel stays open and the game is as unsaved and unnamed as before.
    QCOMPARE(save().shown, !written);
    QCOMPARE(m.boardSaved, written);
    QCOMPARE(currentGameName(m), written ? name : QString());
    QCOMPARE(m.title, written ? title::withGame(title::base(), name) : title::base());
}

void TestFilePanels::failedWriteChangesNothing()
{
    Murmex& m = m_game->m;
    Command4_Click(m);
    save().Datei.setText(u"fehlt/abc"_s);
    speichern_Click(m, m_game->fake.platform());
    QCOMPARE(m_game->fake.messages().size(), 1);
    QVERIFY(m_game->fake.messages().first().text.contains(data(u"fehlt/abc.txt"_s)));
    QVERIFY(save().shown);
    QVERIFY(!m.boardSaved);
    QCOMPARE(m.title, title::base());
    QCOMPARE(currentGameName(m), QString());
}

void TestFilePanels::quickSave_data()
{
    QTest::addColumn<QString>("loadedGame");
    QTest::addColumn<QString>("file");
    QTest::newRow("no game name yet") << QString() << u"(aktuell).txt"_s;
    QTest::newRow("after loading abc") << u"abc"_s << u"abc.txt"_s;
}

// No panel and no question, even over an existing file; the title stays.
void TestFilePanels::quickSave()
{
    QFETCH(QString, loadedGame);
    QFETCH(QString, file);
    Murmex& m = m_game->m;
    makeFile(file);
    if (!loadedGame.isEmpty()) {
        m.boardSaved = true;
        l_Command_Click(m, m_game->fake.platform());
        File_Click(m, kLoadPanel, file);
        load().shown = false;
        m.boardSaved = false;
    }
    Command12_Click(m, m_game->fake.platform());
    QVERIFY(m_game->fake.questions().isEmpty());
    QVERIFY(m_game->fake.messages().isEmpty());
    QCOMPARE(contentOf(file), gameFile(m));
    QVERIFY(!save().shown);
    QVERIFY(m.boardSaved);
    QCOMPARE(currentGameName(m), file.chopped(4));
    QCOMPARE(m.title, title::base());
}

// Where the file should go stands a directory.
void TestFilePanels::failedQuickSaveIsReported()
{
    Murmex& m = m_game->m;
    QVERIFY(QDir(m.dataDirectory).mkdir(u"(aktuell).txt"_s));
    Command12_Click(m, m_game->fake.platform());
    QCOMPARE(m_game->fake.messages().size(), 1);
    QVERIFY(m_game->fake.messages().first().text.contains(data(u"(aktuell).txt"_s)));
    QVERIFY(!m.boardSaved);
}

void TestFilePanels::fileClickAimsBothPanels_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::newRow("game file") << u"abc.txt"_s << u"abc"_s;
    QTest::newRow("four characters go, whatever they are") << u"notiz.md"_s << u"noti"_s;
    QTest::newRow("too short for an extension") << u"ab"_s << u"ab"_s;
}

void TestFilePanels::fileClickAimsBothPanels()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    Murmex& m = m_game->m;
    m.boardSaved = true;
    l_Command_Click(m, m_game->fake.platform());
    QVERIFY(load().shown);
    QCOMPARE(load().Dir.text(), m.dataDirectory);
    File_Click(m, kLoadPanel, fileName);
    QCOMPARE(load().Datei.text(), name);
    QCOMPARE(load().file_komplett, data(name + u".txt"));
    QCOMPARE(save().file_komplett, data(name + u".txt"));
}

void TestFilePanels::driveChange_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<bool>("moves");
    QTest::newRow("the root goes to the current directory") << u"/"_s << true;
    QTest::newRow("a drive that cannot be read is ignored") << u"Z:"_s << false;
}

void TestFilePanels::driveChange()
{
    QFETCH(QString, drive);
    QFETCH(bool, moves);
    Murmex& m = m_game->m;
    Command4_Click(m);
    save().Drive.setText(u"?"_s);
    goToDirectory(m, kSavePanel, m.dataDirectory);
    save().Drive.setText(drive);
    QCOMPARE(save().Dir.text(), moves ? QDir::currentPath() : m.dataDirectory);
}

// Both lie at the same place: opening one hides the other, cancelling hides only itself.
void TestFilePanels::onePanelAtATime()
{
    Murmex& m = m_game->m;
    m.boardSaved = true;
    l_Command_Click(m, m_game->fake.platform());
    Command4_Click(m);
    QVERIFY(save().shown);
    QVERIFY(!load().shown);
    const QString target = save().file_komplett;
    Abbruch_Click(m, kSavePanel);
    QVERIFY(!save().shown);
    QCOMPARE(save().file_komplett, target);
    QVERIFY(m.boardSaved);
}

QTEST_GUILESS_MAIN(TestFilePanels)
#include "tst_filepanels.moc"
