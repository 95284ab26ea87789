#include "game/filepanels.h"
#include "game/gamewriter.h"
#include "game/loadcommand.h"
#include "game/newgame.h"
#include "game/savecommands.h"
#include "game/shutdown.h"
#include "game/startup.h"
#include "model/murmex.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"
#include "support/startedgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Command { NewGame, End, Load };
// What the player does in the save panel that the question's Yes opened.
enum class InPanel { Cancel, DeclineOverwrite, FailedWrite, Save };

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(InPanel)

class TestSaveQuestion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstAnswer_data();
    void firstAnswer();
    void askedAgainUntilReallySaved_data();
    void askedAgainUntilReallySaved();
    void closingTheWindow_data();
    void closingTheWindow();

private:
    // True when the command was carried out.
    bool give(Command command);
    QString data(const QString& name) const { return m_game->m.dataDirectory + u'/' + name; }

    std::unique_ptr<StartedGame> m_game;
};

void TestSaveQuestion::init()
{
    m_game = std::make_unique<StartedGame>();
}

bool TestSaveQuestion::give(Command command)
{
    Murmex& m = m_game->m;
    switch (command) {
    case Command::NewGame:
        neu_Click(m, m_game->fake.platform());
        return !m.a[113].showsPicture();
    case Command::End:
        return Command7_Click(m, m_game->fake.platform());
    case Command::Load:
        l_Command_Click(m, m_game->fake.platform());
        return m.laden_speichern[kLoadPanel].shown;
    }
    return false;
}

// One row per command, each with the same situation.
template <typename... Values> void addCommandRows(const char* situation, const Values&... values)
{
    const struct
    {
        const char* name;
        Command command;
    } commands[] = {{"Neues Spiel", Command::NewGame}, {"Ende", Command::End},
        {"Spielstand laden", Command::Load}};
    for (const auto& entry : commands)
        ((QTest::addRow("%s, %s", entry.name, situation) << entry.command) << ... << values);
}

void TestSaveQuestion::firstAnswer_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("boardSaved");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("carriedOut");
    addCommandRows("saved board", true, false, true);
    addCommandRows("answered No", false, false, true);
    addCommandRows("answered Yes", false, true, false);
}

void TestSaveQuestion::firstAnswer()
{
    QFETCH(Command, command);
    QFETCH(bool, boardSaved);
    QFETCH(bool, answer);
    QFETCH(bool, carriedOut);
    Murmex& m = m_game->m;
    m.boardSaved = boardSaved;
    m_game->fake.answerNext(answer);
    QCOMPARE(give(command), carriedOut);

    QCOMPARE(m_game->fake.questions().size(), boardSaved ? 0 : 1);
    if (!boardSaved) {
        const FakePlatform::Question& question = m_game->fake.questions().first();
        QCOMPARE(question.title, u"A C H T U N G !!!"_s);
        QCOMPARE(question.text, u"Sollte das derzeitige Brett noch gesichert werden?"_s);
        QCOMPARE(question.icon, MessageBoxes::Icon::Question);
    }
    // Yes opens the save panel, but the board is not saved by that.
    QCOMPARE(m.laden_speichern[kSavePanel].shown, answer);
    QCOMPARE(m.boardSaved, !answer);
    QVERIFY(QDir(m.dataDirectory).entryList({u"*.txt"_s}, QDir::Files).isEmpty());
}

void TestSaveQuestion::askedAgainUntilReallySaved_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<InPanel>("inPanel");
    QTest::addColumn<bool>("askedAgain");
    addCommandRows("panel cancelled", InPanel::Cancel, true);
    addCommandRows("overwrite declined", InPanel::DeclineOverwrite, true);
    addCommandRows("write failed", InPanel::FailedWrite, true);
    addCommandRows("saved", InPanel::Save, false);
}

void TestSaveQuestion::askedAgainUntilReallySaved()
{
    QFETCH(Command, command);
    QFETCH(InPanel, inPanel);
    QFETCH(bool, askedAgain);
    Murmex& m = m_game->m;
    QFile existing(data(u"alt.txt"_s));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    m_game->fake.answerNext(true);
    QVERIFY(!give(command));
    FilePanel& save = m.laden_speichern[kSavePanel];
    switch (inPanel) {
    case InPanel::Cancel:
        Abbruch_Click(m, kSavePanel);
        break;
    case InPanel::DeclineOverwrite:
        save.Datei.setText(u"alt"_s);
        m_game->fake.answerNext(false);
        speichern_Click(m, m_game->fake.platform());
        break;
    case InPanel::FailedWrite:
        save.Datei.setText(u"fehlt/neu"_s);
        speichern_Click(m, m_game->fake.platform());
        break;
    case InPanel::Save:
        save.Datei.setText(u"neu"_s);
        speichern_Click(m, m_game->fake.platform());
        break;
    }
    const qsizetype questionsBefore = m_game->fake.questions().size();
    m_game->fake.answerNext(false);
    QVERIFY(give(command));
    QCOMPARE(m_game->fake.questions().size() - questionsBefore, askedAgain ? 1 : 0);
}

void TestSaveQuestion::closingTheWindow_data()
{
    QTest::addColumn<bool>("boardSaved");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("gameName");
    QTest::addColumn<bool>("targetBlocked");
    QTest::addColumn<QString>("written"); // in the data directory, or "rescue"
    QTest::newRow("saved board") << true << true << QString() << false << QString();
    QTest::newRow("answered No") << false << false << QString() << false << QString();
    QTest::newRow("Yes, no game name") << false << true << QString() << false << u"(aktuell).txt"_s;
    QTest::newRow("Yes, after loading abc") << false << true << u"abc"_s << false << u"abc.txt"_s;
    QTest::newRow("Yes, file cannot be written")
        << false << true << QString() << true << u"rescue"_s;
}

void TestSaveQuestion::closingTheWindow()
{
    QFETCH(bool, boardSaved);
    QFETCH(bool, answer);
    QFETCH(QString, gameName);
    QFETCH(bool, targetBlocked);
    QFETCH(QString, written);
    Murmex& m = m_game->m;
    if (!gameName.isEmpty()) {
        // Loaded from the data directory: the load panel stands there with the game's name.
        m.boardSaved = true;
        l_Command_Click(m, m_game->fake.platform());
        File_Click(m, kLoadPanel, gameName + u".txt");
        m.laden_speichern[kLoadPanel].shown = false;
        QFile old(data(gameName + u".txt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt\r\n");
    }
    if (targetBlocked)
        QVERIFY(QDir(m.dataDirectory).mkdir(u"(aktuell).txt"_s));
    m.boardSaved = boardSaved;
    QTemporaryDir fallback;
    m_game->fake.answerNext(answer);
    Form_Unload(m, m_game->fake.platform(), fallback.path());

    QCOMPARE(m_game->fake.questions().size(), boardSaved ? 0 : 1);
    const QString rescue = fallback.filePath(u"Spiele/(aktuell).txt"_s);
    const QString path = written == u"rescue" ? rescue : data(written);
    if (written.isEmpty()) {
        QVERIFY(QDir(m.dataDirectory).entryList({u"*.txt"_s}, QDir::Files).isEmpty());
        QVERIFY(!QFile::exists(rescue));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), gameFile(m));
    // Only the rescue is reported, with the place where the game is now.
    QCOMPARE(m_game->fake.messages().size(), targetBlocked ? 1 : 0);
    if (targetBlocked)
        QVERIFY(m_game->fake.messages().first().text.contains(rescue));
}

QTEST_GUILESS_MAIN(TestSaveQuestion)
#include "tst_savequestion.moc"
