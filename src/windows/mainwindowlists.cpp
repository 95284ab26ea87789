#include "lists/candidatelist.h"
#include "lists/clipboardexport.h"
#include "lists/layword.h"
#include "model/murmex.h"
#include "windows/mainwindow.h"
#include "windows/resultlistwidget.h"

#include <QMenu>
#include <QPushButton>

namespace {

MouseButton toCore(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Other;
    }
}

} // namespace

// The result list's two pop-up menus and "Wort in Top-Liste übernehmen".
void MainWindow::connectLists()
{
    auto act = [this](auto handler) {
        return [this, handler] {
            handler();
            render();
        };
    };
    Murmex& m = m_murmex;
    Platform& platform = m_platform;

    connect(findChild<QPushButton*>(QStringLiteral("Command6")), &QPushButton::clicked, this,
        act([&m, &platform] { Command6_Click(m, platform); }));

    auto* popup1 = new QMenu(QStringLiteral("Popup-1"), this);
    popup1->setObjectName(QStringLiteral("mnu_popup_1"));
    connect(popup1->addAction(QStringLiteral("Wort legen")), &QAction::triggered, this,
        act([&m] { mnu_wunsch_Click(m); }));
    connect(popup1->addAction(QStringLiteral("Wort in die Zwischenablage")), &QAction::triggered,
        this, act([&m, &platform] { mnu_wort_Click(m, platform.clipboard); }));
    connect(popup1->addAction(QStringLiteral("Wort löschen")), &QAction::triggered, this,
        act([&m, &platform] { mnu_loeschen_Click(m, platform); }));

    auto* popup2 = new QMenu(QStringLiteral("Popup-2"), this);
    popup2->setObjectName(QStringLiteral("mnu_popup_2"));
    connect(popup2->addAction(QStringLiteral("Top 5 in die Zwischenablage")), &QAction::triggered,
        this, act([&m, &platform] { mnu_top5_Click(m, platform.clipboard); }));
    connect(popup2->addAction(QStringLiteral("Top 10 in die Zwischenablage")), &QAction::triggered,
        this, act([&m, &platform] { mnu_top10_Click(m, platform.clipboard); }));
    connect(popup2->addAction(QStringLiteral("Top 20 in die Zwischenablage")), &QAction::triggered,
        this, act([&m, &platform] { mnu_top20_Click(m, platform.clipboard); }));
    connect(popup2->addAction(QStringLiteral("alle in die Zwischenablege")), &QAction::triggered,
        this, act([&m, &platform] { mnu_alle_Click(m, platform.clipboard); }));
    connect(popup2->addAction(QStringLiteral("Liste löschen")), &QAction::triggered, this,
        act([&m] { mnu_alles_öschen_Click(m); }));

    m_ergebnisSortiert->setPressHandler(
        [this, popup1, popup2](int row, Qt::MouseButton button, QPoint globalPos) {
            switch (ergebnis_sortiert_MouseDown(m_murmex, row, toCore(button))) {
            case ResultListMenu::Word:
                popup1->popup(globalPos);
                break;
            case ResultListMenu::List:
                popup2->popup(globalPos);
                break;
            case ResultListMenu::None:
                break;
            }
        });
}
