// The main window's part of saving, loading, new game, options and the end of the program.

#include "game/loadcommand.h"
#include "game/newgame.h"
#include "game/savecommands.h"
#include "game/shutdown.h"
#include "model/murmex.h"
#include "windows/filepanelwidget.h"
#include "windows/mainwindow.h"
#include "windows/optionenwindow.h"
#include "windows/woerterbuchwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

void MainWindow::connectGame()
{
    QWidget* central = centralWidget();
    for (int k : {kSavePanel, kLoadPanel})
        m_panels[k] = new FilePanelWidget(
            m_murmex, m_platform, k, [this] { render(); }, central);

    // A button and its menu item do exactly the same.
    const auto onCommand = [this](const QString& button, const QString& menuItem, auto handler) {
        const auto run = [this, handler] {
            handler();
            render();
        };
        connect(findChild<QPushButton*>(button), &QPushButton::clicked, this, run);
        if (!menuItem.isEmpty())
            connect(findChild<QAction*>(menuItem), &QAction::triggered, this, run);
    };
    onCommand(QStringLiteral("neu"), QStringLiteral("mnu_neu"),
        [this] { neu_Click(m_murmex, m_platform); });
    onCommand(QStringLiteral("Command4"), QStringLiteral("mnu_speichern"),
        [this] { Command4_Click(m_murmex); });
    onCommand(QStringLiteral("Command12"), {}, [this] { Command12_Click(m_murmex, m_platform); });
    onCommand(QStringLiteral("l_Command"), QStringLiteral("mnu_laden"), [this] {
        if (l_Command_Click(m_murmex, m_platform))
            WoerterbuchWindow::gameLoadingPanelOpened(this, m_murmex);
    });
    onCommand(QStringLiteral("Command7"), QStringLiteral("mnu_ende"), [this] {
        if (Command7_Click(m_murmex, m_platform))
            close();
    });

    connect(findChild<QAction*>(QStringLiteral("mnu_optionen")), &QAction::triggered, this, [this] {
        // The option values live in the state; the window is only made when first wanted.
        if (!m_optionen) {
            m_optionen = new OptionenWindow(m_murmex, m_platform, this);
            // An option takes its effect on the main window at once.
            for (QRadioButton* option : m_optionen->findChildren<QRadioButton*>())
                connect(option, &QRadioButton::clicked, this, [this] { render(); });
        }
        m_optionen->render();
        m_optionen->show();
        m_optionen->raise();
        m_optionen->activateWindow();
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload(m_murmex, m_platform, m_fallbackLocation);
    for (QWidget* child : findChildren<QWidget*>())
        if (child->isWindow())
            child->hide();
    event->accept();
}
