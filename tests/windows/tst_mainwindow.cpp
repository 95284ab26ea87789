#include "model/murmex.h"
#include "windows/cellwidget.h"
#include "windows/mainwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheEmptyGame();
    void boardShowsThePremiumColours_data();
    void boardShowsThePremiumColours();
    void rendersTilesAndPoints();

private:
    QTemporaryDir m_program;
};

void TestMainWindow::startsWithTheEmptyGame()
{
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), u"Murmex-Calculator  V 2.5.2"_s + QString(15, u' '));
    QVERIFY(QDir(m_program.filePath(u"Spiele"_s)).exists());
    QCOMPARE(window.findChild<QLineEdit*>(u"punkte"_s)->text(), u"0"_s);
    QVERIFY(window.findChild<QWidget*>(u"Frame1_2"_s)->isVisible());
    QVERIFY(!window.findChild<QWidget*>(u"Frame1_0"_s)->isVisible());
    QVERIFY(!window.findChild<QWidget*>(u"Spielsituation"_s)->isVisible());
    QVERIFY(!window.findChild<QPushButton*>(u"Command12"_s)->isEnabled());
    QVERIFY(!window.findChild<QPushButton*>(u"Command9"_s)->isVisible());
    QCOMPARE(window.findChild<QPushButton*>(u"Command2"_s)->text(), u"Säckchen zeigen"_s);
    QCOMPARE(window.findChild<CellWidget*>(u"s67"_s)->picture(), Picture::tile(67));
    QCOMPARE(window.findChild<QListWidget*>(u"ergebnis_sortiert"_s)->count(), 0);
    QCOMPARE(window.findChild<CellWidget*>(u"a1"_s)->size(), QSize(33, 33));
}

void TestMainWindow::boardShowsThePremiumColours_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("triple word A1") << 1 << QColor(235, 51, 63);
    QTest::newRow("double word centre") << 113 << QColor(247, 172, 154);
    QTest::newRow("double letter A4") << 4 << QColor(136, 203, 239);
    QTest::newRow("triple letter B6") << 21 << QColor(0, 157, 222);
    QTest::newRow("plain A2") << 2 << QColor(0, 151, 146);
}

// Read from the rendered window, not from the widgets' properties.
void TestMainWindow::boardShowsThePremiumColours()
{
    QFETCH(int, square);
    QFETCH(QColor, colour);
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget* cell = window.findChild<QWidget*>(u"a"_s + QString::number(square));
    const QImage image = window.grab().toImage();
    const QPoint centre = cell->mapTo(&window, cell->rect().center());
    const qreal ratio = image.devicePixelRatio();
    QCOMPARE(image.pixelColor(centre * ratio), colour);
}

void TestMainWindow::rendersTilesAndPoints()
{
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    m.a[113] = {u"113 H02 M 1 2 034"_s, Picture::tile(34)};
    m.punkte.setText(u"10"_s);
    m.ergebnis_sortiert.addItem(u" 10 HAUS H8 - H11"_s);
    m.bagHidden = false;
    window.render();
    QCOMPARE(window.findChild<CellWidget*>(u"a113"_s)->picture(), Picture::tile(34));
    QCOMPARE(window.findChild<QLineEdit*>(u"punkte"_s)->text(), u"10"_s);
    QCOMPARE(window.findChild<QListWidget*>(u"ergebnis_sortiert"_s)->item(0)->text(),
        u" 10 HAUS H8 - H11"_s);
    QCOMPARE(window.findChild<QPushButton*>(u"Command2"_s)->text(), u"Säckchen verbergen"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
