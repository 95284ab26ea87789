#include "model/murmex.h"
#include "support/boardfixture.h"
#include "windows/dragpayload.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

class BenchDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rackTileOntoACrowdedBoard();
};

namespace {

void drop(QWidget* cell, const QMimeData* data)
{
    const QPoint centre = cell->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &enter);
    QDragMoveEvent move(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &move);
    QDropEvent event(centre, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &event);
}

} // namespace

// From the drop event to the repainted window: a rack tile laid as the seventh tile of a move
// across row H, with rows G and I full of fixed tiles. Each run starts from the same position;
// only the drop and the repaint after it are timed.
void BenchDrop::rackTileOntoACrowdedBoard()
{
    QTemporaryDir program;
    Murmex m;
    MainWindow window(m, program.path(), {});
    fixture::fixRowsAroundTheCentre(m);
    for (int square = 109; square <= 114; ++square)
        fixture::lay(m, square, fixture::anyLetterInBag(m));
    fixture::putOnRack(m, 0, fixture::anyLetterInBag(m));
    const auto board = m.a;
    const auto rack = m.bb;
    const ListBox gelegt = m.gelegt;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const std::unique_ptr<QMimeData> data(dragpayload::encode(CellRef::rack(0)));
    QWidget* target = window.findChild<QWidget*>(u"a115"_s);
    QList<qint64> nanoseconds;
    for (int run = 0; run < 301; ++run) {
        m.a = board;
        m.bb = rack;
        m.gelegt = gelegt;
        window.render();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        drop(target, data.get());
        QApplication::processEvents();
        nanoseconds.append(timer.nsecsElapsed());
    }
    QVERIFY(window.findChild<QLineEdit*>(u"punkte"_s)->text().toInt() > 50);
    std::sort(nanoseconds.begin(), nanoseconds.end());
    QTest::setBenchmarkResult(
        qreal(nanoseconds.at(nanoseconds.size() / 2)), QTest::WalltimeNanoseconds);
}

QTEST_MAIN(BenchDrop)
#include "bench_drop.moc"
