#include "model/murmex.h"
#include "support/boardfixture.h"
#include "windows/cellwidget.h"
#include "windows/dragpayload.h"
#include "windows/mainwindow.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestCellDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropOnASquareLaysAndScores();
    void foreignDataIsNotTaken();
    void commandsReachTheirHandlers();

private:
    QTemporaryDir m_program;
};

namespace {

// Delivers a whole drag to the cell as the toolkit would; true when the cell took the drop.
bool dragOnto(QWidget* cell, const QMimeData* data)
{
    const QPoint centre = cell->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &move);
    QDropEvent drop(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &drop);
    return drop.isAccepted();
}

} // namespace

// The first move: B from the rack next to an A on the centre's right scores 2 x (3 + 1).
void TestCellDrop::dropOnASquareLaysAndScores()
{
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    fixture::lay(m, 114, u'A');
    const int b = fixture::putOnRack(m, 0, u'B');
    for (int slot = 1; slot < 6; ++slot)
        fixture::putOnRack(m, slot, u'E');
    window.render();
    auto* square = window.findChild<CellWidget*>(u"a113"_s);
    QCOMPARE(square->picture(), Picture());

    const std::unique_ptr<QMimeData> data(dragpayload::encode(CellRef::rack(0)));
    QVERIFY(dragOnto(square, data.get()));

    QCOMPARE(square->picture(), Picture::tile(b));
    QCOMPARE(window.findChild<CellWidget*>(u"bb0"_s)->picture(), Picture());
    QCOMPARE(window.findChild<QLineEdit*>(u"punkte"_s)->text(), u"8"_s);
}

void TestCellDrop::foreignDataIsNotTaken()
{
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    fixture::putOnRack(m, 0, u'B');
    window.render();
    QMimeData text;
    text.setText(u"bb 0"_s);
    QVERIFY(!dragOnto(window.findChild<CellWidget*>(u"a113"_s), &text));
    QVERIFY(!m.a[113].showsPicture());
    QVERIFY(m.bb[0].showsPicture());
}

// The buttons and menu items of a turn, as the player finds them.
void TestCellDrop::commandsReachTheirHandlers()
{
    Murmex m;
    MainWindow window(m, m_program.path(), {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fixture::lay(m, 113, u'A');
    window.render();

    window.findChild<QPushButton*>(u"Command3"_s)->click();
    QCOMPARE(m.a[113].state, u"113 A01 F 1 1 001"_s);

    auto* release = window.findChild<QAction*>(u"mnu_sos"_s);
    release->trigger();
    QVERIFY(m.releaseChecked);
    QVERIFY(release->isChecked());
    release->trigger();
    QVERIFY(!release->isChecked());

    auto* bagCommand = window.findChild<QPushButton*>(u"Command2"_s);
    bagCommand->click();
    QCOMPARE(bagCommand->text(), u"Säckchen verbergen"_s);
    QVERIFY(window.findChild<QWidget*>(u"Frame1_0"_s)->isVisible());
    window.findChild<QPushButton*>(u"Command5"_s)->click();
    QVERIFY(window.findChild<QWidget*>(u"Spielsituation"_s)->isVisible());
    bagCommand->click();
    QCOMPARE(bagCommand->text(), u"Säckchen zeigen"_s);
    QVERIFY(!window.findChild<QWidget*>(u"Spielsituation"_s)->isVisible());

    m.a[113].state = u"113 A01 M 1 2 001"_s;
    window.findChild<QAction*>(u"mnu_aufräumen"_s)->trigger();
    QCOMPARE(window.findChild<CellWidget*>(u"bb0"_s)->picture(), Picture::tile(1));
}

QTEST_MAIN(TestCellDrop)
#include "tst_celldrop.moc"
