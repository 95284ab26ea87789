#include "windows/mainwindow.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/tileset.h"
#include "tiles/bagcommands.h"
#include "tiles/cellpointer.h"
#include "tiles/doubleclick.h"
#include "tiles/dragging.h"
#include "tiles/turncommands.h"
#include "windows/cellwidget.h"

#include <QAction>
#include <QPushButton>

// Passes the mouse on board, rack and bag and the turn commands to the tile handlers; the
// window renders itself after each of them.
void MainWindow::connectTiles()
{
    Murmex& m = m_murmex;
    Platform& platform = m_platform;
    for (int q = 1; q <= board::kSquareCount; ++q) {
        const CellRef cell = CellRef::board(q);
        m_squares[q]->setInteraction(cell,
            {
                .pressed =
                    [this, &m, q] {
                        const bool drag = a_MouseDown(m, q);
                        render();
                        return drag;
                    },
                .clicked =
                    [this, &m, &platform, q](bool takenUp) {
                        // Released without moving: the tile taken up is put back where it was.
                        if (takenUp)
                            a_DragDrop(m, platform, q, CellRef::board(q));
                        a_Click(m, platform, q);
                        render();
                    },
                .doubleClicked =
                    [this, &m, q] {
                        a_DblClick(m, q);
                        render();
                    },
                .dropped =
                    [this, &m, &platform, q](CellRef source) {
                        a_DragDrop(m, platform, q, source);
                        render();
                    },
                .droppedOutside =
                    [this, &m, cell] {
                        dragEndedOutside(m, cell);
                        render();
                    },
                .hovered =
                    [this, &m, q] {
                        const bool movable = a_MouseMove(m, q);
                        render();
                        return movable;
                    },
                .focused = [&m] { a_GotFocus(m); },
            });
    }
    for (int j = 0; j < int(m_rack.size()); ++j) {
        m_rack[j]->setInteraction(CellRef::rack(j),
            {
                .pressed = [&m, j] { return bb_MouseDown(m, j); },
                .clicked = {},
                .doubleClicked =
                    [this, &m, j] {
                        bb_DblClick(m, j);
                        render();
                    },
                .dropped =
                    [this, &m, &platform, j](CellRef source) {
                        bb_DragDrop(m, platform, j, source);
                        render();
                    },
                .droppedOutside = {},
                .hovered =
                    [this, &m, j] {
                        const bool movable = bb_MouseMove(m, j);
                        render();
                        return movable;
                    },
                .focused = [&m] { bb_GotFocus(m); },
            });
    }
    for (int n = 1; n <= tiles::kTileCount; ++n) {
        m_bag[n]->setInteraction(CellRef::bag(n),
            {
                .pressed = [&m, n] { return s_MouseDown(m, n); },
                .clicked = {},
                .doubleClicked =
                    [this, &m, n] {
                        s_DblClick(m, n);
                        render();
                    },
                .dropped =
                    [this, &m, &platform](CellRef source) {
                        s_DragDrop(m, platform, source);
                        render();
                    },
                .droppedOutside = {},
                .hovered =
                    [this, &m, n] {
                        const bool movable = s_MouseMove(m, n);
                        render();
                        return movable;
                    },
                .focused = [&m] { s_GotFocus(m); },
            });
    }

    const auto onClick = [this](const QString& name, auto handler) {
        // The dialog "Blanko-Ersatz" has a Command1 of its own.
        connect(centralWidget()->findChild<QPushButton*>(name), &QPushButton::clicked, this,
            [this, handler] {
                handler();
                render();
            });
    };
    const auto onMenu = [this](const QString& name, auto handler) {
        connect(findChild<QAction*>(name), &QAction::triggered, this, [this, handler] {
            handler();
            render();
        });
    };
    onClick(QStringLiteral("Command1"), [&m] { Command1_Click(m); });
    onMenu(QStringLiteral("mnu_aufräumen"), [&m] { Command1_Click(m); });
    onClick(QStringLiteral("Command3"), [&m] { Command3_Click(m); });
    onMenu(QStringLiteral("mnu_sos"), [&m] { mnu_sos_Click(m); });
    onClick(QStringLiteral("Command5"), [&m] { Command5_Click(m); });
    onClick(QStringLiteral("Command2"), [&m, &platform] { Command2_Click(m, platform); });
    onClick(QStringLiteral("Command9"), [&m, &platform] { Command9_Click(m, platform); });
}
