#pragma once

#include "platform/qt/qtmessageboxes.h"
#include "windows/woerterbuch.h"

#include <QDialog>

#include <array>

struct Murmex;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Mein Wörterbuch": shows the dictionary's state and passes the player's events in. Closing
// the window only hides it; it keeps its lists until the program ends.
class WoerterbuchWindow : public QDialog
{
    Q_OBJECT

public:
    // Loading reads the word list.
    WoerterbuchWindow(const Murmex& main, QWidget* mainWindow);

    // The main window's dictionary window, loaded on first use.
    static WoerterbuchWindow& loadedFor(QWidget* mainWindow, const Murmex& main);
    // Opening the game-loading panel lets the words of the next game be collected again; the
    // window is loaded, not shown, if it was not loaded yet.
    static void gameLoadingPanelOpened(QWidget* mainWindow, const Murmex& main);

    const Woerterbuch& state() const { return m_state; }
    // "Mein Wörterbuch" of the main window.
    void Command11_Click();
    void render();

    // Closing by the window's button or Escape is "Ende".
    void reject() override;

private:
    void buildFilterFrame();
    QPushButton* addButton(const char* name, const QString& caption, const QRect& geometry);

    Woerterbuch m_state;
    QtMessageBoxes m_messages;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
    std::array<QRadioButton*, 2> m_option1{};
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
};
