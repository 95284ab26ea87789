#include "model/murmex.h"
#include "windows/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestMainWindowGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void savePanelSavesUnderTheTypedName();
    void loadPanelLoadsTheClickedGame();
    void optionsActAtOnceAndAreKept();

private:
    QWidget* panel(int k) const
    {
        return m_window->findChild<QWidget*>(u"laden_speichern_"_s + QString::number(k));
    }
    template <typename T> T* in(int k, const QString& name) const
    {
        return panel(k)->findChild<T*>(name);
    }
    void click(const QString& button) const
    {
        QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<Murmex> m_m;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowGame::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    m_m = std::make_unique<Murmex>();
    m_window = std::make_unique<MainWindow>(*m_m, m_program->path(), QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindowGame::cleanup()
{
    m_window.reset();
}

void TestMainWindowGame::savePanelSavesUnderTheTypedName()
{
    QVERIFY(!panel(0)->isVisible());
    click(u"Command4"_s);
    QVERIFY(panel(0)->isVisible());
    QCOMPARE(panel(0)->pos(), QPoint(48, 128));
    QCOMPARE(panel(0)->size(), QSize(465, 337));
    QCOMPARE(in<QComboBox>(0, u"Drive"_s)->currentText(), u"/"_s);
    QCOMPARE(in<QTreeWidget>(0, u"Dir"_s)->currentItem()->text(0), u"Spiele"_s);
    QVERIFY(
        !in<QListWidget>(0, u"File"_s)->findItems(u"optionen.ini"_s, Qt::MatchExactly).isEmpty());

    QTest::keyClicks(in<QLineEdit>(0, u"Datei"_s), u"probe"_s);
    const QString path = m_m->dataDirectory + u"/probe.txt";
    QCOMPARE(in<QLabel>(0, u"file_komplett"_s)->text(), path);
    QTest::mouseClick(in<QPushButton>(0, u"speichern"_s), Qt::LeftButton);
    QVERIFY(QFile::exists(path));
    QVERIFY(!panel(0)->isVisible());
    QVERIFY(m_window->windowTitle().endsWith(u"      Spiel: probe"_s));
}

void TestMainWindowGame::loadPanelLoadsTheClickedGame()
{
    m_m->a[113] = {u"113 H02 F 1 1 034"_s, Picture::tile(34)};
    m_m->s[34] = {u"___ ___ M _ _ ___"_s, Picture()};
    m_window->findChild<QAction*>(u"mnu_speichern"_s)->trigger();
    QTest::keyClicks(in<QLineEdit>(0, u"Datei"_s), u"partie"_s);
    QTest::keyClick(in<QLineEdit>(0, u"Datei"_s), Qt::Key_Return);
    QVERIFY(!panel(0)->isVisible());

    m_m->a[113] = {u"113 ___ M 1 2 ___"_s, Picture()};
    m_window->render();
    click(u"l_Command"_s);
    QVERIFY(panel(1)->isVisible());
    QListWidget* files = in<QListWidget>(1, u"File"_s);
    QListWidgetItem* game = files->findItems(u"partie.txt"_s, Qt::MatchExactly).value(0);
    QVERIFY(game);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(game).center());
    QCOMPARE(in<QLineEdit>(1, u"Datei"_s)->text(), u"partie"_s);
    QCOMPARE(in<QLabel>(0, u"file_komplett"_s)->text(), m_m->dataDirectory + u"/partie.txt");
    QTest::mouseClick(in<QPushButton>(1, u"laden"_s), Qt::LeftButton);
    QVERIFY(!panel(1)->isVisible());
    QCOMPARE(m_m->a[113].picture, Picture::tile(34));
    QVERIFY(m_window->windowTitle().endsWith(u"      Spiel: partie"_s));
    // The score is always computed, never typed.
    QVERIFY(m_window->findChild<QLineEdit*>(u"punkte"_s)->isReadOnly());
}

void TestMainWindowGame::optionsActAtOnceAndAreKept()
{
    m_window->findChild<QAction*>(u"mnu_optionen"_s)->trigger();
    auto* optionen = m_window->findChild<QDialog*>(u"optionen"_s);
    QVERIFY(optionen->isVisible());
    // The buttons stand on the frame's green, where their light yellow captions can be read.
    auto* nein = optionen->findChild<QRadioButton*>(u"Option1_3"_s);
    const QImage shown = nein->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() - 2, 2), QColor(51, 102, 51));

    auto* command12 = m_window->findChild<QPushButton*>(u"Command12"_s);
    QVERIFY(!command12->isEnabled());
    QTest::mouseClick(optionen->findChild<QRadioButton*>(u"Option1_9"_s), Qt::LeftButton);
    QVERIFY(command12->isEnabled());
    QVERIFY(!optionen->findChild<QRadioButton*>(u"Option1_8"_s)->isChecked());

    QTest::mouseClick(optionen->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    QVERIFY(!optionen->isVisible());
    QFile file(m_m->dataDirectory + u"/optionen.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').at(9), QByteArray("1\r"));
}

QTEST_MAIN(TestMainWindowGame)
#include "tst_mainwindowgame.moc"
