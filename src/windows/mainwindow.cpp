#include "windows/mainwindow.h"

#include "game/startup.h"
#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/premiumlayout.h"
#include "model/tileset.h"
#include "windows/cellwidget.h"
#include "windows/colours.h"
#include "windows/filepanelwidget.h"
#include "windows/fonts.h"
#include "windows/framewidget.h"
#include "windows/palettes.h"
#include "windows/resultlistwidget.h"
#include "windows/twips.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace {

QLabel* addLabel(
    QWidget* parent, const QString& text, const QRect& geometry, const QColor& background)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    palettes::setColours(label, background);
    return label;
}

} // namespace

MainWindow::MainWindow(
    Murmex& murmex, const QString& programDirectory, const QString& fallbackLocation)
    : m_murmex(murmex)
    , m_messages(this)
    , m_blankDialog(this)
    , m_printer(this, [&murmex] { return murmex.dataDirectory; })
    , m_random(m_clock)
    , m_platform{m_sound, m_messages, m_blankDialog, m_clipboard, m_printer, m_random}
    , m_fallbackLocation(fallbackLocation)
{
    setObjectName(QStringLiteral("Murmex"));
    auto* central = new QWidget(this);
    central->setFixedSize(twips::size(11600, 10335));
    palettes::setColours(central, colours::kWindow);
    setFont(fonts::general(8));
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildMenus();
    buildBoard(central);
    buildPointsFrame(central);
    buildBagFrame(central);
    buildRack(central);
    buildCommands(central);
    connectSideWindows();
    connectLists();
    connectGame();
    connectTiles();

    Form_Load(m_murmex, programDirectory, fallbackLocation);
    render();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* spiel = menuBar()->addMenu(QStringLiteral("&Spiel"));
    spiel->addAction(QStringLiteral("&Neu"))->setObjectName(QStringLiteral("mnu_neu"));
    spiel->addAction(QStringLiteral("&Spielstand speichern"))
        ->setObjectName(QStringLiteral("mnu_speichern"));
    spiel->addAction(QStringLiteral("&Spiel laden"))->setObjectName(QStringLiteral("mnu_laden"));
    spiel->addSeparator();
    spiel->addAction(QStringLiteral("Optionen"))->setObjectName(QStringLiteral("mnu_optionen"));
    spiel->addSeparator();
    spiel->addAction(QStringLiteral("Ende"))->setObjectName(QStringLiteral("mnu_ende"));

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    bearbeiten->addAction(QStringLiteral("Aufräumen"))
        ->setObjectName(QStringLiteral("mnu_aufräumen"));
    m_mnuSos = bearbeiten->addAction(QStringLiteral("Buchstabe vom Brett wieder lösen"));
    m_mnuSos->setObjectName(QStringLiteral("mnu_sos"));
    m_mnuSos->setCheckable(true);

    QMenu* fragezeichen = menuBar()->addMenu(QStringLiteral("?"));
    fragezeichen->addAction(QStringLiteral("&Hilfe"))->setObjectName(QStringLiteral("mnu_hilfe"));
    fragezeichen->addAction(QStringLiteral("&Info"))->setObjectName(QStringLiteral("mnu_info"));
}

void MainWindow::buildBoard(QWidget* parent)
{
    QFont labelFont = fonts::general(10);
    labelFont.setBold(true);
    // The corner label closes the frame of row letters and column numbers.
    addLabel(parent, {}, twips::rect(120, 240, 495, 495), colours::kFrame);
    for (int column = 1; column <= board::kRowLength; ++column) {
        const int left = 600 + 480 * (column - 1);
        addLabel(parent, QString::number(column), twips::rect(left, 240, 495, 495), colours::kFrame)
            ->setFont(labelFont);
    }
    for (int row = 1; row <= board::kRowLength; ++row) {
        const int top = 720 + 480 * (row - 1);
        addLabel(parent, board::rowLetter(row), twips::rect(120, top, 495, 495), colours::kFrame)
            ->setFont(labelFont);
    }
    for (int n = 1; n <= board::kSquareCount; ++n) {
        auto* square = new CellWidget(parent);
        square->setObjectName(u"a" + QString::number(n));
        square->move(twips::toPixels(600 + 480 * (board::columnOf(n) - 1)),
            twips::toPixels(720 + 480 * (board::rowOf(n) - 1)));
        m_squares[n] = square;
    }
}

