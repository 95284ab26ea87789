#pragma once

#include "platform/blankdialog.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/sound.h"

// The services of the desktop that the handlers use; the program passes the Qt ones, the
// tests fakes that record and script them.
struct Platform
{
    Sound& sound;
    MessageBoxes& messages;
    BlankDialog& blankDialog;
    Clipboard& clipboard;
    Printer& printer;
    Random& random;
};
