#pragma once

#include "platform/listbox.h"
#include "platform/messageboxes.h"
#include "platform/printer.h"

#include <QList>

// The help window "Hilfe": its text and the printing of it. Each loading builds the text
// afresh; "ok" unloads the window.
class Hilfe
{
public:
    void Form_Load();
    // Prints the text on the default printer, without a question or a printer dialog.
    void Command2_Click(Printer& printer, MessageBoxes& messages);

    // The printed page: a bold title after three empty lines, then the text indented.
    QList<Printer::Line> printedDocument() const;

    ListBox List1;
};
