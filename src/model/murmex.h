#pragma once

#include "model/cell.h"
#include "model/filepanel.h"
#include "platform/listbox.h"
#include "platform/optionbuttons.h"
#include "platform/textbox.h"

#include <QString>

#include <array>

// The state of the main window: every cell, list, text box and flag that the handlers read
// and write. The windows only show it.
struct Murmex
{
    Murmex();
    Murmex(const Murmex&) = delete;
    Murmex& operator=(const Murmex&) = delete;

    std::array<Cell, 226> a; // board squares 1..225; a[0] is never used
    std::array<Cell, 8> bb; // rack ("Bänkchen")
    std::array<Cell, 103> s; // bag ("Säckchen"); s[n] is the home of tile n
    std::array<Cell, 103> o; // original tiles; o[0] holds the pointer icon

    std::array<int, 226> letterFactor{};
    std::array<int, 226> wordFactor{};

    ListBox gelegt{ListBox::Order::Sorted};
    std::array<ListBox, 8> protokoll;
    ListBox Ergebnisliste{ListBox::Order::Sorted};
    ListBox ergebnis_sortiert;

    TextBox punkte;
    TextBox Top_5;
    TextBox Top_10;
    TextBox Top_20;
    TextBox Text2;
    TextBox nr;
    TextBox Text4;

    QString title;

    // The bag frame is shown exactly while bagHidden is False, in place of the points frame.
    bool bagHidden = true;
    bool situationAllowed = false;
    bool wordFound = false;
    bool boardSaved = true;
    QString focusArea;
    int dragSourceSquare = 0;
    int dropSquare = 0;
    int selectedEntry = -1;

    bool spielsituationShown = false;
    // "Buchstaben ziehen" is shown in place of "Säckchen zeigen".
    bool drawButtonShown = false;
    bool quickSaveEnabled = false;
    bool releaseChecked = false; // the menu item "Buchstabe vom Brett wieder lösen"

    // The option values live only here, in the option buttons of the options window.
    OptionButtons Option1{{2, 2, 2, 2, 2, 2}, {1, 3, 4, 6, 8, 10}};

    // The panels "speichern" and "laden".
    std::array<FilePanel, 2> laden_speichern;

    QString dataDirectory;
};