void MainWindow::buildPointsFrame(QWidget* parent)
{
    m_pointsFrame = new FrameWidget(QStringLiteral("Punkte"), colours::kFrame, parent);
    m_pointsFrame->setObjectName(QStringLiteral("Frame1_2"));
    m_pointsFrame->setGeometry(twips::rect(8010, 0, 3255, 9345));

    m_punkte = addTextBox(m_pointsFrame, "punkte", twips::rect(120, 360, 3000, 495));
    QFont pointsFont = fonts::general(16);
    pointsFont.setBold(true);
    m_punkte->setFont(pointsFont);
    m_punkte->setAlignment(Qt::AlignCenter);

    const struct
    {
        const char* name;
        QString caption;
    } buttons[] = {
        {"neu", QStringLiteral("Neues Spiel")},
        {"Command1", QStringLiteral("Aufräumen")},
        {"Command3", QStringLiteral("Buchstaben auf Brett fixieren")},
        {"Command4", QStringLiteral("Spiel speichern unter")},
        {"Command12", QStringLiteral("Spiel speichern")},
        {"l_Command", QStringLiteral("Spielstand laden")},
        {"Command10", QStringLiteral("Liste bereinigen")},
        {"Command6", QStringLiteral("Wort in Top-Liste übernehmen")},
    };
    int top = 1000;
    for (const auto& button : buttons) {
        addButton(m_pointsFrame, button.name, button.caption, twips::rect(120, top, 3000, 400));
        top += 450;
    }
    m_command12 = m_pointsFrame->findChild<QPushButton*>(QStringLiteral("Command12"));
    // "Liste bereinigen" has no action and nothing enables it.
    m_pointsFrame->findChild<QPushButton*>(QStringLiteral("Command10"))->setEnabled(false);

    auto* frame3 = new FrameWidget({}, colours::kFrame, m_pointsFrame);
    frame3->setGeometry(twips::rect(120, 4680, 3015, 3375));
    m_ergebnisSortiert = new ResultListWidget(frame3);
    m_ergebnisSortiert->setObjectName(QStringLiteral("ergebnis_sortiert"));
    m_ergebnisSortiert->setGeometry(twips::rect(0, 0, 3015, 3210));
    m_ergebnisSortiert->setFont(fonts::fixedPitch(10));

    const struct
    {
        const char* name;
        QString caption;
        QLineEdit** box;
    } tops[] = {
        {"Top_5", QStringLiteral("Top 5"), &m_top5},
        {"Top_10", QStringLiteral("Top 10"), &m_top10},
        {"Top_20", QStringLiteral("Top 20"), &m_top20},
    };
    top = 8190;
    for (const auto& entry : tops) {
        // The label reaches under its box; its text has to end before the box begins.
        QLabel* label = addLabel(
            m_pointsFrame, entry.caption, twips::rect(840, top, 855, 255), colours::kFrame);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, twips::toPixels(1695 - 1530) + 4, 0);
        *entry.box = addTextBox(m_pointsFrame, entry.name, twips::rect(1530, top, 855, 360));
        (*entry.box)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        top += 315;
    }
}

void MainWindow::buildBagFrame(QWidget* parent)
{
    m_bagFrame = new FrameWidget(QStringLiteral("Säckchen"), colours::kFrame, parent);
    m_bagFrame->setObjectName(QStringLiteral("Frame1_0"));
    m_bagFrame->setGeometry(twips::rect(8010, 0, 3255, 9345));
    // Six cells a row, in tile order, so that every letter has its own place.
    for (int n = 1; n <= tiles::kTileCount; ++n) {
        auto* cell = new CellWidget(m_bagFrame);
        cell->setObjectName(u"s" + QString::number(n));
        cell->move(
            twips::toPixels(180 + 480 * ((n - 1) % 6)), twips::toPixels(300 + 480 * ((n - 1) / 6)));
        m_bag[n] = cell;
    }
    addButton(m_bagFrame, "Command5", QStringLiteral("Spielsituation legen"),
        twips::rect(90, 8640, 2895, 375));
}

