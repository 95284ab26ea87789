#pragma once

#include "platform/listbox.h"
#include "platform/messageboxes.h"
#include "platform/optionbuttons.h"
#include "platform/textbox.h"

#include <QString>

struct Murmex;

// The window "Mein Wörterbuch": the personal word list, the words of the result list that can
// be collected into it and the filter by number of letters and first letter. The widget only
// shows this state and passes the player's events in.
class Woerterbuch
{
public:
    explicit Woerterbuch(const Murmex& main);
    Woerterbuch(const Woerterbuch&) = delete;
    Woerterbuch& operator=(const Woerterbuch&) = delete;

    // The word list's file in the data directory; empty when there is no data directory.
    QString filePath() const;

    void Form_Load();
    void Command1_Click();
    void Command2_Click(MessageBoxes& messages);
    void Command4_Click();
    void Option1_Click(int index);
    void Text1_Change();
    void Text2_Change();

    ListBox List1{ListBox::Order::Sorted}; // the words that pass the filter
    ListBox List2{ListBox::Order::Sorted}; // the whole word list
    // 0 "alle Wörter", 1 "nur"; 2 "temp" is never shown, the code selects it to clear List1.
    OptionButtons Option1{{3}, {0}};
    TextBox Text1; // number of letters
    TextBox Text2; // first letter
    bool command1Enabled = true; // "gelegte Wörter aufnehmen"
    bool command2Enabled = false; // "Wörterbuch speichern / Ende"
    bool visible = false;

private:
    void copyWordListToFilter();

    const Murmex& m_main;
};
