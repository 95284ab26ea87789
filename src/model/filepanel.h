#pragma once

#include "platform/textbox.h"

#include <QString>
#include <QStringList>

// One of the two panels over the board, "speichern" (0) and "laden" (1): a drive, a directory
// and the files in it, the game's name and the full path that will be written or read.
// The drive and directory raise their change event like a text box: only on a different value.
struct FilePanel
{
    // Every command that shows a panel places it here, in twips inside the main window.
    static constexpr int kLeft = 720;
    static constexpr int kTop = 1920;

    bool shown = false;
    QString file_komplett;
    TextBox Drive;
    TextBox Dir;
    // The files of Dir as the list last showed them.
    QStringList File;
    // The game's name without ".txt"; in the load panel it is the current game name.
    TextBox Datei;
};

inline constexpr int kSavePanel = 0;
inline constexpr int kLoadPanel = 1;