void MainWindow::buildRack(QWidget* parent)
{
    auto* frame = new FrameWidget(QStringLiteral("Bänkchen"), colours::kFrame, parent);
    frame->setObjectName(QStringLiteral("Frame1_1"));
    frame->setGeometry(twips::rect(105, 8295, 4035, 975));
    for (int j = 0; j < 8; ++j) {
        auto* slot = new CellWidget(frame);
        slot->setObjectName(u"bb" + QString::number(j));
        slot->move(twips::toPixels(120 + 480 * j), twips::toPixels(360));
        m_rack[j] = slot;
    }
}

void MainWindow::buildCommands(QWidget* parent)
{
    m_spielsituation = addLabel(parent,
        QStringLiteral("E i n e    S p i e l s i t u a t i o n   d a r f    g e l e g t   "
                       "w e r d e n"),
        twips::rect(270, 7920, 7575, 375), colours::kFrame);
    m_spielsituation->setObjectName(QStringLiteral("Spielsituation"));
    QFont emphasis = fonts::general(10);
    emphasis.setBold(true);
    m_spielsituation->setFont(emphasis);

    addButton(parent, "Command8", QStringLiteral("Hardcopy"), twips::rect(4200, 8505, 1620, 390));
    addButton(
        parent, "Command11", QStringLiteral("Mein Wörterbuch"), twips::rect(4200, 8925, 1620, 390));
    m_command2 = addButton(
        parent, "Command2", QStringLiteral("Säckchen zeigen"), twips::rect(5880, 8505, 2010, 390));
    m_command9 = addButton(parent, "Command9", QStringLiteral("Buchstaben ziehen"),
        twips::rect(5880, 8505, 2040, 390));
    addButton(parent, "Command7", QStringLiteral("Ende"), twips::rect(5880, 8925, 2010, 390));

    m_text2 = addTextBox(parent, "Text2", twips::rect(8400, 9660, 2655, 345));
    m_text2->setFont(fonts::fixedPitch(9));
}

QPushButton* MainWindow::addButton(
    QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLineEdit* MainWindow::addTextBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    // Every box of the main window shows what the handlers computed; none is typed into.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

void MainWindow::render()
{
    const Murmex& m = m_murmex;
    setWindowTitle(m.title);
    for (int n = 1; n <= board::kSquareCount; ++n)
        m_squares[n]->display(m.a[n].picture,
            colours::toQColor(premiums::colourFor(m.letterFactor[n], m.wordFactor[n])));
    for (int j = 0; j < 8; ++j)
        m_rack[j]->display(m.bb[j].picture, colours::kFrame);
    for (int n = 1; n <= tiles::kTileCount; ++n)
        m_bag[n]->display(m.s[n].picture, colours::kFrame);

    m_punkte->setText(m.punkte.text());
    m_top5->setText(m.Top_5.text());
    m_top10->setText(m.Top_10.text());
    m_top20->setText(m.Top_20.text());
    m_text2->setText(m.Text2.text());
    if (m_shownResults != m.ergebnis_sortiert.lines()) {
        m_shownResults = m.ergebnis_sortiert.lines();
        m_ergebnisSortiert->clear();
        m_ergebnisSortiert->addItems(m_shownResults);
    }

    m_bagFrame->setVisible(!m.bagHidden);
    m_pointsFrame->setVisible(m.bagHidden);
    m_command2->setText(
        m.bagHidden ? QStringLiteral("Säckchen zeigen") : QStringLiteral("Säckchen verbergen"));
    m_command2->setVisible(!m.drawButtonShown);
    m_command9->setVisible(m.drawButtonShown);
    m_command12->setEnabled(m.quickSaveEnabled);
    m_spielsituation->setVisible(m.spielsituationShown);
    m_mnuSos->setChecked(m.releaseChecked);
    for (FilePanelWidget* panel : m_panels)
        panel->render();
}
