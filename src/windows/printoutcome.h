#pragma once

#include "platform/messageboxes.h"
#include "platform/printer.h"

#include <QString>

// Tells the player where a page went that no printer took, or that it could not be printed
// at all; a page the printer took needs no word.
void reportPrintOutcome(
    const Printer::Outcome& outcome, const QString& title, MessageBoxes& messages);
