#include "windows/hardcopy.h"

#include "windows/printoutcome.h"

void Command8_Click(Platform& platform)
{
    if (!platform.messages.askYesNo(QStringLiteral("A C H T U N G !!!"),
            QStringLiteral("Wollen Sie wirklich das Brett ausdrucken?"),
            MessageBoxes::Icon::Question))
        return;
    reportPrintOutcome(platform.printer.printMainWindow(QStringLiteral("hardcopy.pdf")),
        QStringLiteral("Hardcopy"), platform.messages);
}
