#include "model/murmex.h"
#include "windows/hilfewindow.h"
#include "windows/infowindow.h"
#include "windows/mainwindow.h"
#include "windows/woerterbuchwindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSideWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dictionaryShowsTheWordListAndFilters();
    void dictionaryCollectsAndSaves();
    void closedDictionaryKeepsItsLists();
    void gameLoadingPanelEnablesCollecting();
    void helpOpensOnceAndOkUnloads();
    void infoPictureHidesTheWindow();

private:
    WoerterbuchWindow* openDictionary();
    void writeWordList(const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<Murmex> m_murmex;
    std::unique_ptr<MainWindow> m_window;
};

namespace {

QStringList shown(const QWidget* window, const QString& list)
{
    const auto* view = window->findChild<QListWidget*>(list);
    QStringList lines;
    for (int i = 0; i < view->count(); ++i)
        lines.append(view->item(i)->text());
    return lines;
}

void type(QWidget* window, const QString& box, const QString& text)
{
    auto* edit = window->findChild<QLineEdit*>(box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QPushButton* button(const QWidget* window, const QString& name)
{
    return window->findChild<QPushButton*>(name);
}

} // namespace

void TestSideWindows::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    m_murmex = std::make_unique<Murmex>();
    m_window = std::make_unique<MainWindow>(*m_murmex, m_program->path(), QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestSideWindows::cleanup()
{
    m_window.reset();
}

WoerterbuchWindow* TestSideWindows::openDictionary()
{
    button(m_window.get(), u"Command11"_s)->click();
    return m_window->findChild<WoerterbuchWindow*>();
}

void TestSideWindows::writeWordList(const QByteArray& bytes) const
{
    QFile file(m_program->filePath(u"Spiele/mein_wörterbuch.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestSideWindows::dictionaryShowsTheWordListAndFilters()
{
    writeWordList("QUARK\r\nHAUS\r\nSTURM\r\nQUA\r\n");
    QVERIFY(!m_window->findChild<WoerterbuchWindow*>());
    WoerterbuchWindow* dictionary = openDictionary();
    QVERIFY(dictionary && dictionary->isVisible());
    QCOMPARE(dictionary->windowTitle(), u"Mein Wörterbuch"_s);
    const QStringList all{u"HAUS"_s, u"QUA"_s, u"QUARK"_s, u"STURM"_s};
    QCOMPARE(shown(dictionary, u"List2"_s), all);
    QCOMPARE(shown(dictionary, u"List1"_s), all);
    QVERIFY(!button(dictionary, u"Command2"_s)->isEnabled());

    type(dictionary, u"Text1"_s, u"5"_s);
    QCOMPARE(shown(dictionary, u"List1"_s), (QStringList{u"QUARK"_s, u"STURM"_s}));
    QVERIFY(dictionary->findChild<QRadioButton*>(u"Option1_1"_s)->isChecked());
    QVERIFY(!dictionary->findChild<QRadioButton*>(u"Option1_0"_s)->isChecked());

    type(dictionary, u"Text2"_s, u"q"_s);
    QCOMPARE(dictionary->findChild<QLineEdit*>(u"Text2"_s)->text(), u"Q"_s);
    QCOMPARE(shown(dictionary, u"List1"_s), (QStringList{u"QUA"_s, u"QUARK"_s}));
    QVERIFY(dictionary->findChild<QRadioButton*>(u"Option1_0"_s)->isChecked());

    QTest::mouseClick(dictionary->findChild<QRadioButton*>(u"Option1_1"_s), Qt::LeftButton);
    QCOMPARE(shown(dictionary, u"List1"_s), QStringList{u"QUARK"_s});
}

void TestSideWindows::dictionaryCollectsAndSaves()
{
    m_murmex->Ergebnisliste.addItem(u" 24 HAUS H8 - H11"_s);
    m_murmex->Ergebnisliste.addItem(u" 12 HAuS H8 - K8"_s);
    WoerterbuchWindow* dictionary = openDictionary();
    button(dictionary, u"Command1"_s)->click();
    QCOMPARE(shown(dictionary, u"List2"_s), QStringList{u"HAUS"_s});
    QVERIFY(!button(dictionary, u"Command1"_s)->isEnabled());
    QVERIFY(button(dictionary, u"Command2"_s)->isEnabled());

    button(dictionary, u"Command2"_s)->click();
    QVERIFY(!dictionary->isVisible());
    QFile file(m_program->filePath(u"Spiele/mein_wörterbuch.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("HAUS\r\n"));
}

// "Ende" and the window's close button only hide it: reopened, it shows the same lists
// without reading the file again.
void TestSideWindows::closedDictionaryKeepsItsLists()
{
    writeWordList("TAL\r\n");
    WoerterbuchWindow* dictionary = openDictionary();
    type(dictionary, u"Text1"_s, u"3"_s);
    button(dictionary, u"Command4"_s)->click();
    QVERIFY(!dictionary->isVisible());
    writeWordList("ZUG\r\n");

    QCOMPARE(openDictionary(), dictionary);
    QVERIFY(dictionary->isVisible());
    QCOMPARE(shown(dictionary, u"List2"_s), QStringList{u"TAL"_s});
    QCOMPARE(dictionary->findChild<QLineEdit*>(u"Text1"_s)->text(), u"3"_s);
    dictionary->close();
    QVERIFY(!dictionary->isVisible());
    QCOMPARE(m_window->findChildren<WoerterbuchWindow*>().size(), 1);
}

// Opening the game-loading panel loads the window unseen, and collecting works again.
void TestSideWindows::gameLoadingPanelEnablesCollecting()
{
    writeWordList("TAL\r\n");
    WoerterbuchWindow::gameLoadingPanelOpened(m_window.get(), *m_murmex);
    auto* dictionary = m_window->findChild<WoerterbuchWindow*>();
    QVERIFY(dictionary && !dictionary->isVisible());
    QCOMPARE(dictionary->state().List2.lines(), QStringList{u"TAL"_s});

    openDictionary();
    button(dictionary, u"Command1"_s)->click();
    QVERIFY(!button(dictionary, u"Command1"_s)->isEnabled());
    WoerterbuchWindow::gameLoadingPanelOpened(m_window.get(), *m_murmex);
    QVERIFY(button(dictionary, u"Command1"_s)->isEnabled());
    QCOMPARE(m_window->findChildren<WoerterbuchWindow*>().size(), 1);
}

void TestSideWindows::helpOpensOnceAndOkUnloads()
{
    QAction* hilfe = m_window->findChild<QAction*>(u"mnu_hilfe"_s);
    hilfe->trigger();
    hilfe->trigger();
    QCOMPARE(m_window->findChildren<HilfeWindow*>().size(), 1);
    auto* window = m_window->findChild<HilfeWindow*>();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), u"Hilfe"_s);
    QCOMPARE(window->findChild<QListWidget*>(u"List1"_s)->count(), 58);

    button(window, u"Command1"_s)->click();
    QTRY_VERIFY(!m_window->findChild<HilfeWindow*>());
    hilfe->trigger();
    QCOMPARE(m_window->findChild<HilfeWindow*>()->findChild<QListWidget*>()->count(), 58);
}

void TestSideWindows::infoPictureHidesTheWindow()
{
    QAction* info = m_window->findChild<QAction*>(u"mnu_info"_s);
    info->trigger();
    auto* window = m_window->findChild<InfoWindow*>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), u"Info"_s);
    QCOMPARE(
        window->findChild<QLabel*>(u"Label2"_s)->text(), u"Ich hoffe, Ihr habt viel Spaß damit."_s);
    QVERIFY(window->findChild<QLabel*>(u"Label4"_s)->text().endsWith(u"@example.org"_s));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(51, 102, 51));

    QTest::mouseClick(window->findChild<QWidget*>(u"Picture1"_s), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    info->trigger();
    QCOMPARE(m_window->findChild<InfoWindow*>(), window);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
