#include "windows/mainwindow.h"

#include "windows/hardcopy.h"
#include "windows/hilfewindow.h"
#include "windows/infowindow.h"
#include "windows/sidewindow.h"
#include "windows/woerterbuchwindow.h"

#include <QAction>
#include <QPushButton>

// The dictionary, help and info windows and the hardcopy of the board.
void MainWindow::connectSideWindows()
{
    connect(findChild<QPushButton*>(QStringLiteral("Command11")), &QPushButton::clicked, this,
        [this] { WoerterbuchWindow::loadedFor(this, m_murmex).Command11_Click(); });
    connect(findChild<QPushButton*>(QStringLiteral("Command8")), &QPushButton::clicked, this,
        [this] { Command8_Click(m_platform); });
    connect(findChild<QAction*>(QStringLiteral("mnu_hilfe")), &QAction::triggered, this,
        [this] { bringForward(loadedSideWindow<HilfeWindow>(this, m_printer)); });
    connect(findChild<QAction*>(QStringLiteral("mnu_info")), &QAction::triggered, this,
        [this] { bringForward(loadedSideWindow<InfoWindow>(this)); });
}
