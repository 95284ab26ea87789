#pragma once

#include "platform/clockseededrandom.h"
#include "platform/platform.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtmessageboxes.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtsound.h"
#include "platform/systemclock.h"
#include "windows/blankoersatzdialog.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

struct Murmex;
class CellWidget;
class FilePanelWidget;
class FrameWidget;
class OptionenWindow;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultListWidget;

// The main window "Murmex": board, rack, bag, points and the commands around them. It passes
// the player's events to the handlers and then renders itself from the state.
class MainWindow : public QMainWindow
{
public:
    MainWindow(Murmex& murmex, const QString& programDirectory, const QString& fallbackLocation);
    ~MainWindow() override;

    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectGame();
    void buildMenus();
    void buildBoard(QWidget* parent);
    void buildPointsFrame(QWidget* parent);
    void buildBagFrame(QWidget* parent);
    void buildRack(QWidget* parent);
    void buildCommands(QWidget* parent);
    void connectLists();
    void connectSideWindows();
    void connectTiles();
    QPushButton* addButton(
        QWidget* parent, const char* name, const QString& caption, const QRect& geometry);
    QLineEdit* addTextBox(QWidget* parent, const char* name, const QRect& geometry);

    Murmex& m_murmex;

    QtSound m_sound;
    QtMessageBoxes m_messages;
    BlankoersatzOnDemand m_blankDialog;
    QtClipboard m_clipboard;
    QtPrinter m_printer;
    SystemClock m_clock;
    ClockSeededRandom m_random;
    Platform m_platform;

    std::array<CellWidget*, 226> m_squares{};
    std::array<CellWidget*, 8> m_rack{};
    std::array<CellWidget*, 103> m_bag{};
    FrameWidget* m_bagFrame = nullptr;
    FrameWidget* m_pointsFrame = nullptr;
    QLabel* m_spielsituation = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command9 = nullptr;
    QPushButton* m_command12 = nullptr;
    QLineEdit* m_punkte = nullptr;
    QLineEdit* m_top5 = nullptr;
    QLineEdit* m_top10 = nullptr;
    QLineEdit* m_top20 = nullptr;
    QLineEdit* m_text2 = nullptr;
    ResultListWidget* m_ergebnisSortiert = nullptr;
    QStringList m_shownResults;
    QAction* m_mnuSos = nullptr;
    OptionenWindow* m_optionen = nullptr;
    std::array<FilePanelWidget*, 2> m_panels{};
    QString m_fallbackLocation;
};
